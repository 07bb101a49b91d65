#include "archive.h"

#include "schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <atomic>

namespace censaria {
namespace {

const QString dateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("censaria-archive-%1").arg(++counter);
}

// What the first bytes of the file say it is.
ArchiveProblem sniff(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return ArchiveProblem::Unreadable;
    const QByteArray head = file.read(32);
    if (head.isEmpty() || head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return ArchiveProblem::None;
    // Jet and ACE files (.mdb/.accdb) name their engine in bytes 4 to 18.
    const QByteArray engine = head.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return ArchiveProblem::OldFormat;
    return ArchiveProblem::NotAnArchive;
}

QVariant toStored(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(dateFormat);
    return value;
}

QVariant fromStored(const QVariant &value, schema::ColumnType type)
{
    if (value.isNull())
        return QVariant();
    switch (type) {
    case schema::ColumnType::DateTime: {
        const QDateTime when = QDateTime::fromString(value.toString(), dateFormat);
        return when.isValid() ? QVariant(when) : value;
    }
    case schema::ColumnType::Int16:
    case schema::ColumnType::Int32:
        return value.toLongLong();
    case schema::ColumnType::Text:
        return value.toString();
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

ArchiveRow readRow(const QSqlQuery &query, const schema::Table &table, bool asStored = false)
{
    ArchiveRow row;
    row.reserve(table.columns.size());
    for (int i = 0; i < table.columns.size(); ++i)
        row.append(asStored ? query.value(i) : fromStored(query.value(i), table.columns[i].type));
    return row;
}

} // namespace

Archive::Archive(const QString &fileName)
    : connection_(newConnectionName())
    , fileName_(fileName)
{
}

Archive::~Archive()
{
    close();
}

ArchiveProblem Archive::open()
{
    const QFileInfo info(fileName_);
    if (!info.exists() || !info.isFile())
        return ArchiveProblem::Missing;
    if (const ArchiveProblem problem = sniff(fileName_); problem != ArchiveProblem::None)
        return problem;
    if (!info.isWritable())
        return ArchiveProblem::ReadOnly;

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    // mode=rw: SQLite must never create a missing archive behind our back.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!db.open()) {
        lastError_ = db.lastError().text();
        close();
        return ArchiveProblem::Unreadable;
    }
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    pragma.exec(QStringLiteral("PRAGMA synchronous=FULL"));

    const QStringList present = db.tables();
    for (const schema::Table &table : schema::tables()) {
        const auto found = std::find_if(present.begin(), present.end(), [&](const QString &name) {
            return name.compare(table.name, Qt::CaseInsensitive) == 0;
        });
        if (found == present.end() || db.record(*found).count() != table.columns.size()) {
            // A file that is not a database at all fails here too.
            lastError_ = db.lastError().text();
            close();
            return ArchiveProblem::NotAnArchive;
        }
    }
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() || check.value(0).toString() != QLatin1String("ok")) {
        lastError_ = check.lastError().isValid() ? check.lastError().text() : check.value(0).toString();
        close();
        return ArchiveProblem::Damaged;
    }
    return ArchiveProblem::None;
}

void Archive::close()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool Archive::isOpen() const
{
    return QSqlDatabase::contains(connection_) && QSqlDatabase::database(connection_, false).isOpen();
}

bool Archive::createEmpty(const QString &fileName, QString *error)
{
    if (QFileInfo::exists(fileName)) {
        if (error)
            *error = QStringLiteral("%1 exists already").arg(fileName);
        return false;
    }
    const QString connection = newConnectionName();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(fileName);
        ok = db.open() && db.transaction();
        QSqlQuery query(db);
        for (const QString &statement : schema::createStatements())
            ok = ok && query.exec(statement);
        ok = ok && db.commit();
        if (!ok && error)
            *error = query.lastError().text() + db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!ok)
        QFile::remove(fileName);
    return ok;
}

bool Archive::fail(const QString &what)
{
    lastError_ = what;
    if (isOpen())
        QSqlDatabase::database(connection_, false).rollback();
    return false;
}

