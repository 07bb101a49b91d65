#pragma once

#include <QList>

// The uniform number that makes RandomGenerator::draw(first, count) give value.
inline double drawing(int value, int first, int count)
{
    return (value - first + 0.5) / count;
}

// Draws of one rates problem pair: populations in thousands, then the rates, in the
// order they are drawn; deathFirst1 and deathFirst2 are the lowest death rates of the moment.
inline QList<double> ratesDraws(int thousands1, int nat1, int mort1, int thousands2, int nat2, int mort2, int deathFirst1 = 8,
                                int deathFirst2 = 5)
{
    return {drawing(thousands1, 1, 10000), drawing(nat1, 5, 45), drawing(mort1, deathFirst1, 45),
            drawing(thousands2, 1, 10000), drawing(nat2, 5, 45), drawing(mort2, deathFirst2, 45)};
}

// Draws of one balances problem: population, category, then its four counts. Deaths
// are drawn among the other numbers of their range than the births, when these lie in it.
inline QList<double> balancesDraws(int population, int tipozona, int nati, int morti, int emigrati, int immigrati, const int (&firsts)[4],
                                   const int (&counts)[4])
{
    const bool birthsInDeathRange = nati >= firsts[1] && nati < firsts[1] + counts[1];
    const double deaths = birthsInDeathRange ? drawing(morti > nati ? morti - 1 : morti, firsts[1], counts[1] - 1)
                                             : drawing(morti, firsts[1], counts[1]);
    return {drawing(population, 80000, 20001),       drawing(tipozona, 1, 4),
            drawing(nati, firsts[0], counts[0]),     deaths,
            drawing(emigrati, firsts[2], counts[2]), drawing(immigrati, firsts[3], counts[3])};
}
