#include "pyramids/pyramidmodel.h"

#include <QTest>

using namespace censaria;
using Country = PyramidModel::Country;
using Outcome = PyramidModel::StepOutcome;

Q_DECLARE_METATYPE(PyramidModel::Country)

namespace {

// A number as the screen writes it: groups of three digits joined by no-break spaces.
QString grouped(const char *text)
{
    return QString::fromUtf8(text).replace(u' ', QChar(0x00A0));
}

PyramidModel loaded(Country country)
{
    PyramidModel model;
    model.load(country);
    return model;
}

// A step with the country's own rates, as the boxes hold them after loading.
Outcome stepWithOwnRates(PyramidModel &model)
{
    return model.step(model.birthRateTexts(), model.deathRateTexts());
}

// Birth rates of nought but the one given.
QStringList onlyBirthRate(int index, const QString &rate)
{
    QStringList rates(PyramidModel::birthRateCount, QStringLiteral("0"));
    rates[index] = rate;
    return rates;
}

qint64 sumOfClasses(const PyramidModel &model)
{
    qint64 sum = 0;
    for (int c = 1; c <= PyramidModel::classCount; ++c)
        sum += model.popclassi(c);
    return sum;
}

} // namespace

class TestPyramidModel : public QObject
{
    Q_OBJECT

private slots:
    // Each country as loaded, then after one step with its own rates.
    void loadingAndTheFirstStep_data()
    {
        QTest::addColumn<Country>("country");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("onLoad"); // total, natality, mortality
        QTest::addColumn<int>("births");
        QTest::addColumn<int>("deaths");
        QTest::addColumn<QStringList>("stepped");
        // Italy's birth terms add up to exactly 3488542.5: the half goes to the even neighbour.
        QTest::newRow("Italia") << Country::Italy << "ITALIA" << QStringList{grouped("57 836 000"), "0,9", "1"} << 3488542 << 3530338
                                << QStringList{grouped("56 533 204"), "1,2", "1,2"};
        // Algeria's mortality of 1995-2000 (World Population Prospects 2019): 5,3 deaths per
        // 1000 a year at the start, and the same order after a step of its life table's rates.
        QTest::newRow("Algeria") << Country::Algeria << "ALGERIA" << QStringList{grouped("28 205 800"), "2,3", "0,5"} << 3295988 << 906330
                                 << QStringList{grouped("30 595 458"), "2,1", "0,5"};
        QTest::newRow("USA") << Country::Usa << "USA" << QStringList{grouped("263 200 000"), "1,4", "0,9"} << 19113250 << 13039100
                             << QStringList{grouped("267 274 150"), "1,4", "0,9"};
    }
    void loadingAndTheFirstStep()
    {
        QFETCH(Country, country);
        QFETCH(QString, name);
        QFETCH(QStringList, onLoad);
        QFETCH(int, births);
        QFETCH(int, deaths);
        QFETCH(QStringList, stepped);
        PyramidModel model = loaded(country);
        QCOMPARE(model.countryName(), name);
        QCOMPARE((QStringList{model.totalText(), model.natalityText(), model.mortalityText()}), onLoad);
        QCOMPARE(sumOfClasses(model), qint64(model.poptotale()));
        QCOMPARE(model.yearsText(), QStringLiteral("0"));
        QCOMPARE(model.birthRateTexts().size(), PyramidModel::birthRateCount);
        QCOMPARE(model.deathRateTexts().size(), PyramidModel::deathRateCount);

        QCOMPARE(stepWithOwnRates(model), Outcome::Done);
        QCOMPARE(model.popclassi(1), births);
        QCOMPARE(model.mortitot(), deaths);
        QCOMPARE((QStringList{model.totalText(), model.natalityText(), model.mortalityText()}), stepped);
        QCOMPARE(model.yearsText(), QStringLiteral("5"));
    }

    // Each share whole, to one decimal with the decimal comma and its sign.
    void sharesAreRoundedToOneDecimal()
    {
        const PyramidModel italy = loaded(Country::Italy);
        // 8312000 / 57836000 * 100 = 14,37...; 38968000 / 57836000 = 67,38...; 10556000 / 57836000 = 18,25...
        QCOMPARE((QStringList{italy.youngShareText(), italy.adultShareText(), italy.oldShareText()}),
                 (QStringList{grouped("14,4 %"), grouped("67,4 %"), grouped("18,3 %")}));
        // Of nobody: everybodyDyingLeavesAnEmptyButUsablePopulation.
    }

