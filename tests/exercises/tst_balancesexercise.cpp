#include "draws.h"
#include "exercises/balancesexercise.h"
#include "platform/random.h"

#include <QTest>

#include <array>

using censaria::BalancesExercise;
using censaria::RandomGenerator;
using censaria::ScriptedRandom;

namespace {

constexpr int richFirsts[4] = {800, 800, 100, 800};
constexpr int richCounts[4] = {201, 201, 201, 201};

BalancesExercise richRegion(int population, int nati, int morti, int emigrati, int immigrati)
{
    ScriptedRandom random;
    random.queue(balancesDraws(population, 1, nati, morti, emigrati, immigrati, richFirsts, richCounts));
    BalancesExercise e;
    e.generate(random);
    return e;
}

// Every answer right for the problem.
BalancesExercise::Answers rightAnswers(const BalancesExercise &e)
{
    BalancesExercise::Answers a;
    a.pop = QString::number(e.popfine);
    a.saldoNaturale = QString::number(e.saldonat);
    a.saldoMigratorio = QString::number(e.saldomig);
    a.segnoNat[e.segnonat == QStringLiteral("positivo") ? 0 : 1] = true;
    a.segnoMig[e.segnomig == QStringLiteral("positivo") ? 0 : 1] = true;
    const BalancesExercise::Category &c = BalancesExercise::category(e.tipozona);
    a.option = c.option;
    a.facts = c.facts;
    return a;
}

void compareCounters(const BalancesExercise &e, int calcGiusti, int calcSB, int compGiusti, int compSB)
{
    const auto &c = e.counters();
    QCOMPARE((QList<int>{c.calcGiusti, c.calcSB, c.compGiusti, c.compSB}), (QList<int>{calcGiusti, calcSB, compGiusti, compSB}));
}

} // namespace

class TestBalancesExercise : public QObject
{
    Q_OBJECT

private slots:
    void categoriesDrawFromTheirRanges_data()
    {
        QTest::addColumn<int>("tipozona");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("lowest");
        QTest::addColumn<QList<int>>("highest");
        // The deaths of a rich region skip the number of its births: 800 births, 801 deaths at the least.
        QTest::newRow("rr") << 1 << "rr" << QList<int>{800, 801, 100, 800} << QList<int>{1000, 999, 300, 1000};
        QTest::newRow("rp") << 2 << "rp" << QList<int>{800, 801, 600, 500} << QList<int>{1000, 999, 800, 590};
        QTest::newRow("pp") << 3 << "pp" << QList<int>{1800, 1200, 500, 100} << QList<int>{2000, 1500, 1000, 200};
        QTest::newRow("pr") << 4 << "pr" << QList<int>{1800, 1200, 500, 810} << QList<int>{2000, 1500, 800, 1500};
    }
    void categoriesDrawFromTheirRanges()
    {
        QFETCH(int, tipozona);
        QFETCH(QString, code);
        QFETCH(QList<int>, lowest);
        QFETCH(QList<int>, highest);
        for (const auto &[r, expected, population] : {std::tuple{0.0, lowest, 80000}, std::tuple{0.9999999, highest, 100000}}) {
            ScriptedRandom random;
            random.queue({r, (tipozona - 0.5) / 4, r, r, r, r});
            BalancesExercise e;
            e.generate(random);
            QCOMPARE(e.popinizio, population);
            QCOMPARE(e.tipozona, tipozona);
            QCOMPARE(e.codicezona, code);
            QCOMPARE((QList<int>{e.nati, e.morti, e.emigrati, e.immigrati}), expected);
            QCOMPARE(e.popfine, e.popinizio + e.nati - e.morti + e.immigrati - e.emigrati);
        }
    }

    void ratesToOneDecimalHalfToEven()
    {
        const BalancesExercise e = richRegion(80000, 836, 900, 200, 900);
        QCOMPARE(e.tassoNatText(), QStringLiteral("10,4"));  // 10,45 exactly
        QCOMPARE(e.tassoMortText(), QStringLiteral("11,2")); // 11,25 exactly
        QCOMPARE(richRegion(80000, 840, 800, 200, 900).tassoNatText(), QStringLiteral("10,5"));
        QCOMPARE(richRegion(80000, 840, 800, 200, 900).tassoMortText(), QStringLiteral("10"));
        QCOMPARE(richRegion(91234, 901, 800, 200, 900).tassoNatText(), QStringLiteral("9,9")); // 9,8757...
    }

