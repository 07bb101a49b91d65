#include "exercises/calculatorengine.h"
#include "processlocale.h"

#include <QTest>
#include <cmath>

using censaria::CalculatorEngine;
using Outcome = CalculatorEngine::Outcome;

namespace {

// Presses keys by their captions; "C" is the clear key, "E" the clear-entry key.
// Returns the outcome of the last operator key.
Outcome press(CalculatorEngine &engine, const QString &keys)
{
    Outcome last = Outcome::Done;
    for (QChar key : keys) {
        if (key.isDigit())
            engine.digit(key.digitValue());
        else if (key == u'.')
            engine.decimalPoint();
        else if (key == u'%')
            engine.percent();
        else if (key == u'C')
            engine.reset();
        else if (key == u'E')
            engine.clearEntry();
        else
            last = engine.operatorKey(QString(key));
    }
    return last;
}

CalculatorEngine resetEngine()
{
    CalculatorEngine engine;
    engine.reset();
    return engine;
}

} // namespace

class TestCalculatorEngine : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("readout");
        QTest::newRow("reset") << "" << "0,";
        QTest::newRow("first digit replaces the zero") << "7" << "7,";
        QTest::newRow("digits go before the comma") << "53" << "53,";
        QTest::newRow("after the decimal key they are appended") << "53.2" << "53,2";
        QTest::newRow("decimal twice changes nothing") << "5..2" << "5,2";
        QTest::newRow("leading zeros stay") << "005" << "005,";
        QTest::newRow("leading zeros count as five") << "005+1=" << "6";
        QTest::newRow("minus before a number") << "-5" << "-5,";
        QTest::newRow("minus twice is one minus") << "--5" << "-5,";
        QTest::newRow("minus then decimal") << "-.5" << "-,5";
        QTest::newRow("minus after an operator is a sign") << "5--3=" << "8";
        QTest::newRow("minus after a result subtracts") << "5+3=-2=" << "6";
        QTest::newRow("equals twice") << "5+3==" << "8";
        QTest::newRow("digit after a result starts anew") << "5+3=4" << "4,";
        QTest::newRow("equals copies the second operand") << "5+2=4+" << "4";
        QTest::newRow("chained operations") << "2+3X4=" << "20";
        QTest::newRow("half shows a comma") << "5/2=" << "2,5";
        QTest::newRow("whole result has no comma") << "2.5X2=" << "5";
        QTest::newRow("one third") << "1/3=" << "0,333333333333333";
        QTest::newRow("result keeps its precision") << "1/3X3=" << "1";
        QTest::newRow("percent of the first operand") << "100+10%=" << "10";
        QTest::newRow("lone percent divides by 100") << "50%" << "0,5";
        QTest::newRow("clear entry keeps the operation") << "5+3E4=" << "9";
        QTest::newRow("clear entry discards the number") << "5E+2=" << "2,";
        QTest::newRow("clear brings back the start") << "5+3C7" << "7,";
        QTest::newRow("no count above two computes nothing") << "5+3%2=" << "2,";
        QTest::newRow("above two operators only record") << "5+3%2=+1=" << "1,";
        QTest::newRow("clear recovers from above two") << "5+3%2=C4+4=" << "8";
        QTest::newRow("comma first") << ".5+1=" << "1,5";
    }
    void keySequences()
    {
        QFETCH(QString, keys);
        QFETCH(QString, readout);
        CalculatorEngine engine = resetEngine();
        press(engine, keys);
        QCOMPARE(engine.readout(), readout);
    }

    // The display's comma is the calculator's own: the computer's locale never changes
    // how the display is read or how a result is shown.
    void sameResultsInEveryLocale_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("readout");
        for (const QByteArray &locale : censaria::test::processLocales()) {
            QTest::addRow("%s: 12,5 X 2", locale.constData()) << locale << "12.5X2=" << "25";
            QTest::addRow("%s: comma first", locale.constData()) << locale << ".5+1=" << "1,5";
            QTest::addRow("%s: percent", locale.constData()) << locale << "100+12.5%=" << "12,5";
            QTest::addRow("%s: one third", locale.constData()) << locale << "1/3=" << "0,333333333333333";
            QTest::addRow("%s: negative decimal", locale.constData()) << locale << "-2.25X4=" << "-9";
        }
    }
    void sameResultsInEveryLocale()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, keys);
        QFETCH(QString, readout);
        censaria::test::ProcessLocale process;
        QVERIFY2(process.use(locale), "locale not available: " + locale);
        CalculatorEngine engine = resetEngine();
        press(engine, keys);
        QCOMPARE(engine.readout(), readout);
    }

    void stateAfterReset()
    {
        CalculatorEngine engine;
        QCOMPARE(engine.readout(), QStringLiteral("0."));
        press(engine, QStringLiteral("5+3"));
        engine.reset();
        QCOMPARE(engine.readout(), QStringLiteral("0,"));
        QCOMPARE(engine.operandCount(), 0);
        QCOMPARE(engine.lastInput(), QStringLiteral("NESSUNO"));
        QCOMPARE(engine.pendingOperator(), QStringLiteral(" "));
        QVERIFY(!engine.decimalFlag());
        QCOMPARE(CalculatorEngine::valueOf(engine.firstOperand()), 0.0);
    }

    void initialStateBehavesAsReset()
    {
        CalculatorEngine engine; // the balances screen never resets it
        press(engine, QStringLiteral("7"));
        QCOMPARE(engine.readout(), QStringLiteral("7,"));
        CalculatorEngine minus;
        press(minus, QStringLiteral("-"));
        QCOMPARE(minus.readout(), QStringLiteral("-0."));
        press(minus, QStringLiteral("5-1="));
        QCOMPARE(minus.readout(), QStringLiteral("-6"));
        CalculatorEngine percent;
        press(percent, QStringLiteral("%"));
        QCOMPARE(percent.readout(), QStringLiteral("0"));
    }

    void operandsAreHeldAsText()
    {
        CalculatorEngine engine = resetEngine();
        press(engine, QStringLiteral("005+"));
        QCOMPARE(std::get<QString>(engine.firstOperand()), QStringLiteral("005,"));
        QCOMPARE(engine.operandCount(), 1);
        QCOMPARE(engine.lastInput(), QStringLiteral("OP"));
        QCOMPARE(engine.pendingOperator(), QStringLiteral("+"));
        press(engine, QStringLiteral("2="));
        QCOMPARE(std::get<double>(engine.firstOperand()), 7.0);
        QCOMPARE(std::get<QString>(engine.secondOperand()), QStringLiteral("2,"));
    }

    void divisionByZero()
    {
        CalculatorEngine engine = resetEngine();
        QCOMPARE(press(engine, QStringLiteral("6/0=")), Outcome::DivisionByZero);
        QCOMPARE(engine.readout(), QStringLiteral("6,")); // the left operand as it stood
        QCOMPARE(engine.operandCount(), 1);
        QCOMPARE(engine.pendingOperator(), QStringLiteral("="));
        press(engine, QStringLiteral("+1="));
        QCOMPARE(engine.readout(), QStringLiteral("7"));

        CalculatorEngine result = resetEngine();
        QCOMPARE(press(result, QStringLiteral("1/4=/0/")), Outcome::DivisionByZero);
        QCOMPARE(result.readout(), QStringLiteral("0,25"));
        QCOMPARE(result.pendingOperator(), QStringLiteral("/"));
    }

    // Displays that hold no digits read as 0 instead of failing.
    void unreadableOperands()
    {
        QCOMPARE(CalculatorEngine::valueOf(QStringLiteral("-")), 0.0);
        QCOMPARE(CalculatorEngine::valueOf(QStringLiteral("-,")), 0.0);
        QCOMPARE(CalculatorEngine::valueOf(QStringLiteral(",")), 0.0);
        QCOMPARE(CalculatorEngine::valueOf(QStringLiteral(",5")), 0.5);
        QCOMPARE(CalculatorEngine::valueOf(QStringLiteral("5,")), 5.0);
        QCOMPARE(CalculatorEngine::valueOf(QStringLiteral("-1,5E+20")), -1.5e20);

        CalculatorEngine sign = resetEngine();
        press(sign, QStringLiteral("5--=")); // "=" takes the lone "-" as the left operand
        QCOMPARE(std::get<QString>(sign.firstOperand()), QStringLiteral("-"));
        press(sign, QStringLiteral("3="));
        QCOMPARE(sign.readout(), QStringLiteral("3"));

        CalculatorEngine divisor = resetEngine();
        QCOMPARE(press(divisor, QStringLiteral("8/-")), Outcome::Done);
        QCOMPARE(divisor.readout(), QStringLiteral("-"));
        divisor.percent();
        QCOMPARE(divisor.readout(), QStringLiteral("0"));
        CalculatorEngine dividend = resetEngine();
        QCOMPARE(press(dividend, QStringLiteral("9/-.=")), Outcome::DivisionByZero);
    }

    void overflowKeepsTheLeftOperand()
    {
        CalculatorEngine engine = resetEngine();
        press(engine, QStringLiteral("999999999999999"));
        // Multiply by 10^15 until the double range is left.
        Outcome outcome = Outcome::Done;
        QString before;
        for (int i = 0; i < 30 && outcome == Outcome::Done; ++i) {
            before = engine.readout();
            outcome = press(engine, QStringLiteral("X999999999999999="));
        }
        QCOMPARE(outcome, Outcome::Overflow);
        QVERIFY(before.contains(QStringLiteral("E+")));
        QCOMPARE(engine.readout(), before);
        QVERIFY(std::isfinite(CalculatorEngine::valueOf(engine.firstOperand())));
        QCOMPARE(engine.operandCount(), 1);
        press(engine, QStringLiteral("/10="));
        QVERIFY(!engine.readout().contains(QStringLiteral("INF"), Qt::CaseInsensitive));
    }

    void typedNumbersHaveALimit()
    {
        CalculatorEngine engine = resetEngine();
        press(engine, QString(40, u'9'));
        QCOMPARE(engine.readout(), QString(CalculatorEngine::maxTypedDigits, u'9') + u',');
        press(engine, QStringLiteral(".") + QString(40, u'1'));
        QCOMPARE(engine.readout().size(), CalculatorEngine::maxTypedDigits + 1);
        CalculatorEngine decimals = resetEngine();
        press(decimals, QStringLiteral("-.") + QString(40, u'3'));
        QCOMPARE(decimals.readout(), QStringLiteral("-,") + QString(CalculatorEngine::maxTypedDigits, u'3'));
    }

    void countStopsAboveTwo()
    {
        CalculatorEngine engine = resetEngine();
        press(engine, QStringLiteral("5+3%2="));
        for (int i = 0; i < 40000; ++i)
            press(engine, QStringLiteral("1+"));
        QCOMPARE(engine.operandCount(), 3);
        QCOMPARE(engine.readout(), QStringLiteral("1,"));
        press(engine, QStringLiteral("C2+2="));
        QCOMPARE(engine.readout(), QStringLiteral("4"));
    }
};

QTEST_GUILESS_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
