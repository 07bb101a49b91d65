#pragma once

#include "archive/archive.h"
#include "pupilrecord.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace censaria::classregister {

// Reads both result tables of an open archive connection (SQLite or a server) into
// one record per pupil; rows of the same pupil (a collected archive gathers one per
// computer) are merged, the later result of each topic winning. nullopt on a read
// error, with the driver's words in error.
std::optional<QList<PupilRecord>> readRecords(const QSqlDatabase &db, QString *error = nullptr);

// The records of collected archives merged, each file checked and opened only for
// reading; advance(i) is called before the i-th file and stops the reading with false.
// nullopt when stopped (problem left empty) or at the first file that cannot be read
// (problem says which and why, for the teacher): nothing of the other files then.
std::optional<QList<PupilRecord>> readCollected(const QStringList &files, const std::function<bool(int)> &advance, QString *problem);

// One topic's result from a row of its table, read by position.
TopicResult topicFromRow(const ArchiveRow &row, int topic);
// The table's name as the database spells it (names are matched regardless of case).
QString actualTableName(const QSqlDatabase &db, const QString &name);

} // namespace censaria::classregister
