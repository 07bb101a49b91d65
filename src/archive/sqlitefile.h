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

// The rollback journal beside the file, links followed as SQLite follows them.
QString journalOf(const QString &absolutePath);

// A journal left by a write cut short (a crash, a power cut) is rolled back, through a
// connection that may write, so that read-only connections can read the file again.
// The journal is emptied, never deleted: it may belong to another account, in a folder
// where this one cannot delete it. Does nothing when there is no journal beside the file.
bool recoverInterruptedWrite(const QString &absolutePath, QSqlError *error);

// Rollback journal with every commit synced: a commit that returned survives a power
// cut. Where a journal file is kept beside the file (the Debian package makes one that
// every account of its group may write, in a folder where no pupil can create or delete
// a file) it is emptied at each commit and never deleted; elsewhere it is deleted, and
// the folder synced after, so that the file is whole on its own on a medium or a copy.
bool makeDurable(QSqlDatabase &db, const QString &absolutePath, QSqlError *error);

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
