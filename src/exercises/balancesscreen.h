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

    void CmdNUOVO_Click();
    void AniPushButton1_Click();
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
    QLabel *LabPOP_, *Labnati_, *Labtassonat_, *Labmorti_, *Labtassomort_, *Labemig_, *Labimmig_;
    QLineEdit *TXTPOP_, *TXTSNATURALE_, *TXTSMIGRATORIO_;
    std::array<QCheckBox *, 2> Check2_{}, Check3_{};
    std::array<QRadioButton *, BalancesExercise::optionCount> Option3_{};
    std::array<QCheckBox *, BalancesExercise::factCount> Check1_{};
    QLabel *Labcalcgiusti_, *LabcalcSB_, *Labcompgiusti_, *LabcompSB_;
    QPushButton *AniPushButton1_;
    bool checked_ = false; // the problem on screen has been checked
};

} // namespace censaria
