#pragma once

// An archive file as another program sees it: through a connection of its own.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace censaria::test {

// A connection to file named name, closed and let go at the end.
struct SqlConnection
{
    explicit SqlConnection(const QString &file, const QString &name = QStringLiteral("other"))
        : name(name)
        , db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name))
    {
        db.setDatabaseName(file);
    }
    ~SqlConnection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    const QString name;
    QSqlDatabase db;
};

// Runs statements on file; false, with a warning, at the first that fails.
inline bool runSql(const QString &file, const QStringList &statements, const QString &name = QStringLiteral("other"))
{
    SqlConnection connection(file, name);
    if (!connection.db.open())
        return false;
    QSqlQuery query(connection.db);
    for (const QString &statement : statements)
        if (!query.exec(statement)) {
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            return false;
        }
    return true;
}

// Damage that only the full check finds: the tables intact, a row of questionari that
// the index on "nome" does not hold (it went in while the index believed it held none).
inline bool loseAnIndexEntry(const QString &file)
{
    auto setIndexSql = [&](const QString &sql) {
        return runSql(file, {QStringLiteral("PRAGMA writable_schema=ON"),
                             QStringLiteral("UPDATE sqlite_master SET sql = %1 WHERE type = 'index' AND tbl_name = 'questionari'").arg(sql)});
    };
    return setIndexSql(QStringLiteral("sql || ' WHERE 0'"))
           && runSql(file, {QStringLiteral("INSERT INTO questionari (nome, \"I tre periodi\") VALUES ('ROSSI MARIO', 7)")})
           && setIndexSql(QStringLiteral("substr(sql, 1, length(sql) - 8)"));
}

} // namespace censaria::test
