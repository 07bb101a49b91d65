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
    // The display's comma is the calculator's own: the computer's locale never changes
    // how the display is read or how a result is shown.
    void keySequences_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("readout");
        const struct
        {
            const char *name, *keys, *readout;
        } sequences[] = {
            {"reset", "", "0,"},
            {"first digit replaces the zero", "7", "7,"},
            {"digits go before the comma", "53", "53,"},
            {"after the decimal key they are appended", "53.2", "53,2"},
            {"decimal twice changes nothing", "5..2", "5,2"},
            {"leading zeros stay", "005", "005,"},
            {"leading zeros count as five", "005+1=", "6"},
            {"minus before a number", "-5", "-5,"},
            {"minus twice is one minus", "--5", "-5,"},
            {"minus then decimal", "-.5", "-,5"},
            {"minus after an operator is a sign", "5--3=", "8"},
            {"minus after a result subtracts", "5+3=-2=", "6"},
            {"equals twice", "5+3==", "8"},
            {"digit after a result starts anew", "5+3=4", "4,"},
            {"equals copies the second operand", "5+2=4+", "4"},
            {"chained operations", "2+3X4=", "20"},
            {"half shows a comma", "5/2=", "2,5"},
            {"whole result has no comma", "2.5X2=", "5"},
            {"one third", "1/3=", "0,333333333333333"},
            {"result keeps its precision", "1/3X3=", "1"},
            {"percent of the first operand", "100+10%=", "10"},
            {"lone percent divides by 100", "50%", "0,5"},
            {"clear entry keeps the operation", "5+3E4=", "9"},
            {"clear entry discards the number", "5E+2=", "2,"},
            {"clear brings back the start", "5+3C7", "7,"},
            {"no count above two computes nothing", "5+3%2=", "2,"},
            {"above two operators only record", "5+3%2=+1=", "1,"},
            {"clear recovers from above two", "5+3%2=C4+4=", "8"},
            {"comma first", ".5+1=", "1,5"},
            {"12,5 X 2", "12.5X2=", "25"},
            {"percent of a decimal", "100+12.5%=", "12,5"},
            {"negative decimal", "-2.25X4=", "-9"},
        };
        for (const QByteArray &locale : censaria::test::processLocales())
            for (const auto &row : sequences)
                QTest::addRow("%s: %s", locale.constData(), row.name) << locale << QString::fromUtf8(row.keys) << QString::fromUtf8(row.readout);
    }
    void keySequences()
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

    // The balances screen never resets its engine: the state it starts in acts as a reset.
    void initialStateBehavesAsReset()
    {
        CalculatorEngine engine;
        QCOMPARE(engine.readout(), QStringLiteral("0,"));
        press(engine, QStringLiteral("7"));
        QCOMPARE(engine.readout(), QStringLiteral("7,"));
        CalculatorEngine minus;
        press(minus, QStringLiteral("-"));
        QCOMPARE(minus.readout(), QStringLiteral("-0,"));
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
        for (const auto &[display, value] : {std::pair{"-", 0.0}, {"-,", 0.0}, {",", 0.0}, {",5", 0.5}, {"5,", 5.0}, {"-1,5E+20", -1.5e20}})
            QCOMPARE(CalculatorEngine::valueOf(QString::fromUtf8(display)), value);

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
