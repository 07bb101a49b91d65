#include "lifetable.h"

#include <cmath>
#include <numeric>

namespace censaria::populations {
namespace {

// Years lived in an interval of n years by those alive at its start, with the death
// rate constant across it; the share alive at its end goes to alive.
double yearsThrough(double n, double rate, double &alive)
{
    const double surviving = std::exp(-n * rate);
    const double years = rate > 0 ? alive * (1 - surviving) / rate : alive * n;
    alive *= surviving;
    return years;
}

} // namespace

LifeTable lifeTableOf(const DeathRates &rates, Sex sex)
{
    LifeTable t;
    // The first year: most deaths come in its first weeks (Coale and Demeny's rule).
    const double m0 = rates[0];
    const double a0 = sex == Sex::Male ? (m0 < 0.107 ? 0.045 + 2.684 * m0 : 0.330) : (m0 < 0.107 ? 0.053 + 2.800 * m0 : 0.350);
    const double q0 = m0 / (1 + (1 - a0) * m0);
    double alive = 1 - q0;
    t.yearsLived[0] = alive + a0 * q0 + yearsThrough(4, rates[1], alive);
    for (int g = 1; g < ageGroupCount - 1; ++g)
        t.yearsLived[g] = yearsThrough(yearStep, rates[g + 1], alive);
    const double last = rates[deathRateAges - 1];
    t.yearsLivedFrom100 = last > 0 ? alive / last : 0;
    return t;
}

double LifeTable::lifeExpectancy() const
{
    return std::accumulate(yearsLived.begin(), yearsLived.end(), 0.0) + yearsLivedFrom100;
}

double LifeTable::survival(int group) const
{
    if (group < ageGroupCount - 2)
        return yearsLived[group] > 0 ? yearsLived[group + 1] / yearsLived[group] : 0;
    const double from95 = yearsLived[ageGroupCount - 2] + yearsLivedFrom100;
    return from95 > 0 ? yearsLivedFrom100 / from95 : 0;
}

DeathRates withLifeExpectancy(const DeathRates &rates, Sex sex, double lifeExpectancy)
{
    const auto scaled = [&rates](double logFactor) {
        DeathRates r = rates;
        const double factor = std::exp(logFactor);
        for (double &rate : r)
            rate *= factor;
        return r;
    };
    // Life expectancy falls as the factor grows: halve the interval of its logarithm.
    double low = -12, high = 12;
    for (int i = 0; i < 48; ++i) {
        const double middle = (low + high) / 2;
        (lifeTableOf(scaled(middle), sex).lifeExpectancy() > lifeExpectancy ? low : high) = middle;
    }
    return scaled((low + high) / 2);
}

} // namespace censaria::populations
