#include "dialect.h"

#include <QSqlDatabase>
#include <QSqlDriver>

namespace censaria {

Dialect Dialect::of(const QSqlDatabase &db)
{
    return Dialect(db.driverName() == QLatin1String("QPSQL") ? Engine::PostgreSQL : Engine::SQLite);
}

QString Dialect::driver() const
{
    return engine_ == Engine::PostgreSQL ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
}

QString Dialect::rowNumberColumn() const
{
    return engine_ == Engine::PostgreSQL ? QStringLiteral("\"rowid\" BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY") : QString();
}

QString Dialect::columnType(schema::ColumnType type) const
{
    const bool server = engine_ == Engine::PostgreSQL;
    switch (type) {
    case schema::ColumnType::Text: return QStringLiteral("TEXT");
    case schema::ColumnType::Int16: return QStringLiteral("SMALLINT");
    case schema::ColumnType::Int32: return QStringLiteral("INTEGER");
    case schema::ColumnType::DateTime: return server ? QStringLiteral("TIMESTAMP(0) WITHOUT TIME ZONE") : QStringLiteral("DATETIME");
    }
    return {};
}

QString Dialect::selected(const schema::Column &column) const
{
    if (engine_ == Engine::PostgreSQL && column.type == schema::ColumnType::DateTime)
        return QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI:SS')").arg(schema::quoted(column.name));
    return schema::quoted(column.name);
}

QString Dialect::beginWrite() const
{
    return engine_ == Engine::PostgreSQL ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

} // namespace censaria
