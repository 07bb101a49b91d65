#pragma once

#include "platform/wording.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace censaria {

// What one press of "Calcola andamento" came to.
enum class YearOutcome {
    Computed,
    HundredthYear,         // the series is full: only a new situation goes on
    MissingData,           // one of the four boxes is empty
    PopulationNotPositive, // the typed population is 0 or below
    BirthRateOutOfRange,   // a rate below 0 or above 1000 per thousand
    DeathRateOutOfRange,
    StartYearOutOfRange,  // the typed year does not fit a 16-bit integer
    LastYearReached,      // the next year would pass the 16-bit range
    PopulationOutOfRange, // the typed population does not fit a 32-bit integer
    GrowthOutOfRange,     // the new population would not fit a 32-bit integer
};

// The texts of the four input boxes at the moment of a press.
struct SimulationInputs
{
    QString startYear;
    QString initialPopulation;
    QString birthRate;
    QString deathRate;

    enum Box { StartYear, InitialPopulation, BirthRate, DeathRate };
    // The boxes left empty (or holding blanks only), in the order they are on screen.
    QList<Box> missing() const;
};

// The figures of the year last computed, as the result labels show them.
struct ComputedYear
{
    qint16 year = 0;
    double births = 0;  // floor of the births
    double deaths = 0;  // floor of the deaths
    double balance = 0; // births - deaths, both floored
    qint32 population = 0;
    double variation = 0; // population - initial population
    double birthRate = 0; // the rates the year was computed with, per thousand
    double deathRate = 0;
};

// The vertical scale of the graph and the years along it. The ticks stand at
// tickAnchor plus whole multiples of tickInterval.
struct GraphScale
{
    double bottom = 0;
    double top = 0;
    double tickAnchor = 0;
    double tickInterval = 0;
    int decimals = 0;
    int firstYear = 0;
    int lastYear = 0;
    int yearStep = 1;
};

// A population followed year by year from a birth and a death rate per thousand.
// Index 1 of the series holds the initial population, index k the population after
// k - 1 computed years; 98 years fit, the 99th press reports the hundredth year.
class GrowthSimulation
{
public:
    static constexpr int lastIndex = 100;
    // A rate per thousand beyond this is not a rate at all.
    static constexpr double highestRate = 1000;

    GrowthSimulation() = default;

    // The change events of the start-year and initial-population boxes.
    void setStartYearText(const QString &text);
    void setInitialPopulationText(const QString &text);

    // One press of "Calcola andamento": on anything but Computed the counter is as before
    // (or stays at the hundredth index) and no figure has changed.
    YearOutcome computeYear(const SimulationInputs &inputs);

    // Back to the first index; the boxes' change events clear the rest.
    void reset()
    {
        contatore_ = 1;
        history_.clear();
    }

    // The start year and the initial population are frozen while this holds.
    bool isRunning() const { return contatore_ > 1; }
    bool isFull() const { return contatore_ == lastIndex; }

    int contatore() const { return contatore_; }
    std::optional<qint16> anno() const { return anno_; }
    double natalita() const { return natalita_; }
    double mortalita() const { return mortalita_; }
    double popolazione() const { return popolazione_; }
    double popiniziale() const { return popiniziale_; }
    qint32 serie(int index) const { return serie_.at(index); }

    const ComputedYear &lastYear() const { return lastYear_; }
    // Every year computed since the start, in order: the rows of the printed table.
    const QList<ComputedYear> &history() const { return history_; }
    // The stored values shown by the graph: indices 1 to contatore.
    QList<qint32> shownSeries() const;
    // The year of index 1.
    int firstYear() const;
    // From 0.9 to 1.2 times the initial population, widened by whole tick intervals
    // (coarser ones when they grow many) so that every stored value lies inside.
    GraphScale graphScale() const;

private:
    YearOutcome giveBack(YearOutcome outcome);

    std::optional<qint16> anno_ = 0;
    int contatore_ = 1;
    double natalita_ = 0;
    double mortalita_ = 0;
    double popolazione_ = 0;
    double popiniziale_ = 0;
    bool initialFits_ = true;
    std::array<qint32, lastIndex + 1> serie_{};
    ComputedYear lastYear_;
    QList<ComputedYear> history_;
};

// The years computed, in words: "1 anno calcolato", "12 anni calcolati".
inline QString computedYearsText(int years)
{
    return wording::counted(years, QStringLiteral("anno calcolato"), QStringLiteral("anni calcolati"));
}

} // namespace censaria
