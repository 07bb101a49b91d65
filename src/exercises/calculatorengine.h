#pragma once

#include <QString>
#include <variant>

namespace censaria {

// The pocket calculator of the exercise screens. It works on the display text itself:
// a number being typed is held as digits followed by the decimal comma, and operands
// are kept as the display text they were taken from until an operation needs their value.
class CalculatorEngine
{
public:
    // The display before the first reset, as the balances screen first shows it: the same
    // decimal comma as after a reset, so that both calculators write numbers alike.
    static inline const QString initialReadout = QStringLiteral("0,");
    // Longest number a pupil can type: beyond it a double no longer holds every digit.
    static constexpr int maxTypedDigits = 15;
    // Characters the display holds: the longest typed number with its minus and its comma.
    // Results are rounded to fit it.
    static constexpr int displayPlaces = maxTypedDigits + 2;

    // What a key press needs the screen to tell the pupil.
    enum class Outcome { Done, DivisionByZero, Overflow };

    // A held operand: a display text, or the value of a result.
    using Operand = std::variant<QString, double>;

    void reset();

    void digit(int d);
    void decimalPoint();
    // c is one of "+", "-", "X", "/", "=".
    Outcome operatorKey(const QString &c);
    void percent();
    void clearEntry();

    QString readout() const { return readout_; }
    int operandCount() const { return operandCount_; }
    QString lastInput() const { return lastInput_; }
    QString pendingOperator() const { return pendingOperator_; }
    Operand firstOperand() const { return firstOperand_; }
    Operand secondOperand() const { return secondOperand_; }

    // The value of a display text: optional "-", digits, an optional comma and digits, and
    // the exponent form results take. A text without digits ("-", "-,", ",") reads as 0.
    static double valueOf(const QString &readout);
    static double valueOf(const Operand &operand);

private:
    // The operation waiting in pendingOperator on the two operands.
    Outcome carryOut();
    int typedDigits() const;

    QString readout_ = initialReadout;
    Operand firstOperand_ = 0.0;
    Operand secondOperand_ = 0.0;
    bool decimalFlag_ = false;
    int operandCount_ = 0;
    QString lastInput_ = QStringLiteral("NESSUNO");
    QString pendingOperator_ = QStringLiteral(" ");
};

} // namespace censaria
