#include "balancesexercise.h"

#include "platform/numbers.h"
#include "platform/random.h"

#include <QStringList>

namespace censaria {
namespace {

const QString positivo = QStringLiteral("positivo");
const QString negativo = QStringLiteral("negativo");

QString signOf(int balance)
{
    return balance > 0 ? positivo : negativo;
}

int draw(RandomGenerator &random, BalancesExercise::Range range)
{
    return random.draw(range.first, range.last - range.first + 1);
}

// A number of the range other than one value, each equally likely: a natural balance
// of exactly 0 would be neither of the two signs the pupil can tick.
int drawOtherThan(RandomGenerator &random, BalancesExercise::Range range, int excluded)
{
    if (excluded < range.first || excluded > range.last)
        return draw(random, range);
    const int value = random.draw(range.first, range.last - range.first);
    return value >= excluded ? value + 1 : value;
}

QString perThousandText(int count, int population)
{
    // Tenths of the rate in one division: 1000 / population * count * 10 can land just past
    // an exact half (10,45 as 104.50000000000001) and round the wrong way.
    const double tenths = 10000.0 * count / population;
    return numbers::toText(numbers::roundHalfEven(tenths) / 10);
}

int percent(int right, int wrong)
{
    const qint64 all = qint64(right) + wrong;
    return all == 0 ? 0 : int(qint64(right) * 100 / all);
}

} // namespace

const BalancesExercise::Category &BalancesExercise::category(int tipozona)
{
    // The ranges keep every draw true to the facts of its kind: births and deaths of a
    // rich region close together (a balance from -200 to +200, never 0), at least 300 more
    // births than deaths in a poor one, and a migration balance of 10 or more of the
    // expected sign (the region in crisis draws fewer immigrants than it loses emigrants).
    static const Category categories[] = {
        {QStringLiteral("rr"), {800, 1000}, {800, 1000}, {100, 300}, {800, 1000}, 0, {true, false, true, false, true, false}},
        {QStringLiteral("rp"), {800, 1000}, {800, 1000}, {600, 800}, {500, 590}, 1, {true, false, false, true, true, false}},
        {QStringLiteral("pp"), {1800, 2000}, {1200, 1500}, {500, 1000}, {100, 200}, 3, {false, true, false, true, false, true}},
        {QStringLiteral("pr"), {1800, 2000}, {1200, 1500}, {500, 800}, {810, 1500}, 2, {false, true, true, false, false, true}}};
    return categories[qBound(1, tipozona, 4) - 1];
}

void BalancesExercise::generate(RandomGenerator &random)
{
    marks_ = {};
    lastChecked_.reset();
    revealed_ = {};
    popinizio = random.draw(80000, 20001);
    tipozona = random.draw(1, 4);
    const Category &c = category(tipozona);
    codicezona = c.codicezona;
    nati = draw(random, c.nati);
    morti = drawOtherThan(random, c.morti, nati);
    emigrati = draw(random, c.emigrati);
    immigrati = draw(random, c.immigrati);
    popfine = popinizio + nati - morti + immigrati - emigrati;
    saldonat = nati - morti;
    segnonat = signOf(saldonat);
    saldomig = immigrati - emigrati;
    segnomig = signOf(saldomig);
}

bool BalancesExercise::isComplete(const Answers &answers)
{
    return missing(answers).isEmpty();
}

QList<BalancesExercise::Missing> BalancesExercise::missing(const Answers &answers)
{
    QList<Missing> found;
    if (answers.saldoNaturale.isEmpty())
        found << Missing::SaldoNaturale;
    if (!answers.segnoNat[0] && !answers.segnoNat[1])
        found << Missing::SegnoNat;
    if (answers.saldoMigratorio.isEmpty())
        found << Missing::SaldoMigratorio;
    if (!answers.segnoMig[0] && !answers.segnoMig[1])
        found << Missing::SegnoMig;
    if (answers.pop.isEmpty())
        found << Missing::Pop;
    if (answers.option < 0 || answers.option >= optionCount)
        found << Missing::Option;
    return found;
}

bool BalancesExercise::sameAnswers(const Answers &a, const Answers &b)
{
    const auto sameNumber = [](const QString &x, const QString &y) { return numbers::readLeading(x) == numbers::readLeading(y); };
    return sameNumber(a.pop, b.pop) && sameNumber(a.saldoNaturale, b.saldoNaturale) && sameNumber(a.saldoMigratorio, b.saldoMigratorio)
           && a.segnoNat == b.segnoNat && a.segnoMig == b.segnoMig && a.option == b.option && a.facts == b.facts;
}

bool BalancesExercise::check(const Answers &answers)
{
    if (lastChecked_ && sameAnswers(*lastChecked_, answers))
        return false;
    lastChecked_ = answers;
    judgeNumber(answers.pop, Pop, marks_.pop);
    judgeNumber(answers.saldoNaturale, SaldoNaturale, marks_.saldoNaturale);
    judgeNumber(answers.saldoMigratorio, SaldoMigratorio, marks_.saldoMigratorio);
    judgeSign(answers.segnoNat, segnonat, marks_.segnoNat);
    judgeSign(answers.segnoMig, segnomig, marks_.segnoMig);

    const Category &c = category(tipozona);
    for (int i = 0; i < factCount; ++i)
        if (answers.facts[i] != c.facts[i])
            marks_.facts[i] = true;
    // A fact once red stays wrong until the next problem, even when put right.
    for (bool red : marks_.facts)
        ++(red ? counters_.compSB : counters_.compGiusti);

    if (answers.option == c.option) {
        ++counters_.compGiusti;
    } else {
        marks_.options[c.option] = true;
        ++counters_.compSB;
    }
    return true;
}

void BalancesExercise::judgeNumber(const QString &answer, NumberAnswer which, bool &mark)
{
    if (!revealed_[which] && numbers::readLeading(answer) == expected(which)) {
        ++counters_.calcGiusti;
    } else {
        ++counters_.calcSB;
        mark = true;
    }
}

void BalancesExercise::judgeSign(const std::array<bool, 2> &ticks, const QString &expected, std::array<bool, 2> &marks)
{
    const int right = expected == positivo ? 0 : 1;
    const int wrong = 1 - right;
    if (ticks[right])
        ++counters_.calcGiusti;
    if (ticks[wrong]) {
        ++counters_.calcSB;
        marks[wrong] = true;
    }
}

QString BalancesExercise::optionCaption(int option)
{
    static const QStringList captions = {QStringLiteral("una regione ricca, in un paese ricco"),
                                         QStringLiteral("una regione in crisi, in un paese ricco"),
                                         QStringLiteral("una regione in sviluppo, in un paese povero"),
                                         QStringLiteral("una regione povera, in un paese povero")};
    return captions.value(option);
}

QString BalancesExercise::factCaption(int fact)
{
    static const QStringList captions = {QStringLiteral("Il saldo naturale è appena positivo o addirittura negativo"),
                                         QStringLiteral("il saldo naturale è fortemente positivo "),
                                         QStringLiteral("il saldo migratorio è positivo"),
                                         QStringLiteral("il saldo migratorio è negativo"),
                                         QStringLiteral("i tassi di natalità e mortalità sono bassi"),
                                         QStringLiteral("i tassi di natalità e mortalità sono alti")};
    return captions.value(fact);
}

QString BalancesExercise::formula(NumberAnswer answer)
{
    switch (answer) {
    case Pop: return QStringLiteral("POPOLAZIONE alla FINE dell'anno = popolazione iniziale - morti - emigrati + nati + immigrati");
    case SaldoNaturale: return QStringLiteral("SALDO NATURALE della popolazione = Nati - Morti");
    case SaldoMigratorio: return QStringLiteral("SALDO MIGRATORIO = immigrati - emigrati");
    case numberCount: break;
    }
    return QString();
}

int BalancesExercise::expected(NumberAnswer answer) const
{
    switch (answer) {
    case Pop: return popfine;
    case SaldoNaturale: return saldonat;
    case SaldoMigratorio: return saldomig;
    case numberCount: break;
    }
    return 0;
}

QString BalancesExercise::solution(NumberAnswer answer) const
{
    QString numbers;
    switch (answer) {
    case Pop: numbers = QStringLiteral("%1 - %2 - %3 + %4 + %5").arg(popinizio).arg(morti).arg(emigrati).arg(nati).arg(immigrati); break;
    case SaldoNaturale: numbers = QStringLiteral("%1 - %2").arg(nati).arg(morti); break;
    case SaldoMigratorio: numbers = QStringLiteral("%1 - %2").arg(immigrati).arg(emigrati); break;
    case numberCount: break;
    }
    return QStringLiteral("%1\n= %2 = %3").arg(formula(answer), numbers).arg(expected(answer));
}

QString BalancesExercise::tassoNatText() const
{
    return perThousandText(nati, popinizio);
}
QString BalancesExercise::tassoMortText() const
{
    return perThousandText(morti, popinizio);
}

int BalancesExercise::saldiPercent() const
{
    return percent(counters_.calcGiusti, counters_.calcSB);
}
int BalancesExercise::comprensionePercent() const
{
    return percent(counters_.compGiusti, counters_.compSB);
}

} // namespace censaria
