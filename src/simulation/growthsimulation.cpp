#include "growthsimulation.h"

#include "platform/numbers.h"

#include <algorithm>
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

YearOutcome GrowthSimulation::computeYear(const SimulationInputs &inputs)
{
    mortalita_ = numbers::readLeading(inputs.deathRate);
    natalita_ = numbers::readLeading(inputs.birthRate);

    if (isFull())
        return YearOutcome::HundredthYear; // never beyond the last index of the series
    ++contatore_;
    if (isFull())
        return YearOutcome::HundredthYear;

    if (isMissing(inputs.deathRate) || isMissing(inputs.birthRate) || isMissing(inputs.initialPopulation)
        || isMissing(inputs.startYear))
        return giveBack(YearOutcome::MissingData);
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
    if (p > 0) {
        scale = {0.9 * p, 1.2 * p, 7, 0};
    } else if (p < 0) {
        scale = {1.2 * p, 0.9 * p, 7, 0};
    } else {
        // No initial population, no scale to take from it: a fixed one instead.
        scale = {0, 100, 6, 0};
    }
    // Seven ticks are six steps of a twentieth of the population: tiny ones need decimals.
    if ((scale.top - scale.bottom) / (scale.tickCount - 1) < 1)
        scale.decimals = 2;

    // At least ten years across, so the line grows from the left as the years go by.
    scale.firstYear = firstYear();
    scale.lastYear = std::max(scale.firstYear + 10, scale.firstYear + int(shownSeries().size()) - 1);
    const int span = scale.lastYear - scale.firstYear;
    scale.yearStep = span <= 10 ? 1 : span <= 20 ? 2 : span <= 50 ? 5 : 10;
    return scale;
}

} // namespace censaria
