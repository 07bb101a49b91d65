#include "servererrors.h"

#include "archive.h"

#include <QSqlError>

namespace censaria {

ArchiveFailure classifyServerError(const QSqlError &error)
{
    const QString state = error.nativeErrorCode();
    // Without a state the driver lost the connection itself (libpq says so only in words).
    if (state.size() != 5)
        return ArchiveFailure::Unreachable;
    const QStringView errorClass = QStringView(state).left(2);
    if (errorClass == u"08"                        // connection exception
        || errorClass == u"53"                     // insufficient resources: too many connections, no room
        || state.startsWith(QLatin1String("57P"))) // the server shutting down or starting
        return ArchiveFailure::Unreachable;
    if (state == QLatin1String("55P03")    // lock_not_available: lock_timeout ran out
        || state == QLatin1String("57014") // query_canceled: statement_timeout ran out
        || errorClass == u"40")            // serialization failure, deadlock
        return ArchiveFailure::Busy;
    if (state == QLatin1String("42501")     // insufficient_privilege
        || state == QLatin1String("42883")) // undefined_function: a server not brought up to this version
        return ArchiveFailure::NotPermitted;
    if (errorClass == u"22" || errorClass == u"23") // data exception, integrity constraint
        return ArchiveFailure::Refused;
    return ArchiveFailure::Other;
}

} // namespace censaria
