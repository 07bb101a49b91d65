#pragma once

#include "archive/archive.h"
#include "archive/resulttopics.h"
#include "archive/schema.h"
#include "ownfiles.h"

#include <QDateTime>
#include <QVariant>

// Rows for test archives, written through the archive's own code.
namespace censaria::registertest {

inline QDateTime at(int day, int hour = 10, int month = 3, int year = 2026)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0));
}

// A questionnaire row with the given (topic, right answers, when) results.
inline ArchiveRow questionnaireRow(const QString &name, const QList<std::tuple<int, int, QDateTime>> &results)
{
    ArchiveRow row(schema::questionari().columns.size());
    row[0] = name;
    for (const auto &[topic, right, when] : results) {
        row[resulttopics::questionnaires[topic].countPosition] = right;
        row[resulttopics::questionnaires[topic].datePosition] = when;
    }
    return row;
}

// An exercise row: for exercise group 0..2, right, wrong, percent, when.
inline ArchiveRow exerciseRow(const QString &name, int group, int right, int wrong, int percent, const QDateTime &when)
{
    ArchiveRow row(schema::esercizi().columns.size());
    row[0] = name;
    const int first = resulttopics::exercises[group].firstPosition;
    row[first] = right;
    row[first + 1] = wrong;
    row[first + 2] = percent;
    row[first + 3] = when;
    return row;
}

inline bool makeArchive(const QString &path, const QList<ArchiveRow> &questionnaires, const QList<ArchiveRow> &exercises = {})
{
    if (!Archive::createEmpty(path))
        return false;
    Archive archive(path);
    return archive.open() == ArchiveProblem::None
           && archive.appendTables({{resulttopics::questionnaireTable, questionnaires}, {resulttopics::exerciseTable, exercises}});
}

} // namespace censaria::registertest
