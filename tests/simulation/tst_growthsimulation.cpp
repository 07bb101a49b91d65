#include "processlocale.h"
#include "simulation/growthsimulation.h"

#include <QTest>
#include <cmath>

using namespace censaria;

Q_DECLARE_METATYPE(censaria::YearOutcome)

class TestGrowthSimulation : public QObject
{
    Q_OBJECT

    static GrowthSimulation started(const QString &year, const QString &population)
    {
        GrowthSimulation s;
        s.setStartYearText(year);
        s.setInitialPopulationText(population);
        return s;
    }
    static SimulationInputs inputs(const QString &year, const QString &population, const QString &births, const QString &deaths)
    {
        return {year, population, births, deaths};
    }

private slots:
    void italy2000FirstYear_data()
    {
        QTest::addColumn<QByteArray>("locale");
        for (const QByteArray &locale : test::processLocales())
            QTest::newRow(locale.constData()) << locale;
    }
    void italy2000FirstYear()
    {
        QFETCH(QByteArray, locale);
        test::ProcessLocale process;
        QVERIFY2(process.use(locale), "locale not available: " + locale);
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("57600000"));
        QCOMPARE(s.computeYear(inputs("2000", "57600000", "9.4", "9.7")), YearOutcome::Computed);
        const ComputedYear &y = s.lastYear();
        QCOMPARE(y.year, qint16(2001));
        QCOMPARE((QList<double>{y.births, y.deaths, y.balance, double(y.population), y.variation}),
                 (QList<double>{541440, 558720, -17280, 57582720, -17280}));
        QCOMPARE(s.contatore(), 2);
        QCOMPARE(s.shownSeries(), (QList<qint32>{57600000, 57582720}));
        QVERIFY(s.isRunning());
    }

    void newPopulationRoundsTwiceNotFromTheFlooredBalance()
    {
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("1000"));
        s.computeYear(inputs("2000", "1000", "9.4", "9.7"));
        QCOMPARE((QList<double>{s.lastYear().balance, double(s.lastYear().population), s.lastYear().variation}), (QList<double>{0, 999, -1}));
    }

    void boxesAreReadByTheLeadingNumberRule()
    {
        GrowthSimulation s = started(QStringLiteral(" 20 00"), QStringLiteral("57 600 000"));
        QCOMPARE(s.anno(), qint16(2000));
        QCOMPARE(s.popiniziale(), 57600000.0);
        QCOMPARE(s.serie(1), 57600000);
        // "9,4" stops at the comma: births and deaths are both 9 per thousand.
        s.computeYear(inputs("2000", "57 600 000", "9,4", "9,7"));
        QCOMPARE(s.natalita(), 9.0);
        QCOMPARE(s.mortalita(), 9.0);
        QCOMPARE(s.lastYear().births, 518400.0);
        QCOMPARE(s.lastYear().population, 57600000);
        s.computeYear(inputs("2000", "57 600 000", "abc", "9.7"));
        QCOMPARE(s.natalita(), 0.0);
    }

    void ratesMayChangeBetweenYears()
    {
        GrowthSimulation s = started(QStringLiteral("1648"), QStringLiteral("1500000"));
        s.computeYear(inputs("1648", "1500000", "31", "27"));
        QCOMPARE(s.lastYear().population, 1506000);
        s.computeYear(inputs("1648", "1500000", "31", "135"));
        // near(near(1506000 + 46686) - 203310)
        QCOMPARE(s.lastYear().population, 1349376);
        QCOMPARE(s.lastYear().year, qint16(1650));
        QCOMPARE(s.shownSeries(), (QList<qint32>{1500000, 1506000, 1349376}));
        QCOMPARE(s.firstYear(), 1648);
    }

    void anEmptyBoxBlocksTheYear_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        for (int box = 0; box < 4; ++box) {
            QTest::addRow("box %d empty", box) << box << QString();
            QTest::addRow("box %d blank", box) << box << QStringLiteral("   ");
        }
    }
    void anEmptyBoxBlocksTheYear()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("1000"));
        QStringList boxes{QStringLiteral("2000"), QStringLiteral("1000"), QStringLiteral("9.4"), QStringLiteral("9.7")};
        boxes[box] = text;
        QCOMPARE(s.computeYear(inputs(boxes[0], boxes[1], boxes[2], boxes[3])), YearOutcome::MissingData);
        QCOMPARE(s.contatore(), 1);
        QVERIFY(!s.isRunning());
        QCOMPARE(s.anno(), qint16(2000));
        QCOMPARE(s.computeYear(inputs("2000", "1000", "9.4", "9.7")), YearOutcome::Computed);
        QCOMPARE(s.contatore(), 2);
    }

    void ninetyEightYearsThenTheHundredth()
    {
        GrowthSimulation s = started(QStringLiteral("1900"), QStringLiteral("1000000"));
        for (int i = 0; i < 98; ++i)
            QCOMPARE(s.computeYear(inputs("1900", "1000000", "20", "10")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().year, qint16(1998));
        QCOMPARE(s.contatore(), 99);
        // The counter check comes first: even with a box emptied, the hundredth year.
        QCOMPARE(s.computeYear(inputs("1900", "1000000", "", "10")), YearOutcome::HundredthYear);
        QCOMPARE(s.contatore(), 100);
        QVERIFY(s.isFull());
        QCOMPARE(s.computeYear(inputs("1900", "1000000", "20", "10")), YearOutcome::HundredthYear);
        QCOMPARE(s.contatore(), 100);
        QCOMPARE(s.lastYear().year, qint16(1998));
        // The graph keeps the 99 stored values, the first year still 1900.
        QCOMPARE(s.shownSeries().size(), 99);
        QCOMPARE(s.firstYear(), 1900);
        s.reset();
        QCOMPARE(s.contatore(), 1);
        QVERIFY(!s.isRunning());
    }

    void aStartYearBeyondSixteenBitsIsRefused()
    {
        GrowthSimulation s = started(QStringLiteral("40000"), QStringLiteral("1000"));
        QCOMPARE(s.computeYear(inputs("40000", "1000", "10", "9")), YearOutcome::StartYearOutOfRange);
        QCOMPARE(s.contatore(), 1);
        s.setStartYearText(QStringLiteral("-32769"));
        QCOMPARE(s.computeYear(inputs("-32769", "1000", "10", "9")), YearOutcome::StartYearOutOfRange);
        s.setStartYearText(QStringLiteral("4000"));
        QCOMPARE(s.computeYear(inputs("4000", "1000", "10", "9")), YearOutcome::Computed);
    }

    void theYearNeverWrapsPastTheLastOne()
    {
        GrowthSimulation s = started(QStringLiteral("32766"), QStringLiteral("1000"));
        QCOMPARE(s.computeYear(inputs("32766", "1000", "10", "9")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().year, qint16(32767));
        QCOMPARE(s.computeYear(inputs("32766", "1000", "10", "9")), YearOutcome::LastYearReached);
        QCOMPARE(s.anno(), qint16(32767));
        QCOMPARE(s.contatore(), 2);
        QCOMPARE(s.lastYear().population, 1001);
    }

    // The largest population that fits is computed (a larger one is refused: the "too big" row below).
    void theLargestThirtyTwoBitPopulationIsAccepted()
    {
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("2147483647"));
        QCOMPARE(s.computeYear(inputs("2000", "2147483647", "0", "0")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().population, 2147483647);
    }

    void growthBeyondThirtyTwoBitsLeavesTheLastYearAsItWas()
    {
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("2100000000"));
        QCOMPARE(s.computeYear(inputs("2000", "2100000000", "15", "5")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().population, 2121000000);
        QCOMPARE(s.computeYear(inputs("2000", "2100000000", "50", "5")), YearOutcome::GrowthOutOfRange);
        QCOMPARE(s.contatore(), 2);
        QCOMPARE(s.anno(), qint16(2001));
        QCOMPARE(s.popolazione(), 2121000000.0);
        QCOMPARE(s.lastYear().population, 2121000000);
        QCOMPARE(s.shownSeries().size(), 2);
        // Deaths bring it back in range: only the population the year ends with must fit.
        QCOMPARE(s.computeYear(inputs("2000", "2100000000", "50", "45")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().population, 2131605000);
    }

    void aPopulationOrRateOutOfRangeComputesNothing_data()
    {
        QTest::addColumn<QString>("population");
        QTest::addColumn<QString>("births");
        QTest::addColumn<QString>("deaths");
        QTest::addColumn<YearOutcome>("outcome");
        const struct
        {
            const char *name, *population, *births, *deaths;
            YearOutcome outcome;
        } rows[] = {
            {"too big", "3000000000", "10", "9", YearOutcome::PopulationOutOfRange},
            {"huge exponent", "1E400", "10", "9", YearOutcome::PopulationOutOfRange},
            {"no people", "0", "10", "9", YearOutcome::PopulationNotPositive},
            {"negative people", "-5000", "200", "9", YearOutcome::PopulationNotPositive},
            {"far below", "-3000000000", "10", "9", YearOutcome::PopulationNotPositive},
            {"no number reads as none", "abc", "10", "9", YearOutcome::PopulationNotPositive},
            {"negative birth rate", "1000", "-1", "9", YearOutcome::BirthRateOutOfRange},
            {"birth rate above 1000", "1000", "1000.5", "9", YearOutcome::BirthRateOutOfRange},
            {"negative death rate", "1000", "10", "-0.1", YearOutcome::DeathRateOutOfRange},
            {"death rate above 1000", "1000", "10", "1E4", YearOutcome::DeathRateOutOfRange},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.population) << QString::fromLatin1(row.births) << QString::fromLatin1(row.deaths)
                                    << row.outcome;
    }
    void aPopulationOrRateOutOfRangeComputesNothing()
    {
        QFETCH(QString, population);
        QFETCH(QString, births);
        QFETCH(QString, deaths);
        QFETCH(YearOutcome, outcome);
        GrowthSimulation s = started(QStringLiteral("2000"), population);
        QCOMPARE(s.computeYear(inputs("2000", population, births, deaths)), outcome);
        QCOMPARE(s.contatore(), 1);
        QVERIFY(!s.isRunning());
        QCOMPARE(s.anno(), qint16(2000));
        QCOMPARE(s.lastYear().births, 0.0);
        QCOMPARE(s.shownSeries().size(), 1);
    }

    void theWholeRangeOfRatesIsAllowed()
    {
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("1000"));
        QCOMPARE(s.computeYear(inputs("2000", "1000", "0", "1000")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().population, 0);
        // Once the people are gone, the years go on with nobody.
        QCOMPARE(s.computeYear(inputs("2000", "1000", "1000", "0")), YearOutcome::Computed);
        QCOMPARE(s.lastYear().population, 0);
    }

    void theGraphScaleStartsFromTheInitialPopulation()
    {
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("57600000"));
        s.computeYear(inputs("2000", "57600000", "9.4", "9.7"));
        GraphScale scale = s.graphScale();
        QCOMPARE((QList<double>{scale.bottom, scale.top, scale.tickAnchor, scale.tickInterval}),
                 (QList<double>{51840000, 69120000, 51840000, 2880000}));
        QCOMPARE(scale.decimals, 0);
        // Ten years across at least, one by one.
        QCOMPARE((QList<int>{scale.firstYear, scale.lastYear, scale.yearStep}), (QList<int>{2000, 2010, 1}));
        for (int i = 0; i < 40; ++i)
            s.computeYear(inputs("2000", "57600000", "9.4", "9.7"));
        scale = s.graphScale();
        QCOMPARE(scale.bottom, 51840000.0);
        QCOMPARE(scale.lastYear, 2041);
        QCOMPARE(scale.yearStep, 5);

        GrowthSimulation tiny = started(QStringLiteral("2000"), QStringLiteral("10"));
        tiny.computeYear(inputs("2000", "10", "10", "10"));
        QCOMPARE(tiny.graphScale().decimals, 2);
    }

    // Each press of a long run: every stored value lies inside the scale, the tick lines
    // stay few and on the grid of the starting range, and the range never drops below 0.
    void theGraphScaleWidensToKeepEveryValueInside_data()
    {
        QTest::addColumn<QString>("births");
        QTest::addColumn<QString>("deaths");
        for (const auto &[name, births, deaths] :
             {std::tuple{"Algeria 1997", "21.6", "5.3"}, std::tuple{"fast growth", "200", "10"}, std::tuple{"slow decline", "9", "30"},
              std::tuple{"dying out", "0", "400"}, std::tuple{"doubling every year", "1000", "0"}})
            QTest::newRow(name) << QString::fromLatin1(births) << QString::fromLatin1(deaths);
    }
    void theGraphScaleWidensToKeepEveryValueInside()
    {
        QFETCH(QString, births);
        QFETCH(QString, deaths);
        GrowthSimulation s = started(QStringLiteral("1997"), QStringLiteral("1000000"));
        for (int year = 0; year < 98; ++year) {
            if (s.computeYear(inputs("1997", "1000000", births, deaths)) != YearOutcome::Computed)
                break;
            const GraphScale scale = s.graphScale();
            QVERIFY(scale.bottom <= 900000 && scale.top >= 1200000);
            QVERIFY(scale.bottom >= 0);
            for (qint32 value : s.shownSeries())
                QVERIFY2(value >= scale.bottom && value <= scale.top, qPrintable(QString::number(value)));
            QVERIFY((scale.top - scale.bottom) / scale.tickInterval <= 12);
            const double lines = (scale.tickInterval / 50000);
            QCOMPARE(lines, std::round(lines)); // a whole number of twentieths of the population
        }
    }

    void aValueBeyondTheRangeIsNotOnItsEdge()
    {
        // 50 per thousand more each year: 1 000 000 grows past 1 200 000 in the fourth year.
        GrowthSimulation s = started(QStringLiteral("2000"), QStringLiteral("1000000"));
        for (int i = 0; i < 4; ++i)
            s.computeYear(inputs("2000", "1000000", "50", "0"));
        QCOMPARE(s.lastYear().population, 1215506);
        const GraphScale scale = s.graphScale();
        QCOMPARE((QList<double>{scale.bottom, scale.top, scale.tickInterval}), (QList<double>{900000, 1250000, 50000}));
    }
};

QTEST_APPLESS_MAIN(TestGrowthSimulation)
#include "tst_growthsimulation.moc"
