#pragma once

#include "calculatorengine.h"

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace censaria {

class Module;

// The calculator frame "CALCOLATRICE" placed on both exercise screens, each with its
// own engine. It does not talk to the exercise: the pupil copies the result by hand.
class CalculatorPanel : public QGroupBox
{
    Q_OBJECT
public:
    // Size of the frame in twips, for the screens that place it.
    static constexpr int widthTwips = 3240;
    static constexpr int heightTwips = 3180;

    CalculatorPanel(Module &module, QWidget *parent);

    void reset();

protected:
    // With the focus on the panel the keyboard presses its keys: digits, "," and ".",
    // + - * /, %, Enter or =, Backspace (CE) and Esc (C).
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    // A key of the grid below the display; span is its width in keys.
    QPushButton *addKey(const QString &caption, const QString &name, int row, int column, int span = 1);
    // The key a key press stands for; nullptr for any other key.
    QPushButton *keyFor(const QKeyEvent *event) const;
    void pressOperator(const QString &caption);
    void showReadout();

    Module &module_;
    CalculatorEngine engine_;
    QLabel *readout_;
};

} // namespace censaria