    // Every rate with the decimal comma, the fixed captions at load included.
    void ratesAreWrittenWithTheDecimalComma()
    {
        for (Country country : {Country::Italy, Country::Algeria, Country::Usa}) {
            PyramidModel model = loaded(country);
            for (int step = 0; step < 3; ++step) {
                QVERIFY2(!model.mortalityText().contains(u'.'), qPrintable(model.mortalityText()));
                QVERIFY2(!model.natalityText().contains(u'.'), qPrintable(model.natalityText()));
                stepWithOwnRates(model);
            }
        }
    }

    void ageingMovesEachClassUpAndDropsTheOldest()
    {
        PyramidModel italy = loaded(Country::Italy);
        stepWithOwnRates(italy);
        QCOMPARE(italy.popclassi(2), 2690000 - 26900);   // class 1 at 10 per 1000
        QCOMPARE(italy.popclassi(18), 1134000 - 567000); // class 17 at 500; the old 1261000 are gone
    }

    void algeriasEmptyTopClassFillsWithOneTenth()
    {
        PyramidModel algeria = loaded(Country::Algeria);
        QCOMPARE(algeria.popclassi(18), 0);
        QCOMPARE(algeria.barWidth(18), 0.0);
        stepWithOwnRates(algeria);
        QCOMPARE(algeria.popclassi(18), 46671); // the survivors of 100800 at 537 per 1000
        QCOMPARE(algeria.barWidth(18), 46671 / 4000.0);
    }

