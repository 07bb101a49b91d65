#include "sqlitefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>

namespace censaria::sqlitefile {
namespace {

bool run(QSqlDatabase &db, const QString &statement, QSqlError *error)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    if (error)
        *error = query.lastError();
    return false;
}

QString check(QSqlDatabase &db, const QString &pragma)
{
    QSqlQuery query(db);
    if (!query.exec(pragma))
        return query.lastError().text();
    QStringList problems;
    while (query.next()) {
        const QString line = query.value(0).toString();
        if (line != QLatin1String("ok"))
            problems.append(line);
    }
    return problems.join(u'\n');
}

// A file in write-ahead-log mode with no log beside it is examined as immutable: a
// read-only connection would otherwise leave a log and an index file next to it.
bool walWithoutLog(const QString &absolutePath)
{
    QFile file(absolutePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.at(18) == 2 && !QFileInfo::exists(absolutePath + QStringLiteral("-wal"));
}

} // namespace

void configure(QSqlDatabase &db, const QString &absolutePath, bool readOnly)
{
    // mode=rw: SQLite must never create a missing archive behind our back.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                             .arg(busyTimeoutMs)
                             .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    db.setDatabaseName(QUrl::fromLocalFile(absolutePath).toString(QUrl::FullyEncoded)
                       + (!readOnly                     ? QStringLiteral("?mode=rw")
                          : walWithoutLog(absolutePath) ? QStringLiteral("?mode=ro&immutable=1")
                                                        : QStringLiteral("?mode=ro")));
}

QString journalOf(const QString &absolutePath)
{
    const QString real = QFileInfo(absolutePath).canonicalFilePath();
    return (real.isEmpty() ? absolutePath : real) + QStringLiteral("-journal");
}

bool recoverInterruptedWrite(const QString &absolutePath, QSqlError *error)
{
    if (QFileInfo(journalOf(absolutePath)).size() == 0)
        return true;
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("censaria-recovery-%1").arg(++counter);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        configure(db, absolutePath, false);
        // The first read of the file rolls a hot journal back. A connection that keeps its
        // lock zeroes the journal's header after that instead of deleting it; the journal
        // mode cannot be set before that first read, as setting it reads the schema, but
        // it must be set before closing, which would delete the journal otherwise.
        ok = db.open() && run(db, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), error)
             && run(db, QStringLiteral("SELECT count(*) FROM sqlite_master"), error)
             && run(db, QStringLiteral("PRAGMA journal_mode=TRUNCATE"), error);
        if (!db.isOpen() && error)
            *error = db.lastError();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

bool makeDurable(QSqlDatabase &db, const QString &absolutePath, QSqlError *error)
{
    const bool kept = QFileInfo::exists(journalOf(absolutePath));
    return run(db, kept ? QStringLiteral("PRAGMA journal_mode=TRUNCATE") : QStringLiteral("PRAGMA journal_mode=DELETE"), error)
           && run(db, QStringLiteral("PRAGMA synchronous=EXTRA"), error);
}

bool beginWrite(QSqlDatabase &db, QSqlError *error)
{
    return run(db, QStringLiteral("BEGIN IMMEDIATE"), error);
}

bool commit(QSqlDatabase &db, QSqlError *error)
{
    return run(db, QStringLiteral("COMMIT"), error);
}

void rollback(QSqlDatabase &db)
{
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK")); // fails harmlessly when no transaction is open
}

bool probeWrite(QSqlDatabase &db, QSqlError *error)
{
    if (!beginWrite(db, error))
        return false;
    // Changing the schema writes a page, so the journal is really created in the folder.
    const bool written = run(db, QStringLiteral("CREATE TABLE censaria_write_probe (x)"), error);
    rollback(db);
    return written;
}

bool tableNames(QSqlDatabase &db, QStringList *names, QSqlError *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        if (error)
            *error = query.lastError();
        return false;
    }
    while (query.next())
        names->append(query.value(0).toString());
    return true;
}

QString quickCheck(QSqlDatabase &db)
{
    return check(db, QStringLiteral("PRAGMA quick_check"));
}

QString integrityCheck(QSqlDatabase &db)
{
    return check(db, QStringLiteral("PRAGMA integrity_check"));
}

Failure classify(const QSqlError &error)
{
    // Qt reports SQLite's extended result code; its low byte is the primary one.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Failure::Busy;
    case 13: // SQLITE_FULL
        return Failure::DiskFull;
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN: the journal cannot be made in the folder
        return Failure::ReadOnly;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Failure::Damaged;
    default: return Failure::Other;
    }
}

} // namespace censaria::sqlitefile
