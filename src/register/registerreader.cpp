#include "registerreader.h"

#include "archive/archiveproblemtext.h"
#include "archive/resulttopics.h"
#include "archive/schema.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace censaria::classregister {
namespace {

// The archive keeps dates as "yyyy-MM-dd HH:mm:ss"; a server hands back date values.
// Parsed by hand: QDateTime::fromString costs a time-zone look-up per value.
void readWhen(const QVariant &value, TopicResult &result)
{
    if (value.isNull())
        return;
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime when = value.toDateTime();
        result.date = when.date();
        result.time = when.time();
        return;
    }
    const QString text = value.toString();
    if (text.size() < 10)
        return;
    const auto number = [&](int from, int length) { return QStringView(text).mid(from, length).toInt(); };
    result.date = QDate(number(0, 4), number(5, 2), number(8, 2));
    if (text.size() >= 19)
        result.time = QTime(number(11, 2), number(14, 2), number(17, 2));
    else
        result.time = QTime(0, 0);
}

} // namespace

TopicResult topicFromRow(const ArchiveRow &row, int topic)
{
    TopicResult result;
    if (isExercise(topic)) {
        const int first = resulttopics::exercises[topic - questionnaireCount].firstPosition;
        const QVariant &right = row[first];
        const QVariant &percent = row[first + 2];
        result.done = !right.isNull() || !percent.isNull();
        if (!result.done)
            return result;
        result.right = right.toInt();
        result.wrong = row[first + 1].toInt();
        result.percent = percent.toInt();
        readWhen(row[first + 3], result);
    } else {
        const QVariant &count = row[resulttopics::questionnaires[topic].countPosition];
        result.done = !count.isNull();
        if (!result.done)
            return result;
        result.right = count.toInt();
        readWhen(row[resulttopics::questionnaires[topic].datePosition], result);
    }
    return result;
}

QString actualTableName(const QSqlDatabase &db, const QString &name)
{
    for (const QString &present : db.tables())
        if (present.compare(name, Qt::CaseInsensitive) == 0)
            return present;
    return name;
}

namespace {

bool readTable(const QSqlDatabase &db, const schema::Table &table, RecordMerger &merger, QString *error)
{
    const bool exercises = table.name == schema::esercizi().name;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Columns by position, as every reader of the archive takes them.
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(schema::quoted(actualTableName(db, table.name))))) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    const int columns = int(table.columns.size());
    ArchiveRow row(columns);
    while (query.next()) {
        PupilRecord record;
        record.name = query.value(0).toString().trimmed();
        if (record.name.isEmpty())
            continue;
        for (int i = 2; i < columns; ++i)
            row[i] = query.value(i);
        const int first = exercises ? questionnaireCount : 0;
        const int last = exercises ? topicCount : questionnaireCount;
        for (int topic = first; topic < last; ++topic)
            record.topics[topic] = topicFromRow(row, topic);
        merger.add(record);
    }
    return true;
}

} // namespace

std::optional<QList<PupilRecord>> readRecords(const QSqlDatabase &db, QString *error)
{
    RecordMerger merger;
    for (const schema::Table &table : schema::tables())
        if (!readTable(db, table, merger, error))
            return std::nullopt;
    return merger.records();
}

std::optional<QList<PupilRecord>> readCollected(const QStringList &files, const std::function<bool(int)> &advance, QString *problem)
{
    RecordMerger merger;
    for (int i = 0; i < files.size(); ++i) {
        if (!advance(i))
            return std::nullopt;
        Archive collected(files[i]);
        if (const ArchiveProblem refused = collected.openReadOnly(); refused != ArchiveProblem::None) {
            *problem = archiveFileProblemText(collected, refused);
            return std::nullopt;
        }
        const std::optional<QList<PupilRecord>> records = readRecords(collected.connection(), problem);
        if (!records) {
            *problem = QStringLiteral("Non riesco a leggere il file\n%1\n\n%2").arg(QDir::toNativeSeparators(files[i]), *problem);
            return std::nullopt;
        }
        merger.add(*records);
    }
    return merger.records();
}

} // namespace censaria::classregister