bool Archive::writeResult(const QString &tableName, const QString &name, const QList<std::pair<int, QVariant>> &values)
{
    const schema::Table *table = schema::find(tableName);
    if (!table || !isOpen())
        return fail(QStringLiteral("archive not open or unknown table %1").arg(tableName));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction())
        return fail(db.lastError().text());

    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1").arg(schema::quoted(table->name)));
    query.addBindValue(name);
    if (!query.exec())
        return fail(query.lastError().text());
    qint64 rowId = -1;
    if (query.next()) {
        rowId = query.value(0).toLongLong();
    } else {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO %1 (\"nome\") VALUES (?)").arg(schema::quoted(table->name)));
        insert.addBindValue(name);
        if (!insert.exec())
            return fail(insert.lastError().text());
        rowId = insert.lastInsertId().toLongLong();
    }

    QStringList assignments;
    for (const auto &[position, value] : values) {
        if (position < 0 || position >= table->columns.size())
            return fail(QStringLiteral("no column at position %1").arg(position));
        assignments.append(schema::quoted(table->columns[position].name) + QStringLiteral(" = ?"));
    }
    if (!assignments.isEmpty()) {
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(schema::quoted(table->name), assignments.join(u',')));
        for (const auto &entry : values)
            update.addBindValue(toStored(entry.second));
        update.addBindValue(rowId);
        if (!update.exec())
            return fail(update.lastError().text());
    }
    if (!db.commit())
        return fail(db.lastError().text());
    return true;
}

std::optional<ArchiveRow> Archive::findRow(const QString &tableName, const QString &name)
{
    const schema::Table *table = schema::find(tableName);
    if (!table || !isOpen())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1")
                      .arg(columnList(*table), schema::quoted(table->name)));
    query.addBindValue(name);
    if (!query.exec()) {
        lastError_ = query.lastError().text();
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return readRow(query, *table);
}

std::optional<QList<ArchiveRow>> Archive::rows(const QString &tableName)
{
    return selectAll(tableName, false);
}

std::optional<QList<ArchiveRow>> Archive::storedRows(const QString &tableName)
{
    return selectAll(tableName, true);
}

std::optional<QList<ArchiveRow>> Archive::selectAll(const QString &tableName, bool asStored)
{
    const schema::Table *table = schema::find(tableName);
    if (!table || !isOpen())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columnList(*table), schema::quoted(table->name)))) {
        lastError_ = query.lastError().text();
        return std::nullopt;
    }
    QList<ArchiveRow> all;
    while (query.next())
        all.append(readRow(query, *table, asStored));
    return all;
}

bool Archive::appendRows(const QString &tableName, const QList<ArchiveRow> &rows)
{
    return appendTables({{tableName, rows}});
}

bool Archive::appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables)
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
    for (const auto &entry : tables)
        if (!schema::find(entry.first))
            return fail(QStringLiteral("unknown table %1").arg(entry.first));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction())
        return fail(db.lastError().text());
    for (const auto &[tableName, rows] : tables) {
        const schema::Table &table = *schema::find(tableName);
        QSqlQuery insert(db);
        const QString marks = QStringList(QList<QString>(table.columns.size(), QStringLiteral("?"))).join(u',');
        insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(schema::quoted(table.name), columnList(table), marks));
        for (const ArchiveRow &row : rows) {
            for (int i = 0; i < table.columns.size(); ++i)
                insert.bindValue(i, i < row.size() ? toStored(row[i]) : QVariant());
            if (!insert.exec())
                return fail(insert.lastError().text());
        }
    }
    if (!db.commit())
        return fail(db.lastError().text());
    return true;
}

bool Archive::copyTo(const QString &fileName)
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(fileName);
    if (!query.exec())
        return fail(query.lastError().text());
    return true;
}

QStringList Archive::names()
{
    QStringList names;
    if (!isOpen())
        return names;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT \"nome\" FROM \"questionari\" ORDER BY rowid")))
        lastError_ = query.lastError().text();
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

} // namespace censaria
