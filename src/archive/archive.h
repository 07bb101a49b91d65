#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

namespace censaria {

// One row of an archive table, by column position; a value never recorded is a null QVariant.
using ArchiveRow = QList<QVariant>;

// What went wrong when an archive could not be opened.
enum class ArchiveProblem { None, Missing, OldFormat, NotAnArchive, Damaged, Unreadable, ReadOnly };

// The results archive: an SQLite file with the tables "questionari" and "esercizi".
// Table names are matched regardless of letter case. Every write is one transaction,
// committed with full synchronisation, so a saved result survives a power cut.
class Archive
{
public:
    explicit Archive(const QString &fileName);
    ~Archive();
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    // Opens an existing archive after checking its integrity; never creates one.
    // A damaged archive is closed again at once, so nothing is ever written to it.
    ArchiveProblem open();
    void close();
    bool isOpen() const;
    QString fileName() const { return fileName_; }
    QString lastError() const { return lastError_; }

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
    bool appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables);
    // "nome" of every row of "questionari", in stored order.
    QStringList names();
    // A consistent copy of the whole archive in a new file.
    bool copyTo(const QString &fileName);

private:
    bool fail(const QString &what);
    std::optional<QList<ArchiveRow>> selectAll(const QString &table, bool asStored);
    QString connection_;
    QString fileName_;
    QString lastError_;
};

} // namespace censaria
