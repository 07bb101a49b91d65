#include "numbers.h"

#include <cmath>
#include <limits>

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

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

double readDecimal(const QString &s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool digits = false;
    while (i < n && isDigit(s[i])) { ++i; digits = true; }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && isDigit(s[i])) { ++i; digits = true; }
    }
    if (!digits)
        return 0.0;
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
    const double value = std::strtod(s.left(end).toLatin1().constData(), nullptr);
    return std::isfinite(value) ? value : std::copysign(std::numeric_limits<double>::max(), value);
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

std::optional<qint16> toInt16(double value) { return toInteger<qint16>(value); }
std::optional<qint32> toInt32(double value) { return toInteger<qint32>(value); }

double floorOf(double value)
{
    return std::floor(value);
}

QString toText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0
    // %G switches to the exponent form below 1E-4 and from 1E+15 on.
    QString text = QString::asprintf("%.15G", value);
    text.replace(u'.', u',');
    return text;
}

} // namespace censaria::numbers
