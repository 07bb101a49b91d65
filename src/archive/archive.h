#pragma once

#include "archivesettings.h"
#include "dialect.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace censaria {

class ArchiveFile;
class ArchiveRows;
class ServerConnection;

// One row of an archive table, by column position; a value never recorded is a null QVariant.
using ArchiveRow = QList<QVariant>;

// What went wrong when an archive could not be opened.
enum class ArchiveProblem {
    None,
    Missing,
    Folder,       // a folder stands where the file should be
    NotPermitted, // no permission to read the file
    OldFormat,
    NotAnArchive,
    OtherColumns, // the tables are there, with other columns or in another order
    Damaged,
    Unreadable,
    ReadOnly,       // the file is write-protected
    FolderReadOnly, // the file is writable but its folder is not, so no journal can be made
    Busy,           // another program holds the archive
    // The server's: settings that cannot be used, no answer from the server, a server
    // that refuses the user or password, a database that is not there.
    BadSettings,
    Unreachable,
    Refused,
    NoDatabase,
    NotUpgraded, // the server lacks the record function, or the role may not call it
};

// Why the last write or check failed. On a server: Unreachable when the connection is
// gone, Busy when a lock or the statement's time ran out, NotPermitted when the role
// lacks the right, Refused when the record function found the result impossible.
enum class ArchiveFailure { None, Other, Busy, DiskFull, ReadOnly, Damaged, Refused, NotPermitted, Unreachable };

// How a result meets the one already stored: replaced, or kept when it is the later one
// (a result sent late from a PC's queue must not undo a newer one).
enum class WriteRule { Replace, KeepLater };

// The results archive: an SQLite file, or a database on the school's PostgreSQL
// server, with the tables "questionari" and "esercizi". Table names are matched
// regardless of letter case. Every write is one transaction that takes its lock at
// the start, waits for another program that holds the archive and tries again before
// giving up; a commit that returned survives a power cut. A server archive whose
// connection broke connects again on its next use. A facade over its parts: the file's
// checks (ArchiveFile), the server's connection (ServerConnection) and the rows
// (ArchiveRows); the one write path and the failure record are its own.
class Archive
{
public:
    explicit Archive(const QString &fileName);
    // The archive the settings name: the server's, or the file when they name none.
    Archive(const ArchiveSettings &settings, const QString &fileName);
    ~Archive();
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    // Opens an existing archive after checking its tables, its pages and indexes (the
    // full integrity check) and that it can be written; never creates one. Until it has passed, the file is only read, and a file
    // that fails is closed again at once, so nothing is ever written to it.
    ArchiveProblem open();
    // The same checks on a file that is only to be read (a collected archive): nothing is
    // ever written to it, not even to roll back a write that was cut short.
    ArchiveProblem openReadOnly();
    bool isReadOnly() const;
    // The full check, which also matches every index against its table, run again.
    // False, with the problem in lastError(), when damaged.
    bool integrityCheck();
    // The quick check: every page read, indexes not matched against their tables.
    bool quickCheck();
    // Whether the full check passed at open() and nothing was written through this
    // archive since, so that a copy made now needs no second check.
    bool checkedSinceOpen() const;
    void close();
    bool isOpen() const;
    QString fileName() const;
    QString lastError() const { return lastError_; }
    ArchiveFailure lastFailure() const { return lastFailure_; }
    bool isServer() const;
    // A server archive whose last use found no working connection.
    bool serverAway() const;
    const ArchiveSettings &settings() const;
    // The server password to use instead of the settings' password file (the teacher's,
    // typed); empty lets libpq look in the account's own ~/.pgpass.
    void setServerPassword(const QString &password);
    // The file, or the database and server, in words for the teacher.
    QString place() const;
    // The open connection and its engine's SQL, for screens that read with their own queries.
    QSqlDatabase connection() const;
    Dialect dialect() const { return Dialect(isServer() ? Dialect::Engine::PostgreSQL : Dialect::Engine::SQLite); }

    // Makes a new, empty archive at fileName; false if the file exists or cannot be made.
    static bool createEmpty(const QString &fileName, QString *error = nullptr);
    // Creates the two tables in the server's empty database; false if they exist already.
    static bool createOnServer(const ArchiveSettings &settings, QString *error);

    // Finds the pupil's row by name, adding one that holds only the name when there is
    // none, then sets the given columns (by position), all in one transaction.
    // With WriteRule::KeepLater each result only replaces a stored one that is not later
    // than its own date; sending the same result twice changes nothing. On a server every
    // write goes through its record function, which checks each result and always keeps
    // the later one; values must then be whole results (counts with their date).
    bool writeResult(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values,
                     WriteRule rule = WriteRule::Replace);

    // The first row whose "nome" is exactly name; nullopt if none (or on error).
    std::optional<ArchiveRow> findRow(const QString &table, const QString &name);
    // Every row in stored order.
    std::optional<QList<ArchiveRow>> rows(const QString &table);
    // The same with each value exactly as stored (dates stay text), for copying rows to
    // another archive: reading dates back as QDateTime costs a time-zone look-up each.
    std::optional<QList<ArchiveRow>> storedRows(const QString &table);
    // Runs change as one write of the archive, through the same path as every result:
    // the lock taken at the start, a busy archive waited for and tried again, a commit
    // that survives a power cut. False, with the reason in lastError() and lastFailure(),
    // when change (which fills error) or the commit failed; nothing of it stays then.
    bool writeTransaction(const std::function<bool(QSqlDatabase &, QSqlError *error)> &change);
    // Adds rows as they are, column by column by position, in one transaction.
    bool appendRows(const QString &table, const QList<ArchiveRow> &rows);
    // The same for several tables at once: every row of every table is added, or none.
    // The rows that arrived are counted: a table that keeps fewer (or more) fails as Refused.
    bool appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables);
    // "nome" of every row of "questionari", in stored order.
    QStringList names();
    // A consistent copy of the whole archive in a new file, which must not exist yet.
    bool copyTo(const QString &fileName);

private:
    // The parts, each with one job, share the connection and the failure record.
    friend class ArchiveFile;
    friend class ServerConnection;
    friend class ArchiveRows;
    static QString newConnectionName();
    bool fail(const QString &what, ArchiveFailure failure = ArchiveFailure::Other);
    bool fail(const QSqlError &error);
    ArchiveFailure classify(const QSqlError &error) const;
    // Runs body inside one write transaction, again from the start while the archive is busy.
    bool inWriteTransaction(const std::function<bool(QSqlDatabase &)> &body);
    QSqlQuery &prepared(const QString &sql);

    QString connection_;
    QString lastError_;
    ArchiveFailure lastFailure_ = ArchiveFailure::None;
    std::map<QString, QSqlQuery> statements_;
    std::unique_ptr<ArchiveFile> file_;
    std::unique_ptr<ServerConnection> server_;
    std::unique_ptr<ArchiveRows> rows_;
};

} // namespace censaria
