#include "resultqueue.h"

#include "archive.h"
#include "resultcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace censaria {
namespace {

const QString dateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;

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

// nullopt for anything that is not a list of [position, number or text] pairs.
std::optional<QList<std::pair<int, QVariant>>> decode(const QString &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isArray())
        return std::nullopt;
    QList<std::pair<int, QVariant>> values;
    for (const QJsonValue &pair : document.array()) {
        const QJsonArray entry = pair.toArray();
        if (entry.size() != 2 || !entry[0].isDouble() || entry[0].toDouble() != entry[0].toInt())
            return std::nullopt;
        const QJsonValue value = entry[1];
        QVariant stored;
        if (value.isDouble() && value.toDouble() == double(value.toInteger()))
            stored = value.toInteger();
        else if (value.isString())
            stored = value.toString();
        else if (!value.isNull())
            return std::nullopt;
        values.append({entry[0].toInt(), stored});
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

bool ResultQueue::failed(const QString &error)
{
    lastError_ = error;
    return false;
}

bool ResultQueue::ready()
{
    if (QSqlDatabase::contains(connection_) && QSqlDatabase::database(connection_, false).isOpen())
        return true;
    // The account's own: its pupil's results and names are nobody else's business.
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, ownerOnly | QFile::ExeOwner))
        return failed(QStringLiteral("cannot make the folder %1").arg(folder));
    QFile file(fileName_);
    if (!file.exists() && !file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly))
        return failed(file.errorString());
    file.close();
    if (!QFile::setPermissions(fileName_, ownerOnly))
        return failed(QStringLiteral("cannot keep %1 to this account").arg(fileName_));
    QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(fileName_);
    if (!db.open())
        return failed(db.lastError().text());
    QSqlQuery query(db);
    // Like the archive: a queued result survives a power cut.
    query.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS coda (n INTEGER PRIMARY KEY AUTOINCREMENT, "
                                   "tabella TEXT NOT NULL, nome TEXT NOT NULL, valori TEXT NOT NULL)"))
        || !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS messi_da_parte (n INTEGER PRIMARY KEY AUTOINCREMENT, "
                                      "tabella, nome, valori, motivo TEXT NOT NULL, quando TEXT NOT NULL)"))) {
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
    return query.exec() || failed(query.lastError().text());
}

bool ResultQueue::setAside(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, const QString &reason)
{
    if (!ready())
        return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("INSERT INTO messi_da_parte (tabella, nome, valori, motivo, quando) VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(table);
    query.addBindValue(name);
    query.addBindValue(encode(values));
    query.addBindValue(reason);
    query.addBindValue(QDateTime::currentDateTime().toString(dateFormat));
    return query.exec() || failed(query.lastError().text());
}

int ResultQueue::count(const QString &table)
{
    if (!ready())
        return -1;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM ") + table) || !query.next()) {
        lastError_ = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

int ResultQueue::size()
{
    return count(QStringLiteral("coda"));
}

int ResultQueue::setAsideCount()
{
    return count(QStringLiteral("messi_da_parte"));
}

bool ResultQueue::moveAside(qint64 n, const QString &reason)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    bool ok = db.transaction();
    query.prepare(QStringLiteral("INSERT INTO messi_da_parte (tabella, nome, valori, motivo, quando) "
                                 "SELECT tabella, nome, valori, ?, ? FROM coda WHERE n = ?"));
    query.addBindValue(reason);
    query.addBindValue(QDateTime::currentDateTime().toString(dateFormat));
    query.addBindValue(n);
    ok = ok && query.exec();
    query.prepare(QStringLiteral("DELETE FROM coda WHERE n = ?"));
    query.addBindValue(n);
    ok = ok && query.exec() && db.commit();
    if (!ok) {
        lastError_ = query.lastError().text() + db.lastError().text();
        db.rollback();
    }
    return ok;
}

bool ResultQueue::sendTo(Archive &archive, const QDateTime &now)
{
    // A queue that cannot be opened holds nothing that could go first; new results
    // still reach the server.
    if (!ready())
        return true;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    for (;;) {
        QSqlQuery next(db);
        if (!next.exec(QStringLiteral("SELECT n, tabella, nome, valori FROM coda ORDER BY n LIMIT 1")))
            return failed(next.lastError().text());
        if (!next.next())
            return true;
        const qint64 n = next.value(0).toLongLong();
        const QString table = next.value(1).toString();
        const QString name = next.value(2).toString();
        const std::optional<QList<std::pair<int, QVariant>>> values = decode(next.value(3).toString());
        next.finish();
        QString why;
        if (!values)
            why = QStringLiteral("i valori non sono quelli di un risultato");
        else if (checkedResults(table, name, *values, now, &why) && !archive.writeResult(table, name, *values, WriteRule::KeepLater)) {
            if (archive.lastFailure() != ArchiveFailure::Refused)
                return failed(archive.lastError());
            why = QStringLiteral("il server della scuola non l'ha accettato: ") + archive.lastError();
        }
        if (!why.isEmpty()) {
            if (!moveAside(n, why))
                return false;
            continue;
        }
        QSqlQuery remove(db);
        remove.prepare(QStringLiteral("DELETE FROM coda WHERE n = ?"));
        remove.addBindValue(n);
        if (!remove.exec())
            return failed(remove.lastError().text());
    }
}

} // namespace censaria
