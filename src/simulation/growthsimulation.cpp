#include "growthsimulation.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace censaria {
namespace {

bool isMissing(const QString &box)
{
    // A box of blanks only reads as 0: the pupil has not given that figure either.
    return box.trimmed().isEmpty();
}

// The highest index that ever holds a computed value: the hundredth press computes nothing.
constexpr int lastStoredIndex = GrowthSimulation::lastIndex - 1;

} // namespace

void GrowthSimulation::setStartYearText(const QString &text)
{
    anno_ = numbers::toInt16(numbers::readLeading(text));
}

void GrowthSimulation::setInitialPopulationText(const QString &text)
{
    popolazione_ = numbers::readLeading(text);
    popiniziale_ = popolazione_;
    const std::optional<qint32> initial = numbers::toInt32(popolazione_);
    initialFits_ = initial.has_value();
    serie_[1] = initial.value_or(0);
}

QList<SimulationInputs::Box> SimulationInputs::missing() const
{
    QList<Box> boxes;
    for (const auto &[box, text] : {std::pair{StartYear, &startYear}, std::pair{InitialPopulation, &initialPopulation},
                                    std::pair{BirthRate, &birthRate}, std::pair{DeathRate, &deathRate}})
        if (isMissing(*text))
            boxes.append(box);
    return boxes;
}

YearOutcome GrowthSimulation::computeYear(const SimulationInputs &inputs)
{
    mortalita_ = numbers::readLeading(inputs.deathRate);
    natalita_ = numbers::readLeading(inputs.birthRate);

    if (isFull())
        return YearOutcome::HundredthYear; // never beyond the last index of the series
    ++contatore_;
    if (isFull())
        return YearOutcome::HundredthYear;

    if (!inputs.missing().isEmpty())
        return giveBack(YearOutcome::MissingData);
    if (popiniziale_ <= 0)
        return giveBack(YearOutcome::PopulationNotPositive);
    if (natalita_ < 0 || natalita_ > highestRate)
        return giveBack(YearOutcome::BirthRateOutOfRange);
    if (mortalita_ < 0 || mortalita_ > highestRate)
        return giveBack(YearOutcome::DeathRateOutOfRange);
    if (!anno_)
        return giveBack(YearOutcome::StartYearOutOfRange);
    if (*anno_ == std::numeric_limits<qint16>::max())
        return giveBack(YearOutcome::LastYearReached);
    if (!initialFits_)
        return giveBack(YearOutcome::PopulationOutOfRange);

    const double births = natalita_ * popolazione_ / 1000;
    const double deaths = mortalita_ * popolazione_ / 1000;
    // The sum is rounded in double so that only the population the year ends with must fit.
    const std::optional<qint32> population = numbers::toInt32(numbers::roundHalfEven(popolazione_ + births) - deaths);
    if (!population)
        return giveBack(YearOutcome::GrowthOutOfRange);

    anno_ = qint16(*anno_ + 1);
    popolazione_ = *population;
    serie_[contatore_] = *population;

    lastYear_.year = *anno_;
    lastYear_.births = numbers::floorOf(births);
    lastYear_.deaths = numbers::floorOf(deaths);
    lastYear_.balance = lastYear_.births - lastYear_.deaths;
    lastYear_.population = *population;
    lastYear_.variation = *population - popiniziale_;
    lastYear_.birthRate = natalita_;
    lastYear_.deathRate = mortalita_;
    history_.append(lastYear_);
    return YearOutcome::Computed;
}

YearOutcome GrowthSimulation::giveBack(YearOutcome outcome)
{
    --contatore_;
    return outcome;
}

QList<qint32> GrowthSimulation::shownSeries() const
{
    const int count = std::min(contatore_, lastStoredIndex);
    return QList<qint32>(serie_.begin() + 1, serie_.begin() + 1 + count);
}

int GrowthSimulation::firstYear() const
{
    return anno_.value_or(0) - (std::min(contatore_, lastStoredIndex) - 1);
}

GraphScale GrowthSimulation::graphScale() const
{
    GraphScale scale;
    const double p = popiniziale_;
    const QList<qint32> values = shownSeries();
    if (p > 0) {
        const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
        const double anchor = 0.9 * p;
        scale.tickAnchor = anchor;
        // Intervals of 1, 2 and 5 times a twentieth of the population, then ten times
        // those, until at most twelve of them span every value.
        constexpr int mostIntervals = 12;
        for (int step = 0;; ++step) {
            static constexpr double multiples[] = {1, 2, 5};
            const double interval = 0.05 * p * multiples[step % 3] * std::pow(10.0, step / 3);
            scale.tickInterval = interval;
            scale.bottom = anchor;
            scale.top = 1.2 * p;
            // A value beyond the range takes the next tick line past it; never below 0.
            if (*lowest < scale.bottom)
                scale.bottom = std::max(0.0, anchor - (std::floor((anchor - *lowest) / interval) + 1) * interval);
            if (*highest > scale.top)
                scale.top = anchor + (std::floor((*highest - anchor) / interval) + 1) * interval;
            if ((scale.top - scale.bottom) / interval <= mostIntervals)
                break;
        }
    } else {
        // No initial population, no scale to take from it: a fixed one instead.
        scale.bottom = 0;
        scale.top = 100;
        scale.tickInterval = 20;
    }
    // Tiny populations have ticks less than one inhabitant apart: they need decimals.
    if (scale.tickInterval < 1)
        scale.decimals = 2;

    // At least ten years across, so the line grows from the left as the years go by.
    scale.firstYear = firstYear();
    scale.lastYear = std::max(scale.firstYear + 10, scale.firstYear + int(values.size()) - 1);
    const int span = scale.lastYear - scale.firstYear;
    scale.yearStep = span <= 10 ? 1 : span <= 20 ? 2 : span <= 50 ? 5 : 10;
    return scale;
}

} // namespace censaria
