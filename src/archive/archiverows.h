#pragma once

#include "archive.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace censaria {

// The rows of the two tables: read by position, dates as QDateTime or as stored; a
// result written into the pupil's first row under its write rule; rows appended whole
// and counted. Part of Archive, whose one write path and connection it uses.
class ArchiveRows
{
public:
    explicit ArchiveRows(Archive &archive)
        : archive_(archive)
    {
    }

    bool writeResult(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, WriteRule rule);
    std::optional<ArchiveRow> findRow(const QString &table, const QString &name);
    std::optional<QList<ArchiveRow>> selectAll(const QString &table, bool asStored);
    bool appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables);
    QStringList names();

private:
    bool writeResultOnce(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, WriteRule rule);
    bool appendTablesOnce(const QList<std::pair<QString, QList<ArchiveRow>>> &tables);

    Archive &archive_;
};

} // namespace censaria
