#include "ratesexercise.h"

#include "platform/numbers.h"
#include "platform/random.h"

#include <cmath>

namespace censaria {
namespace {

// A population of 1000 to 10 000 000, always a multiple of 1000.
int drawPopulation(RandomGenerator &random)
{
    return random.draw(1, 10000) * 1000;
}

int drawRate(RandomGenerator &random)
{
    return random.draw(5, 45);
}
int drawHighRate(RandomGenerator &random)
{
    return random.draw(8, 45);
}

// Exact, because the population is a multiple of 1000.
int perThousand(int population, int rate)
{
    return population / 1000 * rate;
}

} // namespace

void RatesExercise::generate(RandomGenerator &random, Moment moment)
{
    const bool atLoad = moment == Moment::Load;
    lastCorrected_.reset();
    revealed_ = {};
    popiniziale1 = drawPopulation(random);
    tassonat1 = drawRate(random);
    tassomort1 = atLoad ? drawHighRate(random) : drawRate(random);
    nati1 = perThousand(popiniziale1, tassonat1);
    morti1 = perThousand(popiniziale1, tassomort1);
    saldo1 = nati1 - morti1;
    popfinale1 = popiniziale1 + nati1 - morti1;

    popiniziale2 = drawPopulation(random);
    tassonat2 = drawRate(random);
    nati2 = perThousand(popiniziale2, tassonat2);
    tassomort2 = atLoad ? drawRate(random) : drawHighRate(random);
    morti2 = perThousand(popiniziale2, tassomort2);
    saldo2 = nati2 - morti2;
    popfinale2 = popiniziale2 + nati2 - morti2;
}

RatesExercise::Completeness RatesExercise::completeness(const Answers &answers)
{
    for (int i : {PopFinale1, Nati1, Morti1, Saldo1})
        if (answers[i].isEmpty())
            return Completeness::FirstIncomplete;
    for (int i : {PopFinale2, TassoNat2, TassoMort2, Saldo2})
        if (answers[i].isEmpty())
            return Completeness::SecondIncomplete;
    return Completeness::Complete;
}

int RatesExercise::expected(Answer answer) const
{
    switch (answer) {
    case PopFinale1: return popfinale1;
    case Nati1: return nati1;
    case Morti1: return morti1;
    case Saldo1: return saldo1;
    case PopFinale2: return popfinale2;
    case TassoNat2: return tassonat2;
    case TassoMort2: return tassomort2;
    case Saldo2: return saldo2;
    case answerCount: break;
    }
    return 0;
}

RatesExercise::Correction RatesExercise::correct(const Answers &answers)
{
    std::array<double, answerCount> values{};
    for (int i = 0; i < answerCount; ++i)
        values[i] = numbers::readLeading(answers[i]);
    if (lastCorrected_ && lastCorrected_->values == values) {
        Correction again = lastCorrected_->correction;
        again.counted = false;
        return again;
    }
    Correction correction;
    for (int i = 0; i < answerCount; ++i) {
        const double target = expected(Answer(i));
        correction.wrong[i] = revealed_[i] || !(target - 1 <= values[i] && values[i] <= target + 1);
        if (!correction.wrong[i])
            ++correction.giusti;
    }
    correction.sbagliati = answerCount - correction.giusti;
    totgiusti += correction.giusti;
    totsbagliati += correction.sbagliati;
    lastCorrected_ = Corrected{values, correction};
    return correction;
}

QString RatesExercise::formula(Answer answer)
{
    switch (answer) {
    case Nati1: return QStringLiteral("Numero di nati = popolazione iniziale / 1000 x tasso di natalità");
    case Morti1: return QStringLiteral("Numero di morti = popolazione iniziale / 1000 x tasso di mortalità");
    case Saldo1:
    case Saldo2: return QStringLiteral("Saldo naturale = numero di nati - numero di morti");
    case PopFinale1:
    case PopFinale2: return QStringLiteral("Popolazione finale = popolazione iniziale + saldo naturale");
    case TassoNat2: return QStringLiteral("Tasso di natalità = numero di nati x 1000 / popolazione iniziale");
    case TassoMort2: return QStringLiteral("Tasso di mortalità = numero di morti x 1000 / popolazione iniziale");
    case answerCount: break;
    }
    return QString();
}

QString RatesExercise::solution(Answer answer) const
{
    const auto n = [](qint64 value) { return value < 0 ? QStringLiteral("(%1)").arg(value) : QString::number(value); };
    QString numbers;
    switch (answer) {
    case Nati1: numbers = QStringLiteral("%1 / 1000 x %2").arg(n(popiniziale1), n(tassonat1)); break;
    case Morti1: numbers = QStringLiteral("%1 / 1000 x %2").arg(n(popiniziale1), n(tassomort1)); break;
    case Saldo1: numbers = QStringLiteral("%1 - %2").arg(n(nati1), n(morti1)); break;
    case PopFinale1: numbers = QStringLiteral("%1 + %2").arg(n(popiniziale1), n(saldo1)); break;
    case Saldo2: numbers = QStringLiteral("%1 - %2").arg(n(nati2), n(morti2)); break;
    case PopFinale2: numbers = QStringLiteral("%1 + %2").arg(n(popiniziale2), n(saldo2)); break;
    case TassoNat2: numbers = QStringLiteral("%1 x 1000 / %2").arg(n(nati2), n(popiniziale2)); break;
    case TassoMort2: numbers = QStringLiteral("%1 x 1000 / %2").arg(n(morti2), n(popiniziale2)); break;
    case answerCount: break;
    }
    return QStringLiteral("%1\n= %2 = %3").arg(formula(answer), numbers).arg(expected(answer));
}

int RatesExercise::percentRight() const
{
    const qint64 all = qint64(totgiusti) + totsbagliati;
    return all == 0 ? 0 : int(qint64(totgiusti) * 100 / all);
}

} // namespace censaria
