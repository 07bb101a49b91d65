#include "platform/numbers.h"
#include "platform/fakeservices.h"
#include "processlocale.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace censaria;
using namespace censaria::numbers;

namespace {

struct ReadCase
{
    const char *name;
    const char *text;
    double value;
};

// Each case in every locale a classroom computer may run in, read plainly or with radix constants.
void addInEveryLocale(bool radix, std::initializer_list<ReadCase> cases)
{
    for (const QByteArray &locale : test::processLocales())
        for (const ReadCase &c : cases)
            QTest::addRow("%s: %s%s", locale.constData(), radix ? "radix, " : "", c.name)
                << locale << radix << QString::fromUtf8(c.text) << c.value;
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void readsTheLeadingNumber_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<bool>("radix");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        addInEveryLocale(false, {
                                    {"blanks inside", "57 600 000", 57600000.0},
                                    {"decimal point", "9.4", 9.4},
                                    {"comma ends it", "9,4", 9.0},
                                    {"empty", "", 0.0},
                                    {"no number", "abc", 0.0},
                                    {"sign, point, exponent", "  -3.5e2x", -350.0},
                                    {"second point ends it", "1.5.3", 1.5},
                                    {"plus sign", "+7", 7.0},
                                    {"tab and line feed skipped", "\t1\n2", 12.0},
                                    {"exponent without digits", "3E", 3.0},
                                    {"exponent sign without digits", "3e-", 3.0},
                                    {"lone sign", "-", 0.0},
                                    {"leading point", ".5", 0.5},
                                    {"negative leading point", "-.25", -0.25},
                                    {"trailing point", "12.", 12.0},
                                    {"hex is not read here", "&H10", 0.0},
                                    {"other white space ends it", "4\u00a05", 4.0},
                                    {"too small for a double", "1e-400", 0.0},
                                    {"too small, many zeros", "0.000e-330", 0.0},
                                    {"smallest there is", "5e-324", 5e-324},
                                    {"large but in range", "1.5e308", 1.5e308},
                                    {"too large", "1e400", std::numeric_limits<double>::max()},
                                    {"too large below the point", "-0.001e312", -std::numeric_limits<double>::max()},
                                    {"huge exponent", "1e99999999999999999999", std::numeric_limits<double>::max()},
                                    {"zero with huge exponent", "0e99999", 0.0},
                                });
        addInEveryLocale(true, {
                                   {"hex", "&H1F", 31.0},
                                   {"hex lower case", "&hff", 255.0},
                                   {"octal", "&O17", 15.0},
                                   {"octal digit 8 ends it", "&O18", 1.0},
                                   {"no digits", "&H", 0.0},
                                   {"bad digit", "&HG1", 0.0},
                                   {"blanks skipped", "& H 1 0", 16.0},
                                   {"decimal as usual", "12.5", 12.5},
                                   {"comma still ends it", "3,9", 3.0},
                               });
    }
    void readsTheLeadingNumber()
    {
        QFETCH(QByteArray, locale);
        QFETCH(bool, radix);
        QFETCH(QString, text);
        QFETCH(double, value);
        test::ProcessLocale process;
        QVERIFY2(process.use(locale), "locale not available: " + locale);
        QCOMPARE(radix ? readLeadingWithRadix(text) : readLeading(text), value);
    }

    void hugeNumbersStayFinite()
    {
        QVERIFY(readLeading(QStringLiteral("-1e400")) < 0);
        QCOMPARE(readLeading(QString(400, u'9')), std::numeric_limits<double>::max());
        QCOMPARE(readLeading(QStringLiteral("0.") + QString(400, u'0') + u'1'), 0.0);
        const double hex = readLeadingWithRadix(QStringLiteral("&H") + QString(300, u'F'));
        QVERIFY(hex > 0 && std::isfinite(hex));
        QCOMPARE(toInt16(hex), std::nullopt);
    }

