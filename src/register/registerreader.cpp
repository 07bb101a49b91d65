#include "registerreader.h"

#include "archive/resulttopics.h"
#include "archive/schema.h"
#include "archive/sqlitefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <atomic>

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

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("censaria-collected-%1").arg(++counter);
}

bool sameColumns(const QSqlRecord &record, const schema::Table &table)
{
    if (record.count() != table.columns.size())
        return false;
    for (int i = 0; i < record.count(); ++i)
        if (record.fieldName(i).compare(table.columns[i].name, Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

QString whyNotAnArchive(const QSqlDatabase &db)
{
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() || check.value(0).toString() != QLatin1String("ok"))
        return QStringLiteral("è danneggiato.");
    check.finish();
    const QStringList present = db.tables();
    for (const schema::Table &table : schema::tables()) {
        const auto found = std::find_if(present.begin(), present.end(), [&](const QString &name) {
            return name.compare(table.name, Qt::CaseInsensitive) == 0;
        });
        if (found == present.end())
            return QStringLiteral("non è un archivio dei risultati di Censaria: manca la tabella «%1».").arg(table.name);
        if (!sameColumns(db.record(*found), table))
            return QStringLiteral("ha colonne diverse da quelle di un archivio dei risultati di Censaria.");
    }
    return QString();
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

ArchiveFile::ArchiveFile(const QString &fileName, Access access)
    : connection_(newConnectionName())
    , fileName_(fileName)
    , access_(access)
{
}

ArchiveFile::~ArchiveFile()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase ArchiveFile::database() const
{
    return QSqlDatabase::database(connection_, false);
}

QString ArchiveFile::refuse(const QString &why)
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    return QStringLiteral("Il file\n%1\n%2\n\nNon ho aperto nessun archivio.").arg(QDir::toNativeSeparators(fileName_), why);
}

QString ArchiveFile::open()
{
    const QFileInfo info(fileName_);
    if (!info.isFile())
        return refuse(QStringLiteral("non esiste."));
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("non si può leggere."));
    const QByteArray head = file.read(32);
    file.close();
    const QByteArray engine = head.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return refuse(QStringLiteral("è un archivio nel vecchio formato di Microsoft Access: "
                                     "va convertito nel formato di questa versione di Censaria prima di poterlo leggere."));
    if (!head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return refuse(QStringLiteral("non è un archivio dei risultati di Censaria."));

    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        // Never created; read only unless asked, and waiting for a busy archive.
        const bool readOnly = access_ == Access::ReadOnly;
        db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000")
                                      : QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
                           + (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
        why = db.open() ? whyNotAnArchive(db) : QStringLiteral("non si può aprire: è danneggiato.");
        // The archive's own journal mode: where a journal is kept beside it, none deletes it.
        if (QSqlError error; why.isEmpty() && !readOnly && !sqlitefile::makeDurable(db, info.absoluteFilePath(), &error))
            why = QStringLiteral("non si può scrivere: %1").arg(error.text());
    }
    if (!why.isEmpty())
        return refuse(why);
    return QString();
}

} // namespace censaria::classregister
