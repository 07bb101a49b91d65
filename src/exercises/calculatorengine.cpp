#include "calculatorengine.h"

#include "platform/numbers.h"

#include <cmath>

namespace censaria {
namespace {

const QString num = QStringLiteral("NUM");
const QString neg = QStringLiteral("NEG");
const QString op = QStringLiteral("OP");
const QString comma = QStringLiteral(",");

// Above 2 the count only tells that operators compute nothing until "C"; stopping
// there keeps it from ever wrapping round however long the pupil goes on.
constexpr int operandCountLimit = 3;

QString textOf(const CalculatorEngine::Operand &operand)
{
    if (const auto *text = std::get_if<QString>(&operand))
        return *text;
    return numbers::toText(std::get<double>(operand), CalculatorEngine::displayPlaces);
}

} // namespace

void CalculatorEngine::reset()
{
    readout_ = QStringLiteral("0,");
    firstOperand_ = 0.0;
    secondOperand_ = 0.0;
    decimalFlag_ = false;
    operandCount_ = 0;
    lastInput_ = QStringLiteral("NESSUNO");
    pendingOperator_ = QStringLiteral(" ");
}

void CalculatorEngine::digit(int d)
{
    if (lastInput_ == num && typedDigits() >= maxTypedDigits)
        return;
    if (lastInput_ != num) {
        readout_ = comma;
        decimalFlag_ = false;
    }
    const QString digitText = QString::number(d);
    if (decimalFlag_)
        readout_ += digitText;
    else
        readout_ = readout_.left(readout_.indexOf(u',')) + digitText + comma;
    if (lastInput_ == neg)
        readout_.prepend(u'-');
    lastInput_ = num;
}

void CalculatorEngine::decimalPoint()
{
    if (lastInput_ == neg)
        readout_ = QStringLiteral("-,");
    else if (lastInput_ != num)
        readout_ = comma;
    decimalFlag_ = true;
    lastInput_ = num;
}

CalculatorEngine::Outcome CalculatorEngine::operatorKey(const QString &c)
{
    Outcome outcome = Outcome::Done;
    if (lastInput_ == num)
        operandCount_ = std::min(operandCount_ + 1, operandCountLimit);
    switch (operandCount_) {
    case 0:
        if (c == u"-" && lastInput_ != neg) {
            readout_.prepend(u'-');
            lastInput_ = neg;
        }
        break;
    case 1:
        firstOperand_ = readout_;
        // A minus right after an operator is the sign of the next number.
        if (c == u"-" && lastInput_ != num && pendingOperator_ != u"=") {
            readout_ = QStringLiteral("-");
            lastInput_ = neg;
        }
        break;
    case 2:
        secondOperand_ = readout_;
        outcome = carryOut();
        readout_ = textOf(firstOperand_);
        operandCount_ = 1;
        break;
    default: break;
    }
    if (lastInput_ != neg) {
        lastInput_ = op;
        pendingOperator_ = c;
    }
    return outcome;
}

CalculatorEngine::Outcome CalculatorEngine::carryOut()
{
    const double second = valueOf(secondOperand_);
    double result = 0.0;
    if (pendingOperator_ == u"+")
        result = valueOf(firstOperand_) + second;
    else if (pendingOperator_ == u"-")
        result = valueOf(firstOperand_) - second;
    else if (pendingOperator_ == u"X" || pendingOperator_ == u"%")
        result = valueOf(firstOperand_) * second;
    else if (pendingOperator_ == u"/") {
        if (second == 0.0)
            return Outcome::DivisionByZero;
        result = valueOf(firstOperand_) / second;
    } else if (pendingOperator_ == u"=")
        result = second;
    else
        return Outcome::Done;
    // A result no double can hold leaves the left operand as it was, as division by zero does.
    if (!std::isfinite(result))
        return Outcome::Overflow;
    firstOperand_ = result;
    return Outcome::Done;
}

void CalculatorEngine::percent()
{
    readout_ = numbers::toText(valueOf(readout_) / 100, displayPlaces);
    lastInput_ = op;
    pendingOperator_ = QStringLiteral("%");
    operandCount_ = std::min(operandCount_ + 1, operandCountLimit);
}

void CalculatorEngine::clearEntry()
{
    readout_ = QStringLiteral("0,");
    decimalFlag_ = false;
    lastInput_ = QStringLiteral("CE");
}

int CalculatorEngine::typedDigits() const
{
    return int(std::count_if(readout_.cbegin(), readout_.cend(), [](QChar c) { return c.isDigit(); }));
}

double CalculatorEngine::valueOf(const QString &readout)
{
    // The display's comma is the decimal separator the shared reader knows as a point.
    return numbers::readLeading(QString(readout).replace(u',', u'.'));
}

double CalculatorEngine::valueOf(const Operand &operand)
{
    if (const auto *value = std::get_if<double>(&operand))
        return *value;
    return valueOf(std::get<QString>(operand));
}

} // namespace censaria