    void roundsHalvesToEvenAndFloorsDown()
    {
        for (const auto &[value, rounded] :
             {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-1.5, -2.0}, {-2.5, -2.0}, {2.4999, 2.0}, {2.5001, 3.0}})
            QCOMPARE(roundHalfEven(value), rounded);
        for (const auto &[value, floor] : {std::pair{2.9, 2.0}, {-2.5, -3.0}, {-0.0001, -1.0}})
            QCOMPARE(floorOf(value), floor);
    }

    void reportsIntegersOutOfRange()
    {
        QCOMPARE(toInt16(32767.4), std::optional<qint16>(32767));
        QCOMPARE(toInt16(32767.5), std::nullopt); // the even neighbour 32768 does not fit
        QCOMPARE(toInt16(-32768.5), std::optional<qint16>(-32768));
        QCOMPARE(toInt16(-32769), std::nullopt);
        QCOMPARE(toInt16(std::nan("")), std::nullopt);
        QCOMPARE(toInt16(INFINITY), std::nullopt);
        QCOMPARE(toInt32(2147483646.5), std::optional<qint32>(2147483646));
        QCOMPARE(toInt32(2147483647.5), std::nullopt);
        QCOMPARE(toInt32(-2147483648.0), std::optional<qint32>(std::numeric_limits<qint32>::min()));
        QCOMPARE(toInt32(1e300), std::nullopt);
    }

    void writesNumbersTheItalianWay_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        for (const QByteArray &locale : test::processLocales()) {
            const auto row = [&locale](const char *name) -> QTestData & { return QTest::addRow("%s: %s", locale.constData(), name) << locale; };
            row("whole") << 57600000.0 << "57600000";
            row("whole and large") << 2147483647.0 << "2147483647";
            row("decimal comma") << 2.5 << "2,5";
            row("negative") << -0.1 << "-0,1";
            row("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
            row("largest plain") << 123456789012345.0 << "123456789012345";
            row("exponent large") << 1e15 << "1E+15";
            row("exponent with decimals") << -1.25e20 << "-1,25E+20";
            row("largest double") << std::numeric_limits<double>::max() << "1,79769313486232E+308";
            row("small plain") << 0.0001 << "0,0001";
            row("exponent small") << 0.00001 << "1E-05";
            row("negative zero") << -0.0 << "0";
            row("rounding noise hidden") << 0.1 + 0.2 << "0,3";
        }
    }
    void writesNumbersTheItalianWay()
    {
        QFETCH(QByteArray, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        test::ProcessLocale process;
        QVERIFY2(process.use(locale), "locale not available: " + locale);
        QCOMPARE(toText(value), text);
    }

    // A display of a few characters: the same form, rounded to the digits that fit.
    void fitsANumberToItsPlaces()
    {
        QCOMPARE(toText(-1.0 / 3.0, 17), QStringLiteral("-0,33333333333333"));
        QCOMPARE(toText(2.0 / 3.0, 8), QStringLiteral("0,666667"));
        QCOMPARE(toText(-1.23456789012345e29, 17), QStringLiteral("-1,2345678901E+29"));
        QCOMPARE(toText(-std::numeric_limits<double>::max(), 17), QStringLiteral("-1,797693135E+308"));
        QCOMPARE(toText(123456789012345.0, 17), QStringLiteral("123456789012345"));
        QCOMPARE(toText(-123456789012345.0, 8), QStringLiteral("-1,2E+14"));
        QCOMPARE(toText(0.0, 1), QStringLiteral("0"));
    }

    // Groups of three digits joined by no-break spaces, as the lessons write numbers; the
    // decimal comma; no sign for a value that rounds to 0.
    void groupsThousandsTheItalianWay()
    {
        const auto grouped = [](const char *text) { return QString::fromUtf8(text).replace(u' ', QChar(0x00A0)); };
        test::ProcessLocale process;
        for (const QByteArray &locale : test::processLocales()) {
            QVERIFY2(process.use(locale), "locale not available: " + locale);
            QCOMPARE(groupedText(2147483647), grouped("2 147 483 647"));
            QCOMPARE(groupedText(-57600000), grouped("-57 600 000"));
            QCOMPARE(groupedText(999), QStringLiteral("999"));
            QCOMPARE(groupedText(-1000), grouped("-1 000"));
            QCOMPARE(groupedText(1050.5, 2), grouped("1 050,50"));
            QCOMPARE(groupedText(-0.004, 2), QStringLiteral("0,00"));
            QCOMPARE(percentText(67.37672), grouped("67,4 %"));
            QCOMPARE(percentText(0), grouped("0,0 %"));
            // Typed back with plain blanks, it reads as it was.
            QCOMPARE(readLeading(groupedText(-57600000).replace(QChar(0x00A0), u' ')), -57600000.0);
        }
    }

    void randomDrawsRepeatAndStayInRange()
    {
        RandomGenerator a, b;
        for (int i = 0; i < 100; ++i) {
            const double r = a.next();
            QCOMPARE(r, b.next()); // the same state at every start
            QVERIFY(r >= 0.0 && r < 1.0);
        }
        for (int i = 0; i < 1000; ++i) {
            const int n = a.draw(1, 6);
            QVERIFY(n >= 1 && n <= 6);
        }
        ScriptedRandom random;
        random.queue({0.0, 0.999999999, 0.5});
        QCOMPARE(random.draw(5, 10), 5);
        QCOMPARE(random.draw(5, 10), 14);
        QCOMPARE(random.draw(-3, 4), -1);
        // Reseeded from the clock: another sequence, the same one for the same moment.
        FixedClock clock;
        RandomGenerator fresh, reseeded, again;
        reseeded.next();
        reseeded.reseedFromClock(clock);
        again.reseedFromClock(clock);
        const double r = again.next();
        QVERIFY(fresh.next() != r);
        QCOMPARE(reseeded.next(), r);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
