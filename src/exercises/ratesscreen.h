#pragma once

#include "exercisescreen.h"
#include "ratesexercise.h"

#include <array>

class QGroupBox;

namespace censaria {

// The rates exercise "Calcolare...": two problems on birth and death rates, corrected
// answer by answer, with running totals recorded in the pupil's row of "esercizi".
class RatesScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit RatesScreen(Module &module);

    const RatesExercise &exercise() const { return exercise_; }

    void CmdNUOVO_Click();
    void CMDRISULT_Click();
    void Cmdhelp1_Click();
    void Cmdhelp2_Click();
    void cmdok_Click();

protected:
    void Cmdarchivio_Click() override;
    QList<QLineEdit *> wrongBoxes() const override;
    QString revealSolution(QLineEdit *box) override;
    std::unique_ptr<Worksheet> makeSheet(int problems) override;

private:
    QGroupBox *addProblemFrame(const QString &name, const QString &title, int left);
    void addCounters();
    void generate(RatesExercise::Moment moment);
    void showHelp(const QStringList &lines);
    void record();
    void showSolutionOrPicture();
    // The message that names the empty boxes of the first problem not complete.
    void askToComplete(RatesExercise::Completeness completeness);

    RatesExercise exercise_;
    QGroupBox *frames_[2];
    std::array<QLineEdit *, RatesExercise::answerCount> answerBoxes_{};
    std::array<QString, RatesExercise::answerCount> answerCaptions_{};
    std::array<bool, RatesExercise::answerCount> wrong_{}; // at the last correction
    QLabel *labpopiniz_, *Labtassonat_, *Labtassomort_;
    QLabel *Lab1popinizio_, *Lab1nati_, *Lab1morti_;
    QLabel *Label2_ = nullptr, *Label6_ = nullptr, *Label4_ = nullptr, *Label11_ = nullptr;
    QLabel *Label20_;
    QLabel *Image2_;
    QPushButton *CMDRISULT_, *cmdok_;
};

} // namespace censaria
