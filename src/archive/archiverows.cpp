#include "archiverows.h"

#include "schema.h"
#include "serverconnection.h"

#include <QSqlError>
#include <QSqlQuery>

namespace censaria {
namespace {

QVariant toStored(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(schema::storedDateFormat);
    return value;
}

QVariant fromStored(const QVariant &value, schema::ColumnType type)
{
    if (value.isNull())
        return QVariant();
    switch (type) {
    case schema::ColumnType::DateTime: {
        const QDateTime when = QDateTime::fromString(value.toString(), schema::storedDateFormat);
        return when.isValid() ? QVariant(when) : value;
    }
    case schema::ColumnType::Int16:
    case schema::ColumnType::Int32: return value.toLongLong();
    case schema::ColumnType::Text: return value.toString();
    }
    return value;
}

QString columnList(const schema::Table &table)
{
    QStringList names;
    for (const schema::Column &column : table.columns)
        names.append(schema::quoted(column.name));
    return names.join(QStringLiteral(", "));
}

std::optional<qint64> rowCount(QSqlDatabase &db, const schema::Table &table)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(schema::quoted(table.name))) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QString selectList(const schema::Table &table, const Dialect &dialect)
{
    QStringList names;
    for (const schema::Column &column : table.columns)
        names.append(dialect.selected(column));
    return names.join(QStringLiteral(", "));
}

ArchiveRow readRow(const QSqlQuery &query, const schema::Table &table, bool asStored = false)
{
    ArchiveRow row;
    row.reserve(table.columns.size());
    for (int i = 0; i < table.columns.size(); ++i)
        // Each driver marks a null its own way; the rows carry it as an empty QVariant.
        row.append(query.isNull(i) ? QVariant() : asStored ? query.value(i) : fromStored(query.value(i), table.columns[i].type));
    return row;
}

} // namespace

bool ArchiveRows::writeResult(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, WriteRule rule)
{
    return archive_.server_->retried([&] { return writeResultOnce(table, name, values, rule); });
}

bool ArchiveRows::writeResultOnce(const QString &tableName, const QString &name, const QList<std::pair<int, QVariant>> &values, WriteRule rule)
{
    const schema::Table *table = schema::find(tableName);
    if (!table || !archive_.isOpen())
        return archive_.fail(QStringLiteral("archive not open or unknown table %1").arg(tableName));
    if (archive_.isServer())
        return archive_.server_->record(table->name, name, values);
    QVariantList dates(table->columns.size());
    for (const auto &[position, value] : values) {
        if (position < 0 || position >= table->columns.size())
            return archive_.fail(QStringLiteral("no column at position %1").arg(position));
        if (table->columns[position].type == schema::ColumnType::DateTime)
            dates[position] = toStored(value);
    }
    QStringList assignments;
    QVariantList bound;
    for (const auto &[position, value] : values) {
        const QString column = schema::quoted(table->columns[position].name);
        const int datePosition = table->datePosition(position);
        if (rule == WriteRule::KeepLater && datePosition >= 0 && !dates[datePosition].isNull()) {
            const QString date = schema::quoted(table->columns[datePosition].name);
            assignments.append(QStringLiteral("%1 = CASE WHEN %2 IS NULL OR %2 <= ? THEN ? ELSE %1 END").arg(column, date));
            bound.append(dates[datePosition]);
        } else {
            assignments.append(column + QStringLiteral(" = ?"));
        }
        bound.append(toStored(value));
    }

    return archive_.inWriteTransaction([&](QSqlDatabase &) {
        // The pupil's first row takes the values; without one a new row is added.
        const QString firstRow = QStringLiteral("SELECT rowid FROM %1 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1")
                                     .arg(schema::quoted(table->name));
        const QString update = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (%3)")
                                   .arg(schema::quoted(table->name), assignments.join(u','), firstRow);
        auto updateRow = [&](bool *found) {
            QSqlQuery &query = archive_.prepared(assignments.isEmpty() ? firstRow : update);
            for (const QVariant &value : assignments.isEmpty() ? QVariantList() : bound)
                query.addBindValue(value);
            query.addBindValue(name);
            if (!query.exec())
                return archive_.fail(query.lastError());
            *found = assignments.isEmpty() ? query.next() : query.numRowsAffected() > 0;
            query.finish();
            return true;
        };
        bool found = false;
        if (!updateRow(&found))
            return false;
        if (!found) {
            QStringList columns{QStringLiteral("\"nome\"")};
            for (const auto &entry : values)
                columns.append(schema::quoted(table->columns[entry.first].name));
            QSqlQuery &insert = archive_.prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                      .arg(schema::quoted(table->name), columns.join(u','),
                                                           QStringList(QList<QString>(columns.size(), QStringLiteral("?"))).join(u',')));
            insert.addBindValue(name);
            for (const auto &entry : values)
                insert.addBindValue(toStored(entry.second));
            if (!insert.exec())
                return archive_.fail(insert.lastError());
        }
        return true;
    });
}

