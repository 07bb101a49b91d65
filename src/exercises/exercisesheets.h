#pragma once

#include "balancesexercise.h"
#include "platform/worksheet.h"
#include "ratesexercise.h"

#include <QList>

namespace censaria {

class Clock;
class RandomGenerator;

// Problems on paper for the class, drawn as the exercise screens draw them (the same
// ranges, the generator seeded from the clock), with their solutions, formula and
// numbers, on a page of their own.
class RatesSheet : public Worksheet
{
public:
    RatesSheet(RandomGenerator &random, const Clock &clock, int count);
    const QList<RatesExercise> &problems() const { return problems_; }

private:
    QList<RatesExercise> problems_;
};

class BalancesSheet : public Worksheet
{
public:
    BalancesSheet(RandomGenerator &random, const Clock &clock, int count);
    const QList<BalancesExercise> &problems() const { return problems_; }

private:
    QList<BalancesExercise> problems_;
};

// How many problems a sheet may hold, as the teacher chooses them.
inline const QList<int> sheetSizes = {4, 6, 10};

} // namespace censaria
