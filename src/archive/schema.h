#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace censaria {
class Dialect;
}

// The one definition of the archive's tables. Readers address result columns by
// position, so the order of the columns is part of the file format.
namespace censaria::schema {

enum class ColumnType { Text, Int16, Int32, DateTime };

struct Column
{
    QString name;
    ColumnType type;
};

struct Table
{
    QString name;
    QList<Column> columns;
    int position(const QString &column) const; // -1 when absent; letter case ignored
    // The date column that dates the result at position: the first date column from
    // there on; -1 for a column no date belongs to.
    int datePosition(int position) const;
};

inline constexpr int nameLength = 60; // room for a full surname and first name
// How a date is kept, as text, in both engines.
inline const QString storedDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

const Table &questionari();
const Table &esercizi();
const QList<Table> &tables();
// The table of that name, matched regardless of letter case; nullptr if none.
const Table *find(const QString &tableName);

// The statements that create an empty archive, in an SQLite file or in the given engine.
QStringList createStatements();
QStringList createStatements(const Dialect &dialect);
QString quoted(const QString &identifier);

} // namespace censaria::schema
