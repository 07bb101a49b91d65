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

    // "Nuova situazione": two new problems; the totals and the calculator stay.
    void CmdNUOVO_Click();
    // "CORREGGI": judges the eight answers, adds to the totals and records them.
    void CMDRISULT_Click();
    // "Aiuto" of either problem shows its formulas; "OK" puts the problems back.
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
    // The controls, with their objectNames.
    QLabel *firstPopulationLabel_, *firstBirthRateLabel_, *firstDeathRateLabel_; // labpopiniz, Labtassonat, Labtassomort
    QLabel *secondPopulationLabel_, *secondBirthsLabel_, *secondDeathsLabel_;    // Lab1popinizio, Lab1nati, Lab1morti
    QLabel *rightNowLabel_ = nullptr, *wrongNowLabel_ = nullptr;                 // Label2, Label6: the last correction
    QLabel *rightTotalLabel_ = nullptr, *wrongTotalLabel_ = nullptr;             // Label4, Label11: since the screen opened
    QLabel *helpPanel_;                                                          // Label20
    QLabel *picture_;                                                            // Image2
    QPushButton *correctButton_, *helpOkButton_;                                 // CMDRISULT ("CORREGGI"), cmdok
};

} // namespace censaria
