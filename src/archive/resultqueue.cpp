#include "resultqueue.h"

#include "archive.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace censaria {
namespace {

const QString dateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("censaria-queue-%1").arg(++counter);
}

// Values as JSON pairs [position, value]; dates travel as the archive stores them.
QString encode(const QList<std::pair<int, QVariant>> &values)
{
    QJsonArray pairs;
    for (const auto &[position, value] : values) {
        QJsonValue json;
        if (value.typeId() == QMetaType::QDateTime)
            json = value.toDateTime().toString(dateFormat);
        else if (!value.isNull())
            json = QJsonValue::fromVariant(value);
        pairs.append(QJsonArray{position, json});
    }
    return QString::fromUtf8(QJsonDocument(pairs).toJson(QJsonDocument::Compact));
}

QList<std::pair<int, QVariant>> decode(const QString &text)
{
    QList<std::pair<int, QVariant>> values;
    for (const QJsonValue &pair : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonValue value = pair[1];
        QVariant stored;
        if (value.isDouble())
            stored = value.toInteger();
        else if (value.isString())
            stored = value.toString();
        values.append({pair[0].toInt(), stored});
    }
    return values;
}

} // namespace

ResultQueue::ResultQueue(const QString &fileName)
    : connection_(newConnectionName())
    , fileName_(fileName)
{
}

ResultQueue::~ResultQueue()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool ResultQueue::ready()
{
    if (QSqlDatabase::contains(connection_) && QSqlDatabase::database(connection_, false).isOpen())
        return true;
    QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(fileName_);
    if (!db.open()) {
        lastError_ = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    // Like the archive: a queued result survives a power cut.
    query.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS coda (n INTEGER PRIMARY KEY AUTOINCREMENT, "
                                   "tabella TEXT NOT NULL, nome TEXT NOT NULL, valori TEXT NOT NULL)"))) {
        lastError_ = query.lastError().text();
        db.close();
        return false;
    }
    return true;
}

bool ResultQueue::add(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values)
{
    if (!ready())
        return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("INSERT INTO coda (tabella, nome, valori) VALUES (?, ?, ?)"));
    query.addBindValue(table);
    query.addBindValue(name);
    query.addBindValue(encode(values));
    if (!query.exec()) {
        lastError_ = query.lastError().text();
        return false;
    }
    return true;
}

int ResultQueue::size()
{
    if (!ready())
        return -1;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM coda")) || !query.next()) {
        lastError_ = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool ResultQueue::sendTo(Archive &archive)
{
    // A queue that cannot be opened holds nothing that could go first; new results
    // still reach the server.
    if (!ready())
        return true;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    for (;;) {
        QSqlQuery next(db);
        if (!next.exec(QStringLiteral("SELECT n, tabella, nome, valori FROM coda ORDER BY n LIMIT 1"))) {
            lastError_ = next.lastError().text();
            return false;
        }
        if (!next.next())
            return true;
        const qint64 n = next.value(0).toLongLong();
        if (!archive.writeResult(next.value(1).toString(), next.value(2).toString(), decode(next.value(3).toString()),
                                 WriteRule::KeepLater)) {
            lastError_ = archive.lastError();
            return false;
        }
        next.finish();
        QSqlQuery remove(db);
        remove.prepare(QStringLiteral("DELETE FROM coda WHERE n = ?"));
        remove.addBindValue(n);
        if (!remove.exec()) {
            lastError_ = remove.lastError().text();
            return false;
        }
    }
}

} // namespace censaria