std::optional<ArchiveRow> ArchiveRows::findRow(const QString &tableName, const QString &name)
{
    const schema::Table *table = schema::find(tableName);
    if (!table)
        return std::nullopt;
    return archive_.server_->retried([&]() -> std::optional<ArchiveRow> {
        if (!archive_.isOpen())
            return std::nullopt;
        QSqlQuery query(archive_.connection());
        query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1")
                          .arg(selectList(*table, archive_.dialect()), schema::quoted(table->name)));
        query.addBindValue(name);
        if (!query.exec() || !query.next()) {
            if (query.lastError().isValid())
                archive_.fail(query.lastError());
            return std::nullopt;
        }
        return readRow(query, *table);
    });
}

std::optional<QList<ArchiveRow>> ArchiveRows::selectAll(const QString &tableName, bool asStored)
{
    const schema::Table *table = schema::find(tableName);
    if (!table)
        return std::nullopt;
    return archive_.server_->retried([&]() -> std::optional<QList<ArchiveRow>> {
        if (!archive_.isOpen())
            return std::nullopt;
        QSqlQuery query(archive_.connection());
        query.setForwardOnly(true);
        if (!query.exec(
                QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(selectList(*table, archive_.dialect()), schema::quoted(table->name)))) {
            archive_.fail(query.lastError());
            return std::nullopt;
        }
        QList<ArchiveRow> all;
        while (query.next())
            all.append(readRow(query, *table, asStored));
        return all;
    });
}

bool ArchiveRows::appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables)
{
    return archive_.server_->retried([&] { return appendTablesOnce(tables); });
}

bool ArchiveRows::appendTablesOnce(const QList<std::pair<QString, QList<ArchiveRow>>> &tables)
{
    if (!archive_.isOpen())
        return archive_.fail(QStringLiteral("archive not open"));
    for (const auto &entry : tables)
        if (!schema::find(entry.first))
            return archive_.fail(QStringLiteral("unknown table %1").arg(entry.first));
    return archive_.inWriteTransaction([&](QSqlDatabase &db) {
        for (const auto &[tableName, rows] : tables) {
            const schema::Table &table = *schema::find(tableName);
            const std::optional<qint64> before = rowCount(db, table);
            if (!before)
                return archive_.fail(QStringLiteral("cannot count the rows of %1").arg(table.name));
            QSqlQuery insert(db);
            const QString marks = QStringList(QList<QString>(table.columns.size(), QStringLiteral("?"))).join(u',');
            insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(schema::quoted(table.name), columnList(table), marks));
            for (const ArchiveRow &row : rows) {
                for (int i = 0; i < table.columns.size(); ++i)
                    insert.bindValue(i, i < row.size() ? toStored(row[i]) : QVariant());
                if (!insert.exec())
                    return archive_.fail(insert.lastError());
            }
            // An archive may quietly drop rows (a trigger, a rule): only what arrived counts.
            const std::optional<qint64> after = rowCount(db, table);
            if (!after || *after - *before != rows.size())
                return archive_.fail(
                    QStringLiteral("%1: %2 rows sent, %3 arrived").arg(table.name).arg(rows.size()).arg(after ? *after - *before : -1),
                    ArchiveFailure::Refused);
        }
        return true;
    });
}

QStringList ArchiveRows::names()
{
    const auto names = archive_.server_->retried([&]() -> std::optional<QStringList> {
        if (!archive_.isOpen())
            return std::nullopt;
        QSqlQuery query(archive_.connection());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT \"nome\" FROM \"questionari\" ORDER BY rowid"))) {
            archive_.fail(query.lastError());
            return std::nullopt;
        }
        QStringList all;
        while (query.next())
            all.append(query.value(0).toString());
        return all;
    });
    return names.value_or(QStringList());
}

} // namespace censaria
