#include "resultformat.h"

#include "platform/numbers.h"

namespace censaria::resultformat {
namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double: return true;
    default: return false;
    }
}

QString plain(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return generalDate(value.toDateTime());
    if (value.typeId() == QMetaType::Double)
        return numbers::toText(value.toDouble());
    return value.toString();
}

} // namespace

QString generalDate(const QDateTime &when)
{
    const QString date = when.date().toString(QStringLiteral("dd/MM/yyyy"));
    if (when.time() == QTime(0, 0))
        return date;
    return date + u' ' + when.time().toString(QStringLiteral("HH:mm:ss"));
}

QString gridCount(const QVariant &value)
{
    return value.isNull() ? QStringLiteral("0") : plain(value);
}

QString gridDate(const QVariant &value)
{
    return value.isNull() ? QString() : plain(value);
}

QString printed(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("Null");
    if (isNumber(value)) {
        const QString digits = plain(value);
        return (digits.startsWith(u'-') ? digits : u' ' + digits) + u' ';
    }
    return plain(value);
}

} // namespace censaria::resultformat
