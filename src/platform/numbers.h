#pragma once

#include <QString>
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
// The same form in at most places characters, with fewer significant digits where needed
// (a display that holds 17 shows -1/3 as "-0,33333333333333").
QString toText(double value, int places);

// A number in groups of three digits with the decimal comma, as the lessons write it:
// "57 600 000", "-17 280", "1 050,50". The groups are joined by a no-break space, so
// that a number never breaks across lines; typed with plain blanks it reads back.
QString groupedText(double value, int decimals = 0);

// A share in percent, rounded to the decimals asked for: "14,4 %".
QString percentText(double value, int decimals = 1);

} // namespace censaria::numbers
