#include "schema.h"

#include "dialect.h"

namespace censaria::schema {
namespace {

// Both tables open with the pupil's name and a free note column that the program
// never uses; the export copies it like the others, so it must not be a unique key.
QList<Column> keyColumns()
{
    return {{QStringLiteral("nome"), ColumnType::Text}, {QStringLiteral("annotazioni"), ColumnType::Text}};
}

Table makeQuestionari()
{
    Table t{QStringLiteral("questionari"), keyColumns()};
    const char *counts[] = {"I tre periodi",
                            "periodo fam tradizionali",
                            "periodo Boom demografico",
                            "periodo post-industriale",
                            "Densità popolazione",
                            "Carta della densità",
                            "Piramidi",
                            "Popolazione italiana",
                            "Famiglie tradizionali",
                            "Famiglie moderne"};
    int n = 1;
    for (const char *count : counts) {
        t.columns.append({QString::fromUtf8(count), ColumnType::Int16});
        t.columns.append({QStringLiteral("data%1").arg(n++), ColumnType::DateTime});
    }
    return t;
}

Table makeEsercizi()
{
    Table t{QStringLiteral("esercizi"), keyColumns()};
    const char *groups[][3] = {{"calcolo Saldi", "saldiSB", "saldi%"},
                               {"comprensione", "comprensioneSB", "comprensione%"},
                               {"calcolo Tassi", "tassiSB", "tassi%"}};
    int n = 1;
    for (const auto &group : groups) {
        for (const char *column : group)
            t.columns.append({QString::fromUtf8(column), ColumnType::Int32});
        t.columns.append({QStringLiteral("data%1").arg(n++), ColumnType::DateTime});
    }
    return t;
}

} // namespace

int Table::position(const QString &column) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Table::datePosition(int position) const
{
    // The name and the note are not results.
    if (position < 0 || position >= columns.size() || columns[position].type == ColumnType::Text)
        return -1;
    for (int i = position; i < columns.size(); ++i)
        if (columns[i].type == ColumnType::DateTime)
            return i;
    return -1;
}

const Table &questionari()
{
    static const Table table = makeQuestionari();
    return table;
}

const Table &esercizi()
{
    static const Table table = makeEsercizi();
    return table;
}

const QList<Table> &tables()
{
    static const QList<Table> all{questionari(), esercizi()};
    return all;
}

const Table *find(const QString &tableName)
{
    for (const Table *table : {&questionari(), &esercizi()})
        if (table->name.compare(tableName, Qt::CaseInsensitive) == 0)
            return table;
    return nullptr;
}

QString quoted(const QString &identifier)
{
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QStringList createStatements()
{
    return createStatements(Dialect(Dialect::Engine::SQLite));
}

QStringList createStatements(const Dialect &dialect)
{
    QStringList statements;
    for (const Table &table : tables()) {
        QStringList columns;
        for (const Column &column : table.columns)
            columns.append(quoted(column.name) + u' ' + dialect.columnType(column.type));
        if (const QString rowNumber = dialect.rowNumberColumn(); !rowNumber.isEmpty())
            columns.append(rowNumber);
        statements.append(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), columns.join(QStringLiteral(", "))));
        // Index names are shared by all the tables of a file (or a server's schema), so each table's "nome" index carries its table's name.
        statements.append(
            QStringLiteral("CREATE INDEX %1 ON %2 (\"nome\" ASC)").arg(quoted(QStringLiteral("nome_") + table.name), quoted(table.name)));
    }
    return statements;
}

} // namespace censaria::schema
