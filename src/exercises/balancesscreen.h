#pragma once

#include "balancesexercise.h"
#include "exercisescreen.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace censaria {

// The balances and rates exercise "Saldo naturale e migratorio": a year of a region's
// population, the balances to compute and the kind of region to recognise.
class BalancesScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit BalancesScreen(Module &module);

    const BalancesExercise &exercise() const { return exercise_; }

    // "NUOVO ESERCIZIO": a new problem; the counters and the calculator stay.
    void CmdNUOVO_Click();
    // The check button: judges every answer, adds to the counters and records them.
    void checkAnswers();
    // "AIUTO?": the formulas and the hints.
    void CmdAIUTO_Click();

protected:
    QList<QLineEdit *> wrongBoxes() const override;
    QString revealSolution(QLineEdit *box) override;
    std::unique_ptr<Worksheet> makeSheet(int problems) override;

private:
    void showVerdicts();
    QGroupBox *addSection(const QString &name, const QString &title, QRect twips);
    void addData();
    void addCalculations();
    void addUnderstanding();
    void addCounters();
    BalancesExercise::Answers answers() const;
    void askToComplete(const QList<BalancesExercise::Missing> &missing);
    void showMarks();
    void showCounters();
    // False when nothing was stored (no pupil name, or the archive refused it).
    bool record();

    BalancesExercise exercise_;
    bool recorded_ = true; // the counters shown are stored
    // The controls, with their objectNames.
    QLabel *startPopulationLabel_;                                              // LabPOP
    QLabel *birthsLabel_, *birthRateLabel_;                                     // Labnati, Labtassonat
    QLabel *deathsLabel_, *deathRateLabel_;                                     // Labmorti, Labtassomort
    QLabel *emigrantsLabel_, *immigrantsLabel_;                                 // Labemig, Labimmig
    QLineEdit *naturalBalanceBox_, *migrationBalanceBox_, *finalPopulationBox_; // TXTSNATURALE, TXTSMIGRATORIO, TXTPOP
    std::array<QCheckBox *, 2> naturalSignBoxes_{}, migrationSignBoxes_{};      // Check2(0..1), Check3(0..1): "positivo", "negativo"
    std::array<QRadioButton *, BalancesExercise::optionCount> regionOptions_{}; // Option3(0..3)
    std::array<QCheckBox *, BalancesExercise::factCount> factBoxes_{};          // Check1(0..5)
    QLabel *calculationsRightLabel_, *calculationsWrongLabel_;                  // Labcalcgiusti, LabcalcSB
    QLabel *understandingRightLabel_, *understandingWrongLabel_;                // Labcompgiusti, LabcompSB
    QPushButton *checkButton_;                                                  // AniPushButton1
    bool checked_ = false;                                                      // the problem on screen has been checked
};

} // namespace censaria