    // Whatever is drawn, the key of its kind holds for the numbers shown: the signs
    // asked for are those of the balances, never of a balance of 0, and the facts keyed
    // true describe them (a natural balance "appena positivo o addirittura negativo" is
    // within 200 either way, "fortemente positivo" is 300 or more; rich rates stay below
    // 13 per thousand, poor birth rates above 17).
    void everyDrawAgreesWithTheKeyOfItsKind()
    {
        RandomGenerator random;
        random.reseed(20270101);
        std::array<int, 5> kinds{};
        for (int i = 0; i < 10000; ++i) {
            BalancesExercise e;
            e.generate(random);
            ++kinds[e.tipozona];
            const QString context = QStringLiteral("%1: %2 nati, %3 morti, %4 emigrati, %5 immigrati su %6")
                                        .arg(e.codicezona)
                                        .arg(e.nati)
                                        .arg(e.morti)
                                        .arg(e.emigrati)
                                        .arg(e.immigrati)
                                        .arg(e.popinizio);
            QVERIFY2(e.saldonat != 0 && e.saldomig != 0, qPrintable(context));
            QCOMPARE(e.segnonat, e.saldonat > 0 ? QStringLiteral("positivo") : QStringLiteral("negativo"));
            QCOMPARE(e.segnomig, e.saldomig > 0 ? QStringLiteral("positivo") : QStringLiteral("negativo"));

            const auto &facts = BalancesExercise::category(e.tipozona).facts;
            const double natalita = 1000.0 * e.nati / e.popinizio;
            const double mortalita = 1000.0 * e.morti / e.popinizio;
            const bool justPositiveOrNegative = e.saldonat <= 200;
            const bool stronglyPositive = e.saldonat >= 300;
            const bool lowRates = natalita < 13 && mortalita < 13;
            const bool highRates = natalita > 17;
            const std::array<bool, BalancesExercise::factCount> observed{justPositiveOrNegative, stronglyPositive, e.saldomig > 0,
                                                                         e.saldomig < 0,         lowRates,         highRates};
            QVERIFY2(observed == facts, qPrintable(context));
        }
        for (int kind = 1; kind <= 4; ++kind)
            QVERIFY2(kinds[kind] > 2000, qPrintable(QString::number(kinds[kind]))); // every kind was drawn often
    }

    // The region in crisis once drew up to 700 immigrants against 600 emigrants: a
    // positive migration balance keyed "negativo". Its closest draw now still loses people.
    void theClosestDrawsKeepTheirSigns()
    {
        ScriptedRandom random;
        random.queue(balancesDraws(90000, 2, 900, 901, 600, 590, {800, 800, 600, 500}, {201, 201, 201, 91}));
        BalancesExercise crisis;
        crisis.generate(random);
        QCOMPARE((QList<int>{crisis.saldonat, crisis.saldomig}), (QList<int>{-1, -10}));
        QCOMPARE(crisis.segnomig, QStringLiteral("negativo"));

        random.queue(balancesDraws(90000, 4, 1800, 1500, 800, 810, {1800, 1200, 500, 810}, {201, 301, 301, 691}));
        BalancesExercise developing;
        developing.generate(random);
        QCOMPARE((QList<int>{developing.saldonat, developing.saldomig}), (QList<int>{300, 10}));
        QCOMPARE(developing.segnonat, QStringLiteral("positivo"));
        QCOMPARE(developing.segnomig, QStringLiteral("positivo"));

        // Births and deaths of a rich region are never equal: the draw that would give
        // the births' number gives the next one.
        random.queue(balancesDraws(90000, 1, 900, 901, 300, 800, richFirsts, richCounts));
        BalancesExercise rich;
        rich.generate(random);
        QCOMPARE(rich.saldonat, -1);
        QCOMPARE(rich.segnonat, QStringLiteral("negativo"));
    }

