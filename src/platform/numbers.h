#pragma once

#include <QString>

class QLocale;
#include <QtGlobal>
#include <optional>

// How numbers typed by pupils are read, rounded and shown.
namespace censaria::numbers {

// The longest leading number of a text: blanks, tabs and line feeds are skipped
// wherever they stand; optional sign, digits, a point as decimal separator and an
// optional exponent. A comma or any other character ends it. No number reads as 0.
double readLeading(const QString &text);

// The same rule, also accepting the constants &H1F (hexadecimal) and &O17 (octal).
double readLeadingWithRadix(const QString &text);

// Nearest integer, an exact half going to the even neighbour.
double roundHalfEven(double value);

// Rounding to the nearest 16- or 32-bit integer; nullopt when the result does not fit
// (or the value is not a number), so callers can refuse it instead of wrapping.
std::optional<qint16> toInt16(double value);
std::optional<qint32> toInt32(double value);

// The integer part of a number, i.e. its floor (-2.5 gives -3).
double floorOf(double value);

// A number as the Italian locale shows it: plain digits for whole numbers, the decimal
// comma and at most 15 significant digits otherwise, exponent form for extreme magnitudes.
// Always the same text, whatever the locale of the computer.
QString toText(double value);

// A whole number with the Italian thousands separator ("57.600.000"), for messages.
QString groupedText(qint64 value);

// The locale every number on screen follows, whatever the computer's.
const QLocale &italian();

} // namespace censaria::numbers
