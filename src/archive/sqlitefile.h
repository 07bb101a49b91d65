#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

// Everything that is particular to an archive kept in an SQLite file: how it is
// opened, made durable, locked for writing and checked. The rest of the archive
// code speaks plain SQL through QSqlDatabase.
namespace censaria::sqlitefile {

// How long one statement waits for an archive that another program is writing.
inline constexpr int busyTimeoutMs = 2000;

// Points db at an existing file; readOnly connections can change nothing in it
// (not even its journal mode), so a file is examined this way before it is trusted.
void configure(QSqlDatabase &db, const QString &absolutePath, bool readOnly);

// A journal left by a write cut short (a crash, a power cut) is rolled back, through a
// connection that may write, so that read-only connections can read the file again.
// Does nothing when there is no journal beside the file.
bool recoverInterruptedWrite(const QString &absolutePath, QSqlError *error);

// Rollback journal, and the folder synced after the journal is deleted: a commit that
// returned survives a power cut. The journal stays beside the file, so a copy of the
// file or a shared folder never needs a second file to be complete.
bool makeDurable(QSqlDatabase &db, QSqlError *error);

// Takes the write lock at the start of the transaction, waiting for a busy archive.
bool beginWrite(QSqlDatabase &db, QSqlError *error);
bool commit(QSqlDatabase &db, QSqlError *error);
void rollback(QSqlDatabase &db);

// A write transaction that changes nothing: fails when the file or its folder (where
// the journal goes) cannot be written, or another program holds the archive.
bool probeWrite(QSqlDatabase &db, QSqlError *error);

// The names of the tables in the file; fails on a file that is no database.
bool tableNames(QSqlDatabase &db, QStringList *names, QSqlError *error);

// Empty when the check finds nothing wrong, else what it found. The quick check reads
// every page; the full one also matches every index against its table.
QString quickCheck(QSqlDatabase &db);
QString integrityCheck(QSqlDatabase &db);

enum class Failure { Other, Busy, DiskFull, ReadOnly, Damaged };
Failure classify(const QSqlError &error);

} // namespace censaria::sqlitefile
