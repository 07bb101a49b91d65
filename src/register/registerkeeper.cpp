#include "registerkeeper.h"

#include "archive/resulttopics.h"
#include "archive/schema.h"
#include "pupilrecord.h"
#include "registerreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace censaria::classregister {
namespace {

bool isExerciseTable(const schema::Table &table)
{
    return table.name == schema::esercizi().name;
}

// The positions of one topic's values within its table's row.
QList<int> topicPositions(int topic)
{
    if (isExercise(topic)) {
        const int first = resulttopics::exercises[topic - questionnaireCount].firstPosition;
        return {first, first + 1, first + 2, first + 3};
    }
    const auto &q = resulttopics::questionnaires[topic];
    return {q.countPosition, q.datePosition};
}

} // namespace

QString schoolYear(const QDate &date)
{
    const int start = date.month() >= 9 ? date.year() : date.year() - 1;
    return QStringLiteral("%1-%2").arg(start).arg((start + 1) % 100, 2, 10, QLatin1Char('0'));
}

RegisterKeeper::RegisterKeeper(QSqlDatabase db, CopyArchive copyArchive, QString copiesFolder)
    : db_(std::move(db))
    , copyArchive_(std::move(copyArchive))
    , copies_(std::move(copiesFolder))
{
}

bool RegisterKeeper::fail(const QString &what)
{
    lastError_ = what;
    db_.rollback();
    return false;
}

QString RegisterKeeper::freePath(const QString &baseName) const
{
    const QDir dir(copies_);
    QString path = dir.filePath(baseName + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.mdb").arg(baseName).arg(n));
    return path;
}

bool RegisterKeeper::safetyCopy(const QString &path)
{
    if (!QDir().mkpath(copies_)) {
        lastError_ = QStringLiteral("cannot make %1").arg(copies_);
        return false;
    }
    if (!copyArchive_(path)) {
        QFile::remove(path);
        lastError_ = QStringLiteral("cannot copy the archive to %1").arg(path);
        return false;
    }
    return true;
}

bool RegisterKeeper::joinPupils(const QString &keep, const QString &other, const QDateTime &now)
{
    if (keep == other)
        return true;
    if (!safetyCopy(freePath(QStringLiteral("registro-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")))))
        return false;
    if (!db_.transaction())
        return fail(db_.lastError().text());
    for (const schema::Table &table : schema::tables()) {
        const QString name = schema::quoted(actualTableName(db_, table.name));
        QSqlQuery select(db_);
        select.prepare(QStringLiteral("SELECT * FROM %1 WHERE \"nome\" = ? OR \"nome\" = ?").arg(name));
        select.addBindValue(keep);
        select.addBindValue(other);
        if (!select.exec())
            return fail(select.lastError().text());
        QList<ArchiveRow> rows;
        while (select.next()) {
            ArchiveRow row;
            for (int i = 0; i < table.columns.size(); ++i)
                row.append(select.value(i));
            // The kept name's rows first, so its values win every tie.
            if (row[0].toString() == keep)
                rows.prepend(row);
            else
                rows.append(row);
        }
        select.finish();
        if (rows.isEmpty())
            continue;
        ArchiveRow merged = rows.first();
        merged[0] = keep;
        const int first = isExerciseTable(table) ? questionnaireCount : 0;
        const int last = isExerciseTable(table) ? topicCount : questionnaireCount;
        for (int topic = first; topic < last; ++topic) {
            TopicResult best = topicFromRow(merged, topic);
            for (const ArchiveRow &row : rows) {
                const TopicResult candidate = topicFromRow(row, topic);
                if (candidate.isLaterThan(best)) {
                    best = candidate;
                    for (const int position : topicPositions(topic))
                        merged[position] = row[position];
                }
            }
        }
        QSqlQuery remove(db_);
        remove.prepare(QStringLiteral("DELETE FROM %1 WHERE \"nome\" = ? OR \"nome\" = ?").arg(name));
        remove.addBindValue(keep);
        remove.addBindValue(other);
        if (!remove.exec())
            return fail(remove.lastError().text());
        QSqlQuery insert(db_);
        insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(name, QStringList(merged.size(), QStringLiteral("?")).join(u',')));
        for (const QVariant &value : merged)
            insert.addBindValue(value);
        if (!insert.exec())
            return fail(insert.lastError().text());
    }
    if (!db_.commit())
        return fail(db_.lastError().text());
    return true;
}

bool RegisterKeeper::deletePupil(const QString &pupil, const QDateTime &now)
{
    if (!safetyCopy(freePath(QStringLiteral("registro-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")))))
        return false;
    if (!db_.transaction())
        return fail(db_.lastError().text());
    for (const schema::Table &table : schema::tables()) {
        QSqlQuery remove(db_);
        remove.prepare(QStringLiteral("DELETE FROM %1 WHERE \"nome\" = ?").arg(schema::quoted(actualTableName(db_, table.name))));
        remove.addBindValue(pupil);
        if (!remove.exec())
            return fail(remove.lastError().text());
    }
    if (!db_.commit())
        return fail(db_.lastError().text());
    return true;
}

std::optional<QString> RegisterKeeper::startNewYear(const QDateTime &now)
{
    const std::optional<QList<PupilRecord>> records = readRecords(db_, &lastError_);
    if (!records)
        return std::nullopt;
    QDate latest;
    for (const PupilRecord &record : *records)
        for (const TopicResult &result : record.topics)
            if (result.done && result.date.isValid() && (!latest.isValid() || result.date > latest))
                latest = result.date;
    const QString copy = freePath(QStringLiteral("anno-") + schoolYear(latest.isValid() ? latest : now.date()));
    if (!safetyCopy(copy))
        return std::nullopt;
    // Emptied in place rather than swapped for a new file: the program keeps the
    // archive open, and the emptied file has the schema and index it must have.
    if (!db_.transaction()) {
        fail(db_.lastError().text());
        return std::nullopt;
    }
    for (const schema::Table &table : schema::tables()) {
        QSqlQuery remove(db_);
        if (!remove.exec(QStringLiteral("DELETE FROM %1").arg(schema::quoted(actualTableName(db_, table.name))))) {
            fail(remove.lastError().text());
            return std::nullopt;
        }
    }
    if (!db_.commit()) {
        fail(db_.lastError().text());
        return std::nullopt;
    }
    return copy;
}

} // namespace censaria::classregister
