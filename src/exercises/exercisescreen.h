#pragma once

#include "screenkit/screen.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace censaria {

class CalculatorPanel;
class Worksheet;

// What the two exercise screens share: the calculator, the archive and navigation
// buttons, and the look of their values and answer boxes.
class ExerciseScreen : public Screen
{
    Q_OBJECT
public:
    CalculatorPanel *calculator() const { return calculator_; }

protected:
    ExerciseScreen(Module &module, const QString &formName);

    // The picture, the instructions and the reminder about negative numbers at the top.
    void addHeading(const QString &instructions, const QColor &accent);
    // Places in twips on the parent. A value: framed, centred, bold.
    static QLabel *addValueLabel(QWidget *parent, const QString &name, QRect twips);
    static QLineEdit *addAnswerBox(QWidget *parent, const QString &name, QRect twips);
    // "Archivio dei risultati", "Torno", "Menù" and the exit button, in one row from left.
    void addNavigationButtons(const QString &exitName, int left, int top);
    void placeCalculator(int left, int top);
    // "Archivio dei risultati": the results screen, opened from here.
    virtual void Cmdarchivio_Click() { openResults(); }

    // The background of a box, tick box or option button.
    static void setControlColour(QWidget *control, const QColor &colour);

    // "Mostra la soluzione" and the panel where a wrong box's solution is shown: each
    // press shows the wrong box that has the focus, or the next one.
    void addSolution(QRect buttonTwips, QRect panelTwips);
    // The boxes judged wrong now, in reading order; the button shows while there are any.
    virtual QList<QLineEdit *> wrongBoxes() const = 0;
    // Marks the box's solution as shown and returns it (formula, numbers, result).
    virtual QString revealSolution(QLineEdit *box) = 0;
    // After a check or a new problem: the button follows the wrong boxes, the panel empties.
    void updateSolution();

    // "Stampa una scheda": as many problems as the teacher asks for, drawn as this screen
    // draws them, on paper with their solutions on a page of their own.
    void addSheetButton(QRect twips);
    virtual std::unique_ptr<Worksheet> makeSheet(int problems) = 0;

private:
    void showNextSolution();
    void printSheet();

    CalculatorPanel *calculator_ = nullptr;
    QPushButton *solutionButton_ = nullptr;
    QLabel *solutionPanel_ = nullptr;
    QLineEdit *lastShown_ = nullptr;
};

} // namespace censaria