    void ratesAreReadByTheirLeadingNumber_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("births");
        // Only the 40-44 class bears children: 4627260 persons after ageing (4674000 at 10 per 1000).
        // The reader's own rules are tst_numbers' business; here, that the boxes go through
        // the reader that takes &H and &O too.
        QTest::newRow("decimal comma stops") << "12,5" << 55527;
        QTest::newRow("decimal point") << "12.5" << 57841;
        QTest::newRow("hexadecimal") << "&H0C" << 55527;
        QTest::newRow("no number") << "dodici" << 0;
    }
    void ratesAreReadByTheirLeadingNumber()
    {
        QFETCH(QString, rate);
        QFETCH(int, births);
        PyramidModel italy = loaded(Country::Italy);
        QCOMPARE(italy.step(onlyBirthRate(0, rate), italy.deathRateTexts()), Outcome::Done);
        QCOMPARE(italy.popclassi(1), births);
    }

    void stepsAccumulateUntilTheModelIsLoadedAgain()
    {
        PyramidModel italy = loaded(Country::Italy);
        for (int i = 0; i < 4; ++i)
            stepWithOwnRates(italy);
        QCOMPARE(italy.yearsText(), QStringLiteral("20"));
        QVERIFY(italy.poptotale() != 57836000);
        italy.load(Country::Algeria);
        QCOMPARE(italy.yearsText(), QStringLiteral("0"));
        QCOMPARE(italy.poptotale(), 28205800);
        italy.load(Country::Italy);
        QCOMPARE(italy.poptotale(), 57836000);
        QCOMPARE(italy.mortalityText(), QStringLiteral("1"));
    }

    // Faults: the state a plain reading of the rates would reach is never shown.

    void everybodyDyingLeavesAnEmptyButUsablePopulation()
    {
        PyramidModel italy = loaded(Country::Italy);
        const QStringList noBirths(PyramidModel::birthRateCount, QStringLiteral("0"));
        const QStringList allDie(PyramidModel::deathRateCount, QStringLiteral("1000"));
        QCOMPARE(italy.step(noBirths, allDie), Outcome::Done);
        QCOMPARE(italy.poptotale(), 0);
        QCOMPARE((QStringList{italy.youngShareText(), italy.adultShareText(), italy.oldShareText()}), QStringList(3, grouped("0,0 %")));
        QCOMPARE((QStringList{italy.natalityText(), italy.mortalityText()}), QStringList(2, QStringLiteral("0")));
        QCOMPARE(italy.step(noBirths, allDie), Outcome::Done);
        QCOMPARE(italy.yearsText(), QStringLiteral("10"));
        QCOMPARE(italy.mortitot(), 0);
    }

    void ratesOutsideZeroToThousandNeverMakeAClassNegative()
    {
        PyramidModel italy = loaded(Country::Italy);
        QStringList deathRates = italy.deathRateTexts();
        deathRates[16] = QStringLiteral("1500"); // more deaths than children 00-04
        deathRates[15] = QStringLiteral("-200"); // nobody comes back to life either
        const QStringList negativeBirths(PyramidModel::birthRateCount, QStringLiteral("-500"));
        QCOMPARE(italy.step(negativeBirths, deathRates), Outcome::Done);
        QCOMPARE(italy.popclassi(1), 0);
        QCOMPARE(italy.popclassi(2), 0);
        QCOMPARE(italy.popclassi(3), 2776000);
        for (int c = 1; c <= PyramidModel::classCount; ++c)
            QVERIFY(italy.popclassi(c) >= 0);
        QVERIFY(italy.barWidth(2) >= 0);
        QCOMPARE(sumOfClasses(italy), qint64(italy.poptotale()));
    }

    void theFiguresNeverMisstateTheirSize()
    {
        PyramidModel italy = loaded(Country::Italy);
        const QStringList noBirths(PyramidModel::birthRateCount, QStringLiteral("0"));
        QStringList deathRates(PyramidModel::deathRateCount, QStringLiteral("1000"));
        deathRates[0] = QStringLiteral("999"); // 1134 of the 80-84 class survive, nobody else
        QCOMPARE(italy.step(noBirths, deathRates), Outcome::Done);
        QCOMPARE(italy.poptotale(), 1134);
        QCOMPARE(italy.mortalityText(), QStringLiteral(">999")); // not "997" of 997774
        QCOMPARE(italy.natalityText(), QStringLiteral("0"));

        PyramidModel usa = loaded(Country::Usa);
        // 3.5 births among 250 million
        QCOMPARE(usa.step(onlyBirthRate(0, QStringLiteral("0.0002")), usa.deathRateTexts()), Outcome::Done);
        QCOMPARE(usa.popclassi(1), 4);
        QCOMPARE(usa.natalityText(), QStringLiteral("0,0")); // not "3,2" of 3,2E-07

        PyramidModel algeria = loaded(Country::Algeria);
        // twenty children each for the 15-19 class
        QCOMPARE(algeria.step(onlyBirthRate(5, QStringLiteral("20000")), algeria.deathRateTexts()), Outcome::Done);
        QCOMPARE(algeria.natalityText(), QStringLiteral("13")); // 13,35...
    }

    void aPopulationBeyondThirtyTwoBitsIsRefusedWhole_data()
    {
        QTest::addColumn<Country>("country");
        QTest::addColumn<QString>("rate");
        QTest::newRow("births alone too many") << Country::Italy << "1E9";
        QTest::newRow("births fit, total does not") << Country::Usa << "113000";
        QTest::newRow("infinite") << Country::Italy << "1E400";
    }
    void aPopulationBeyondThirtyTwoBitsIsRefusedWhole()
    {
        QFETCH(Country, country);
        QFETCH(QString, rate);
        PyramidModel model = loaded(country);
        const qint32 total = model.poptotale();
        QCOMPARE(model.step(onlyBirthRate(0, rate), model.deathRateTexts()), Outcome::TooLarge);
        QCOMPARE(model.poptotale(), total);
        QCOMPARE(model.yearsText(), QStringLiteral("0"));
        QCOMPARE(model.mortalityText(), loaded(country).mortalityText());
        QCOMPARE(stepWithOwnRates(model), Outcome::Done); // still usable
    }

    void theYearsStopAtTheirSixteenBitLimit()
    {
        PyramidModel algeria = loaded(Country::Algeria);
        const QStringList zeros(PyramidModel::deathRateCount, QStringLiteral("0"));
        int steps = 0;
        while (algeria.step(zeros, zeros) == Outcome::Done)
            ++steps;
        QCOMPARE(steps, 6553);
        QCOMPARE(algeria.annisim(), qint16(32765));
        QCOMPARE(algeria.step(zeros, zeros), Outcome::YearLimit);
        QCOMPARE(algeria.annisim(), qint16(32765));
        algeria.load(Country::Algeria);
        QCOMPARE(algeria.annisim(), qint16(0));
    }
};

QTEST_GUILESS_MAIN(TestPyramidModel)
#include "tst_pyramidmodel.moc"
