#pragma once

#include "worlddata.h"

// The life table of one set of death rates, with one person at birth.
namespace censaria::populations {

enum class Sex { Male, Female };

struct LifeTable
{
    // Years lived in each of the age groups 0-4 ... 95-99, and from 100 on.
    std::array<double, ageGroupCount - 1> yearsLived{};
    double yearsLivedFrom100 = 0;

    double lifeExpectancy() const;
    // The share of a five-year group alive in five years' time, in the next group; the
    // last two groups (95-99 and 100+) go together into 100+.
    double survival(int group) const;
    // The share of the children born in five years who are alive, aged 0-4, at the end.
    double birthSurvival() const { return yearsLived[0] / yearStep; }
};

LifeTable lifeTableOf(const DeathRates &rates, Sex sex);

// The same rates, all multiplied by the one factor that gives the life expectancy wanted.
DeathRates withLifeExpectancy(const DeathRates &rates, Sex sex, double lifeExpectancy);

} // namespace censaria::populations
