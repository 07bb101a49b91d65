#include "registerkeeper.h"

#include "archive/archive.h"
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

RegisterKeeper::RegisterKeeper(Archive &archive, CopyArchive copyArchive, QString copiesFolder)
    : archive_(archive)
    , copyArchive_(std::move(copyArchive))
    , copies_(std::move(copiesFolder))
{
}

bool RegisterKeeper::fail(const QString &why)
{
    lastError_ = why;
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
    // The full check every time, whatever was checked at start: another program may have
    // written since. A damaged archive is neither copied as if it were sound nor changed.
    if (!archive_.integrityCheck())
        return fail(failureReason());
    if (!QDir().mkpath(copies_))
        return fail(QStringLiteral("Non riesco a creare la cartella delle copie\n%1").arg(QDir::toNativeSeparators(copies_)));
    if (!copyArchive_(path)) {
        QFile::remove(path);
        return fail(QStringLiteral("Non riesco a copiare l'archivio nel file\n%1\nForse il disco è pieno o la cartella è protetta da scrittura.")
                        .arg(QDir::toNativeSeparators(path)));
    }
    return true;
}

bool RegisterKeeper::change(const std::function<bool(QSqlDatabase &, QSqlError *)> &work)
{
    return archive_.writeTransaction(work) || fail(failureReason());
}

QString RegisterKeeper::failureReason() const
{
    switch (archive_.lastFailure()) {
    case ArchiveFailure::Busy: return QStringLiteral("L'archivio è in uso da un altro programma: aspettate qualche secondo e riprovate.");
    case ArchiveFailure::DiskFull: return QStringLiteral("Il disco è pieno: fate spazio sul disco del computer e riprovate.");
    case ArchiveFailure::ReadOnly: return QStringLiteral("L'archivio o la sua cartella sono protetti da scrittura.");
    case ArchiveFailure::Damaged:
        return QStringLiteral("L'archivio dei risultati è danneggiato: non lo cambio, per non rovinare i risultati che contiene. "
                              "Si può rimettere al suo posto una copia dei giorni scorsi, dalla cartella perCensaria\\copie.");
    case ArchiveFailure::NotPermitted:
        return QStringLiteral("Il server della scuola non permette questa modifica all'utente dell'insegnante: "
                              "chiedete al tecnico della scuola.");
    case ArchiveFailure::Unreachable:
        return QStringLiteral("Il server della scuola non risponde: non è cambiato nulla. Controllate la rete e riprovate.");
    case ArchiveFailure::None:
    case ArchiveFailure::Other:
    case ArchiveFailure::Refused: break;
    }
    return QStringLiteral("Dettagli tecnici: %1").arg(archive_.lastError());
}

bool RegisterKeeper::joinPupils(const QString &keep, const QString &other, const QDateTime &now)
{
    if (keep == other)
        return true;
    if (!safetyCopy(freePath(QStringLiteral("registro-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")))))
        return false;
    return change([&](QSqlDatabase &db, QSqlError *error) {
        for (const schema::Table &table : schema::tables()) {
            const QString name = schema::quoted(actualTableName(db, table.name));
            QSqlQuery select(db);
            select.prepare(QStringLiteral("SELECT * FROM %1 WHERE \"nome\" = ? OR \"nome\" = ?").arg(name));
            select.addBindValue(keep);
            select.addBindValue(other);
            if (!select.exec()) {
                *error = select.lastError();
                return false;
            }
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
            QSqlQuery remove(db);
            remove.prepare(QStringLiteral("DELETE FROM %1 WHERE \"nome\" = ? OR \"nome\" = ?").arg(name));
            remove.addBindValue(keep);
            remove.addBindValue(other);
            if (!remove.exec()) {
                *error = remove.lastError();
                return false;
            }
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(name, QStringList(merged.size(), QStringLiteral("?")).join(u',')));
            for (const QVariant &value : merged)
                insert.addBindValue(value);
            if (!insert.exec()) {
                *error = insert.lastError();
                return false;
            }
        }
        return true;
    });
}

bool RegisterKeeper::deletePupil(const QString &pupil, const QDateTime &now)
{
    if (!safetyCopy(freePath(QStringLiteral("registro-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")))))
        return false;
    return change([&](QSqlDatabase &db, QSqlError *error) {
        for (const schema::Table &table : schema::tables()) {
            QSqlQuery remove(db);
            remove.prepare(QStringLiteral("DELETE FROM %1 WHERE \"nome\" = ?").arg(schema::quoted(actualTableName(db, table.name))));
            remove.addBindValue(pupil);
            if (!remove.exec()) {
                *error = remove.lastError();
                return false;
            }
        }
        return true;
    });
}

std::optional<QString> RegisterKeeper::startNewYear(const QDateTime &now)
{
    QString problem;
    const std::optional<QList<PupilRecord>> records = readRecords(archive_.connection(), &problem);
    if (!records) {
        fail(QStringLiteral("Non riesco a leggere l'archivio dei risultati. Dettagli tecnici: %1").arg(problem));
        return std::nullopt;
    }
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
    const bool emptied = change([&](QSqlDatabase &db, QSqlError *error) {
        for (const schema::Table &table : schema::tables()) {
            QSqlQuery remove(db);
            if (!remove.exec(QStringLiteral("DELETE FROM %1").arg(schema::quoted(actualTableName(db, table.name))))) {
                *error = remove.lastError();
                return false;
            }
        }
        return true;
    });
    if (!emptied)
        return std::nullopt;
    return copy;
}

} // namespace censaria::classregister
