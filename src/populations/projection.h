#pragma once

#include "lifetable.h"
#include "worlddata.h"

#include <optional>

// A cohort-component projection from a country's 2020 pyramid, by sex and five-year
// group: each group survives into the next by the death rates of the period, the
// women of 15-49 have the period's births, split into boys and girls, and the net
// migrants join or leave spread over the ages by a model schedule, half at the start of
// the period and half at its end. Fed with the UN's own assumptions it follows the
// medium variant; the levers change them.
namespace censaria::populations {

struct Levers
{
    // Children per woman in every period from 2020, instead of the UN's.
    std::optional<double> childrenPerWoman;
    // Years of life expectancy at birth added to the UN's in every period (negative: taken).
    double lifeExpectancyChange = 0;
    // Net migrants in every year from 2020 (persons; negative when more leave), instead of the UN's.
    std::optional<double> netMigrantsPerYear;

    bool isUnAssumption() const { return !childrenPerWoman && lifeExpectancyChange == 0 && !netMigrantsPerYear; }
};

inline constexpr double fewestChildren = 0.8;
inline constexpr double mostChildren = 7;
inline constexpr double largestLifeExpectancyChange = 10;

// The net migrants a year a country can be given: from 1 % of its 2020 population
// leaving to 2 % arriving every year.
struct MigrantRange
{
    double lowest = 0, highest = 0; // persons a year
};
MigrantRange migrantRange(const Country &country);

// Why the levers cannot be used for the country, in words for a pupil; empty when they can.
QString leverProblem(const Country &country, const Levers &levers);

struct Projection
{
    // Why there is no projection; empty when there is one.
    QString problem;
    // 2020, 2025 ... 2100.
    std::array<Pyramid, projectionPeriods + 1> pyramids{};

    bool isValid() const { return problem.isEmpty(); }
    // The pyramid of a year from 2020 to 2100, between the five-year steps on a straight line.
    Pyramid at(double year) const;
};

Projection project(const Country &country, const Levers &levers = {});

// The share of a period's net migrants of each age group and sex (half of each group
// male, half female): the model schedule of Rogers and Castro, with its peak in the early twenties.
const AgeGroups &migrantSchedule();

// The UN's life expectancy at birth in a period (0 is 2020-2025), from its death rates.
double lifeExpectancy(const Country &country, int period, Sex sex);

} // namespace censaria::populations