    // Each kind of wrong answer counts once, on its own counter, and marks its own box.
    void wrongAnswersAreMarkedAndCounted()
    {
        const BalancesExercise problem = richRegion(90000, 950, 900, 300, 800);
        BalancesExercise e = problem;
        BalancesExercise::Answers a = rightAnswers(e);
        a.pop = QString::number(e.popfine + 1);   // numbers must be exact
        a.saldoNaturale = QStringLiteral(" 5 0"); // blanks are ignored
        a.saldoMigratorio = QStringLiteral("500,0");
        e.check(a);
        QVERIFY(e.marks().pop && !e.marks().saldoNaturale && !e.marks().saldoMigratorio);
        compareCounters(e, 4, 1, 7, 0);

        e = problem;
        a = rightAnswers(e);
        a.segnoNat = {true, true}; // both signs ticked
        e.check(a);
        compareCounters(e, 5, 1, 7, 0);
        QCOMPARE(e.marks().segnoNat, (std::array<bool, 2>{false, true}));
        QCOMPARE(e.marks().segnoMig, (std::array<bool, 2>{false, false}));

        e = problem;
        a = rightAnswers(e);
        a.facts[4] = false; // only two of the three facts: five boxes right, one wrong
        e.check(a);
        compareCounters(e, 5, 0, 6, 1);
        QVERIFY(e.marks().facts[4]);
        e = problem;
        a.facts.fill(true);
        e.check(a);
        compareCounters(e, 5, 0, 4, 3);

        e = problem;
        a = rightAnswers(e);
        a.option = 3; // the wrong category marks the right one
        e.check(a);
        QCOMPARE(e.marks().options, (std::array<bool, 4>{true, false, false, false}));
        compareCounters(e, 5, 0, 6, 1);
    }

    // Pressing the check button again must not turn one right answer into several.
    void aCheckWithNothingChangedCountsNothing()
    {
        BalancesExercise e = richRegion(90000, 950, 900, 300, 800);
        BalancesExercise::Answers a = rightAnswers(e);
        a.pop = QStringLiteral("1");
        QVERIFY(e.check(a));
        compareCounters(e, 4, 1, 7, 0);
        for (int press = 0; press < 10; ++press)
            QVERIFY(!e.check(a));
        compareCounters(e, 4, 1, 7, 0);
        QVERIFY(e.marks().pop);
        // The same number written otherwise is the same answer.
        a.pop = QStringLiteral(" 1 ");
        QVERIFY(!e.check(a));
        compareCounters(e, 4, 1, 7, 0);

        // Any change is a new answer: judged and counted again, the red kept.
        a.facts[5] = true;
        QVERIFY(e.check(a));
        compareCounters(e, 8, 2, 13, 1);
        a.facts[5] = false; // back as it was at the first check: still a change since the last
        QVERIFY(e.check(a));
        compareCounters(e, 12, 3, 19, 2); // the fact once red counts wrong again

        // A new problem clears the red and keeps the totals; the same answers are answers to it.
        ScriptedRandom random;
        random.queue(balancesDraws(90000, 1, 950, 900, 300, 800, richFirsts, richCounts));
        e.generate(random);
        QVERIFY(!e.marks().pop);
        QVERIFY(!e.marks().facts[5]);
        compareCounters(e, 12, 3, 19, 2);
        QVERIFY(e.check(a));
        compareCounters(e, 16, 4, 26, 2);
        QCOMPARE(e.saldiPercent(), 80);
        QCOMPARE(e.comprensionePercent(), 92); // 2600 / 28 = 92.9
    }

    void completeness()
    {
        BalancesExercise e = richRegion(90000, 950, 900, 300, 800);
        BalancesExercise::Answers a = rightAnswers(e);
        a.facts.fill(false); // the facts are not tested
        QVERIFY(BalancesExercise::isComplete(a));
        a.pop = QStringLiteral(" ");
        QVERIFY(BalancesExercise::isComplete(a));
        BalancesExercise::Answers noOption = a;
        noOption.option = -1;
        QVERIFY(!BalancesExercise::isComplete(noOption));
        BalancesExercise::Answers noSign = a;
        noSign.segnoMig = {false, false};
        QVERIFY(!BalancesExercise::isComplete(noSign));
        BalancesExercise::Answers empty = a;
        empty.saldoMigratorio.clear();
        QVERIFY(!BalancesExercise::isComplete(empty));
    }
};

QTEST_GUILESS_MAIN(TestBalancesExercise)
#include "tst_balancesexercise.moc"
