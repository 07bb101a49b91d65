#pragma once

#include "archive/archive.h"
#include "pupilrecord.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace censaria::classregister {

// Reads both result tables of an open archive connection (SQLite or a server) into
// one record per pupil; rows of the same pupil (a collected archive gathers one per
// computer) are merged, the later result of each topic winning. nullopt on a read
// error, with the driver's words in error.
std::optional<QList<PupilRecord>> readRecords(const QSqlDatabase &db, QString *error = nullptr);

// One topic's result from a row of its table, read by position.
TopicResult topicFromRow(const ArchiveRow &row, int topic);
// The table's name as the database spells it (names are matched regardless of case).
QString actualTableName(const QSqlDatabase &db, const QString &name);

// An archive file opened through a connection of its own after checking that it is
// one. A collected archive (the file the export fills) is opened for reading only,
// so nothing in it is ever changed; this computer's archive for the tidy-up too.
class ArchiveFile
{
public:
    enum class Access { ReadOnly, ReadWrite };
    explicit ArchiveFile(const QString &fileName, Access access = Access::ReadOnly);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Opens the file; an empty string when it can be read, else an Italian message
    // that names the file and says why it is refused.
    QString open();
    QSqlDatabase database() const;

private:
    QString refuse(const QString &why);
    QString connection_;
    QString fileName_;
    Access access_;
};

} // namespace censaria::classregister
