#include "projection.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>

namespace censaria::populations {
namespace {

// Rogers and Castro's model: a child component falling with age, a labour component
// peaking soon after 20, averaged over each year of the group.
AgeGroups rogersCastroSchedule()
{
    constexpr double childLevel = 0.01, childFall = 0.1;
    constexpr double labourLevel = 0.06, labourPeak = 17, labourFall = 0.08, labourRise = 0.3;
    AgeGroups schedule{};
    double sum = 0;
    for (int g = 0; g < ageGroupCount; ++g) {
        for (int year = 0; year < yearStep; ++year) {
            const double age = g * yearStep + year + 0.5;
            schedule[g] += childLevel * std::exp(-childFall * age)
                           + labourLevel * std::exp(-labourFall * (age - labourPeak) - std::exp(-labourRise * (age - labourPeak)));
        }
        sum += schedule[g];
    }
    for (double &share : schedule)
        share /= sum;
    return schedule;
}

QString persons(double value)
{
    return numbers::groupedText(qint64(std::llround(value)));
}

// One five-year step of one sex: survivors of the groups, aged five years.
AgeGroups survivors(const AgeGroups &start, const LifeTable &table)
{
    AgeGroups next{};
    for (int g = 0; g < ageGroupCount - 2; ++g)
        next[g + 1] = start[g] * table.survival(g);
    next[ageGroupCount - 1] = (start[ageGroupCount - 2] + start[ageGroupCount - 1]) * table.survival(ageGroupCount - 2);
    return next;
}

} // namespace

const AgeGroups &migrantSchedule()
{
    static const AgeGroups schedule = rogersCastroSchedule();
    return schedule;
}

MigrantRange migrantRange(const Country &country)
{
    const double people = country.pyramids[yearCount - 1 - projectionPeriods].total() * 1000;
    return {-std::round(people / 100 / 1000) * 1000, std::round(people / 50 / 1000) * 1000};
}

QString leverProblem(const Country &country, const Levers &levers)
{
    if (levers.childrenPerWoman) {
        const double children = *levers.childrenPerWoman;
        if (!std::isfinite(children) || children < fewestChildren || children > mostChildren)
            return QStringLiteral("I figli per donna devono essere tra %1 e %2.")
                .arg(numbers::toText(fewestChildren), numbers::toText(mostChildren));
    }
    if (!std::isfinite(levers.lifeExpectancyChange) || std::abs(levers.lifeExpectancyChange) > largestLifeExpectancyChange)
        return QStringLiteral("La speranza di vita si può cambiare al massimo di %1 anni in più o in meno rispetto a quella "
                              "prevista dall'ONU.")
            .arg(numbers::toText(largestLifeExpectancyChange));
    if (levers.netMigrantsPerYear) {
        const MigrantRange range = migrantRange(country);
        const double migrants = *levers.netMigrantsPerYear;
        if (!std::isfinite(migrants) || migrants < range.lowest || migrants > range.highest)
            return QStringLiteral("Per %1 il saldo migratorio deve stare tra %2 e %3 persone all'anno (da 1 abitante su 100 "
                                  "che parte a 2 su 100 che arrivano, ogni anno).")
                .arg(country.name, persons(range.lowest), persons(range.highest));
    }
    return {};
}

double lifeExpectancy(const Country &country, int period, Sex sex)
{
    const PeriodAssumptions &a = country.assumptions[period];
    return lifeTableOf(sex == Sex::Male ? a.maleDeathRates : a.femaleDeathRates, sex).lifeExpectancy();
}

Projection project(const Country &country, const Levers &levers)
{
    Projection result;
    result.problem = leverProblem(country, levers);
    if (!result.isValid())
        return result;
    const AgeGroups &schedule = migrantSchedule();
    Pyramid now = country.pyramids[yearCount - 1 - projectionPeriods];
    result.pyramids[0] = now;
    for (int p = 0; p < projectionPeriods; ++p) {
        const PeriodAssumptions &a = country.assumptions[p];
        DeathRates maleRates = a.maleDeathRates, femaleRates = a.femaleDeathRates;
        if (levers.lifeExpectancyChange != 0) {
            maleRates = withLifeExpectancy(maleRates, Sex::Male,
                                           lifeTableOf(maleRates, Sex::Male).lifeExpectancy() + levers.lifeExpectancyChange);
            femaleRates = withLifeExpectancy(femaleRates, Sex::Female,
                                             lifeTableOf(femaleRates, Sex::Female).lifeExpectancy() + levers.lifeExpectancyChange);
        }
        const LifeTable male = lifeTableOf(maleRates, Sex::Male), female = lifeTableOf(femaleRates, Sex::Female);
        const double migrants = levers.netMigrantsPerYear ? *levers.netMigrantsPerYear * yearStep / 1000 : a.netMigrants;

        // Half of the migrants come at the start, half at the end; half men, half women.
        Pyramid start = now;
        for (int g = 0; g < ageGroupCount; ++g) {
            start.males[g] += migrants / 4 * schedule[g];
            start.females[g] += migrants / 4 * schedule[g];
        }
        Pyramid next{survivors(start.males, male), survivors(start.females, female)};

        const double children = levers.childrenPerWoman.value_or(a.childrenPerWoman);
        double births = 0;
        for (int j = 0; j < motherAgeGroups; ++j) {
            const int g = firstMotherAgeGroup + j;
            const double yearlyRate = children * a.birthsShare[j] / 100 / yearStep;
            births += yearlyRate * yearStep * (start.females[g] + next.females[g]) / 2;
        }
        next.males[0] = births * a.boysPerGirl / (1 + a.boysPerGirl) * male.birthSurvival();
        next.females[0] = births / (1 + a.boysPerGirl) * female.birthSurvival();
        for (int g = 0; g < ageGroupCount; ++g) {
            next.males[g] += migrants / 4 * schedule[g];
            next.females[g] += migrants / 4 * schedule[g];
            if (next.males[g] < 0 || next.females[g] < 0) {
                result.problem = QStringLiteral("Con così tante partenze, nel %1 in %2 non resterebbe nessuno di %3: scegli un saldo "
                                                "migratorio meno negativo.")
                                     .arg(lastEstimateYear + (p + 1) * yearStep)
                                     .arg(country.name, g == ageGroupCount - 1 ? QStringLiteral("100 anni e più")
                                                                               : ageGroupLabel(g) + QStringLiteral(" anni"));
                return result;
            }
        }
        now = next;
        result.pyramids[p + 1] = now;
    }
    return result;
}

Pyramid Projection::at(double year) const
{
    const double position = std::clamp((year - lastEstimateYear) / yearStep, 0.0, double(projectionPeriods));
    const int before = std::min(int(position), projectionPeriods - 1);
    return between(pyramids[before], pyramids[before + 1], position - before);
}

} // namespace censaria::populations
