#pragma once

class QSqlError;

namespace censaria {

enum class ArchiveFailure;

// What an error of the school's PostgreSQL server means for a result, told by its
// SQLSTATE (the driver's native error code): the server gone or unreachable, busy (a
// lock or the statement's time ran out), a role without the right, or the result itself
// refused by the record function's checks.
ArchiveFailure classifyServerError(const QSqlError &error);

} // namespace censaria
