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
        : name(name), db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name))
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

} // namespace censaria::test
