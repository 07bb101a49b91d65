#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/fakeplatform.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace censaria;
using namespace censaria::numbers;

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void readsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks inside") << "57 600 000" << 57600000.0;
        QTest::newRow("comma ends it") << "9,4" << 9.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("sign, point, exponent") << "  -3.5e2x" << -350.0;
        QTest::newRow("second point ends it") << "1.5.3" << 1.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("tab and line feed skipped") << "\t1\n2" << 12.0;
        QTest::newRow("exponent without digits") << "3E" << 3.0;
        QTest::newRow("exponent sign without digits") << "3e-" << 3.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "12." << 12.0;
        QTest::newRow("letters after") << "12abc" << 12.0;
        QTest::newRow("hex is not read here") << "&H10" << 0.0;
        QTest::newRow("other white space ends it") << "4\u00a05" << 4.0;
    }
    void readsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readLeading(text), value);
    }

    void hugeNumbersStayFinite()
    {
        QVERIFY(std::isfinite(readLeading(QStringLiteral("1e400"))));
        QVERIFY(readLeading(QStringLiteral("-1e400")) < 0);
        QCOMPARE(readLeading(QString(400, u'9')), std::numeric_limits<double>::max());
    }

    void readsRadixConstants_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower case") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal digit 8 ends it") << "&O18" << 1.0;
        QTest::newRow("no digits") << "&H" << 0.0;
        QTest::newRow("bad digit") << "&HG1" << 0.0;
        QTest::newRow("blanks skipped") << "& H 1 0" << 16.0;
        QTest::newRow("decimal as usual") << "12.5" << 12.5;
        QTest::newRow("comma still ends it") << "3,9" << 3.0;
    }
    void readsRadixConstants()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readLeadingWithRadix(text), value);
    }

    void roundsHalvesToEven()
    {
        QCOMPARE(roundHalfEven(0.5), 0.0);
        QCOMPARE(roundHalfEven(1.5), 2.0);
        QCOMPARE(roundHalfEven(2.5), 2.0);
        QCOMPARE(roundHalfEven(-1.5), -2.0);
        QCOMPARE(roundHalfEven(-2.5), -2.0);
        QCOMPARE(roundHalfEven(2.4999), 2.0);
        QCOMPARE(roundHalfEven(2.5001), 3.0);
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

    void floorIsTheIntegerPart()
    {
        QCOMPARE(floorOf(2.9), 2.0);
        QCOMPARE(floorOf(-2.5), -3.0);
        QCOMPARE(floorOf(-0.0001), -1.0);
    }

    void writesNumbersTheItalianWay_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 57600000.0 << "57600000";
        QTest::newRow("decimal comma") << 2.5 << "2,5";
        QTest::newRow("negative") << -0.1 << "-0,1";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("largest plain") << 123456789012345.0 << "123456789012345";
        QTest::newRow("exponent large") << 1e15 << "1E+15";
        QTest::newRow("small plain") << 0.0001 << "0,0001";
        QTest::newRow("exponent small") << 0.00001 << "1E-05";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("rounding noise hidden") << 0.1 + 0.2 << "0,3";
    }
    void writesNumbersTheItalianWay()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(toText(value), text);
    }

    void generatorStartsFromTheSameStateEveryRun()
    {
        RandomGenerator a, b;
        for (int i = 0; i < 100; ++i) {
            const double r = a.next();
            QCOMPARE(r, b.next());
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void drawsFromMToMPlusNMinusOne()
    {
        ScriptedRandom random;
        random.queue({0.0, 0.999999999, 0.5});
        QCOMPARE(random.draw(5, 10), 5);
        QCOMPARE(random.draw(5, 10), 14);
        QCOMPARE(random.draw(-3, 4), -1);
        RandomGenerator real;
        for (int i = 0; i < 1000; ++i) {
            const int n = real.draw(1, 6);
            QVERIFY(n >= 1 && n <= 6);
        }
    }

    void reseedingFromTheClockChangesTheSequence()
    {
        RandomGenerator fresh, reseeded;
        FixedClock clock;
        reseeded.reseedFromClock(clock);
        QVERIFY(fresh.next() != reseeded.next());
        RandomGenerator again;
        again.reseedFromClock(clock);
        reseeded.reseedFromClock(clock);
        QCOMPARE(again.next(), reseeded.next());
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
