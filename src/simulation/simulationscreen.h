#pragma once

#include "screenkit/screen.h"
#include "growthsimulation.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace censaria {

class GrowthGraph;

// The growth simulation: the pupil gives a start year, a population and two rates,
// then follows the population one year per press of "Calcola andamento".
class SimulationScreen : public Screen
{
    Q_OBJECT
public:
    explicit SimulationScreen(Module &module);

private:
    void describeGraph();
    void buildInputs();
    void buildResults();
    void buildScenario();
    void buildButtons();
    QLineEdit *addInput(QWidget *frame, const char *name, const QString &prompt, int row, bool rateHint);
    QLabel *addResult(QWidget *panel, const char *name, const QString &caption, int row);
    void setResultTypes();

    void startYearChanged();
    void initialPopulationChanged();
    void calculateYear();
    void newSituation();
    void openExercise();
    void printGraph();

    void showYear();
    void lockStartData(bool locked);
    QString outcomeMessage(YearOutcome outcome) const;
    void missingDataMessage(const QList<SimulationInputs::Box> &missing);
    // The box whose figure the outcome refuses, if any.
    QLineEdit *boxToCorrect(YearOutcome outcome) const;

    GrowthSimulation simulation_;

    QLineEdit *startYear_ = nullptr; // Text1
    QLineEdit *initialPopulation_ = nullptr;
    QLineEdit *birthRate_ = nullptr;
    QLineEdit *deathRate_ = nullptr;
    QLabel *year_ = nullptr;
    QLabel *births_ = nullptr;
    QLabel *deaths_ = nullptr;
    QLabel *balance_ = nullptr;
    QLabel *population_ = nullptr;
    QLabel *variation_ = nullptr;
    QLabel *variationYear_ = nullptr; // Label12
    QPushButton *calculate_ = nullptr;
    QPushButton *print_ = nullptr;
    GrowthGraph *graph_ = nullptr;
};

} // namespace censaria
