#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace censaria::numbers {
namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The text with every blank, tab and line break removed.
QString squeezed(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isSkipped(c))
            out.append(c);
    return out;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Where a number too far out of a double's range lies: at or above 1 in magnitude, or
// below it. mantissa holds digits and at most one point, exponent the digits after "e".
bool isLarge(std::string_view mantissa, std::string_view exponent)
{
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t lead = mantissa.find_first_not_of("0.");
    if (lead == std::string_view::npos)
        return false; // zero is in range anyway
    // The power of ten of the first significant digit, plus one.
    long long order = lead < point ? static_cast<long long>(point - lead) : -static_cast<long long>(lead - point - 1);
    long long shift = 0;
    const bool negative = !exponent.empty() && exponent.front() == '-';
    for (char c : exponent.substr(!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')))
        shift = std::min(shift * 10 + (c - '0'), 1000000LL); // far beyond any double
    order += negative ? -shift : shift;
    return order > 0;
}

// Read with the C library's strtod, "12.5" would lose its decimals on a desktop whose
// LC_NUMERIC wants a comma: std::from_chars never looks at the locale.
double readDecimal(const QString &s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    const bool negative = i < n && s[i] == u'-';
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    const qsizetype start = i;
    bool digits = false;
    while (i < n && isDigit(s[i])) {
        ++i;
        digits = true;
    }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && isDigit(s[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    const qsizetype mantissaEnd = i;
    qsizetype end = i;
    // An exponent counts only when it has digits: "3E" reads as 3.
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        const qsizetype expDigits = j;
        while (j < n && isDigit(s[j]))
            ++j;
        if (j > expDigits)
            end = j;
    }
    // Only ASCII digits, signs, the point and "e" are left, so Latin-1 keeps them as they are.
    const QByteArray number = s.sliced(start, end - start).toLatin1();
    const std::string_view text(number.constData(), std::size_t(number.size()));
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(0, std::size_t(mantissaEnd - start));
        const std::string_view exponent = text.substr(std::min(text.size(), mantissa.size() + 1));
        value = isLarge(mantissa, exponent) ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

int digitValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    const QChar lower = c.toLower();
    if (lower >= u'a' && lower <= u'f')
        return lower.unicode() - u'a' + 10;
    return -1;
}

// The digits after a two-character prefix such as "&H"; the value is never negative.
double readRadix(const QString &s, int base)
{
    double value = 0.0;
    for (qsizetype i = 2; i < s.size(); ++i) {
        const int digit = digitValue(s[i]);
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
    }
    // Hundreds of digits overflow a double: keep the largest finite value instead.
    return std::isfinite(value) ? value : std::numeric_limits<double>::max();
}

} // namespace

double readLeading(const QString &text)
{
    return readDecimal(squeezed(text));
}

double readLeadingWithRadix(const QString &text)
{
    const QString s = squeezed(text);
    if (s.startsWith(u"&H", Qt::CaseInsensitive))
        return readRadix(s, 16);
    if (s.startsWith(u"&O", Qt::CaseInsensitive))
        return readRadix(s, 8);
    return readDecimal(s);
}

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even.
    return std::nearbyint(value);
}

template <typename Int>
static std::optional<Int> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

std::optional<qint16> toInt16(double value)
{
    return toInteger<qint16>(value);
}
std::optional<qint32> toInt32(double value)
{
    return toInteger<qint32>(value);
}

double floorOf(double value)
{
    return std::floor(value);
}

namespace {

// As "%.<digits>G" writes it in the C locale, with the decimal comma: the exponent form
// below 1E-4 and from 1E+<digits> on.
QString generalForm(double value, int digits)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    if (error != std::errc())
        return QStringLiteral("0");
    QString text = QString::fromLatin1(buffer, end - buffer).toUpper();
    text.replace(u'.', u',');
    return text;
}

} // namespace

QString toText(double value)
{
    return generalForm(value, 15);
}

QString toText(double value, int places)
{
    QString text = generalForm(value, 15);
    for (int digits = 14; digits >= 1 && text.size() > places; --digits)
        text = generalForm(value, digits);
    return text;
}

QString groupedText(double value, int decimals)
{
    // QString::number writes the C locale's form whatever the computer's: digits and a point.
    const QString plain = QString::number(std::abs(value), 'f', std::max(0, decimals));
    const qsizetype point = plain.contains(u'.') ? plain.indexOf(u'.') : plain.size();
    QString text;
    for (qsizetype i = 0; i < point; ++i) {
        if (i > 0 && (point - i) % 3 == 0)
            text.append(QChar(0x00A0));
        text.append(plain[i]);
    }
    if (point < plain.size())
        text.append(u',').append(plain.mid(point + 1));
    // No "-0": a value that rounds to zero has no sign.
    const bool negative = value < 0 && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    return negative ? QLatin1Char('-') + text : text;
}

QString percentText(double value, int decimals)
{
    return groupedText(value, decimals) + QChar(0x00A0) + u'%';
}

} // namespace censaria::numbers
