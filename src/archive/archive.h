#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

namespace censaria {

// One row of an archive table, by column position; a value never recorded is a null QVariant.
using ArchiveRow = QList<QVariant>;

// What went wrong when an archive could not be opened.
enum class ArchiveProblem {
    None,
    Missing,
    Folder,         // a folder stands where the file should be
    NotPermitted,   // no permission to read the file
    OldFormat,
    NotAnArchive,
    OtherColumns,   // the tables are there, with other columns or in another order
    Damaged,
    Unreadable,
    ReadOnly,       // the file is write-protected
    FolderReadOnly, // the file is writable but its folder is not, so no journal can be made
    Busy,           // another program holds the archive
};

// Why the last write or check failed.
enum class ArchiveFailure { None, Other, Busy, DiskFull, ReadOnly, Damaged, Refused };

// The results archive: an SQLite file with the tables "questionari" and "esercizi".
// Table names are matched regardless of letter case. Every write is one transaction
// that takes its lock at the start, waits for another program that holds the archive
// and tries again before giving up; a commit that returned survives a power cut.
class Archive
{
public:
    explicit Archive(const QString &fileName);
    ~Archive();
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    // Opens an existing archive after checking its tables, its pages and indexes (the
    // full integrity check) and that it can be written; never creates one. Until it has passed, the file is only read, and a file
    // that fails is closed again at once, so nothing is ever written to it.
    ArchiveProblem open();
    // The full check, which also matches every index against its table, run again.
    // False, with the problem in lastError(), when damaged.
    bool integrityCheck();
    // The quick check: every page read, indexes not matched against their tables.
    bool quickCheck();
    void close();
    bool isOpen() const;
    QString fileName() const { return fileName_; }
    QString lastError() const { return lastError_; }
    ArchiveFailure lastFailure() const { return lastFailure_; }

    // Makes a new, empty archive at fileName; false if the file exists or cannot be made.
    static bool createEmpty(const QString &fileName, QString *error = nullptr);

    // Finds the pupil's row by name, adding one that holds only the name when there is
    // none, then sets the given columns (by position), all in one transaction.
    bool writeResult(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values);

    // The first row whose "nome" is exactly name; nullopt if none (or on error).
    std::optional<ArchiveRow> findRow(const QString &table, const QString &name);
    // Every row in stored order.
    std::optional<QList<ArchiveRow>> rows(const QString &table);
    // The same with each value exactly as stored (dates stay text), for copying rows to
    // another archive: reading dates back as QDateTime costs a time-zone look-up each.
    std::optional<QList<ArchiveRow>> storedRows(const QString &table);
    // Adds rows as they are, column by column by position, in one transaction.
    bool appendRows(const QString &table, const QList<ArchiveRow> &rows);
    // The same for several tables at once: every row of every table is added, or none.
    // The rows that arrived are counted: a table that keeps fewer (or more) fails as Refused.
    bool appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables);
    // "nome" of every row of "questionari", in stored order.
    QStringList names();
    // A consistent copy of the whole archive in a new file.
    bool copyTo(const QString &fileName);

private:
    bool fail(const QString &what, ArchiveFailure failure = ArchiveFailure::Other);
    bool fail(const QSqlError &error);
    ArchiveProblem checkReadOnly(const QString &absolutePath);
    ArchiveProblem openForWriting(const QString &absolutePath);
    // Runs body inside one write transaction, again from the start while the archive is busy.
    bool inWriteTransaction(const std::function<bool(QSqlDatabase &)> &body);
    std::optional<QList<ArchiveRow>> selectAll(const QString &table, bool asStored);
    QString connection_;
    QString fileName_;
    QString lastError_;
    ArchiveFailure lastFailure_ = ArchiveFailure::None;
};

} // namespace censaria
