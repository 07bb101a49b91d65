#include "archive.h"

#include "schema.h"
#include "sqlitefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
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

std::optional<qint64> rowCount(QSqlDatabase &db, const schema::Table &table)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(schema::quoted(table.name))) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
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
    lastError_.clear();
    lastFailure_ = ArchiveFailure::None;
    const QFileInfo info(fileName_);
    if (!info.exists())
        return ArchiveProblem::Missing;
    if (info.isDir())
        return ArchiveProblem::Folder;
    if (const ArchiveProblem problem = sniff(fileName_); problem != ArchiveProblem::None)
        return problem == ArchiveProblem::Unreadable && !info.isReadable() ? ArchiveProblem::NotPermitted : problem;
    if (!info.isWritable())
        return ArchiveProblem::ReadOnly;
    if (QSqlError error; !sqlitefile::recoverInterruptedWrite(info.absoluteFilePath(), &error)) {
        lastError_ = error.text();
        const sqlitefile::Failure failure = sqlitefile::classify(error);
        return failure == sqlitefile::Failure::Busy       ? ArchiveProblem::Busy
             : failure == sqlitefile::Failure::ReadOnly ? ArchiveProblem::FolderReadOnly
                                                        : ArchiveProblem::Damaged;
    }
    if (const ArchiveProblem problem = checkReadOnly(info.absoluteFilePath()); problem != ArchiveProblem::None)
        return problem;
    return openForWriting(info.absoluteFilePath());
}

// Tables, columns and pages, examined through a connection that cannot change the file:
// someone else's database offered by mistake leaves exactly as it came.
ArchiveProblem Archive::checkReadOnly(const QString &absolutePath)
{
    const QString connection = connection_ + QStringLiteral("-check");
    ArchiveProblem problem = ArchiveProblem::None;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        sqlitefile::configure(db, absolutePath, true);
        QSqlError error;
        QStringList present;
        auto failed = [&](ArchiveProblem found, const QString &what) {
            lastError_ = what;
            problem = sqlitefile::classify(error) == sqlitefile::Failure::Busy ? ArchiveProblem::Busy : found;
        };
        if (!db.open()) {
            error = db.lastError();
            failed(ArchiveProblem::Unreadable, error.text());
        } else if (!sqlitefile::tableNames(db, &present, &error)) {
            failed(ArchiveProblem::NotAnArchive, error.text()); // a file that is no database at all
        } else {
            QStringList found; // each table's name as the file spells it
            for (const schema::Table &table : schema::tables()) {
                const auto name = std::find_if(present.begin(), present.end(), [&](const QString &candidate) {
                    return candidate.compare(table.name, Qt::CaseInsensitive) == 0;
                });
                if (name == present.end()) {
                    failed(ArchiveProblem::NotAnArchive, QStringLiteral("no table %1").arg(table.name));
                    break;
                }
                found.append(*name);
            }
            for (qsizetype t = 0; t < found.size() && problem == ArchiveProblem::None; ++t) {
                // Results are written by column name and read by position: both must match.
                const schema::Table &table = schema::tables().at(t);
                const QSqlRecord record = db.record(found[t]);
                QStringList expected, actual;
                for (const schema::Column &column : table.columns)
                    expected.append(column.name.toLower());
                for (int i = 0; i < record.count(); ++i)
                    actual.append(record.fieldName(i).toLower());
                if (actual != expected)
                    failed(actual.isEmpty() ? ArchiveProblem::Busy : ArchiveProblem::OtherColumns,
                           QStringLiteral("%1: %2").arg(table.name, actual.join(QStringLiteral(", "))));
            }
            if (problem == ArchiveProblem::None) {
                // The full check: at 10 000 pupils it costs hardly more than the quick one
                // (scripts/bench), and it also finds an index that lost an entry.
                if (const QString found = sqlitefile::integrityCheck(db); !found.isEmpty())
                    failed(ArchiveProblem::Damaged, found);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return problem;
}

ArchiveProblem Archive::openForWriting(const QString &absolutePath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    sqlitefile::configure(db, absolutePath, false);
    QSqlError error;
    ArchiveProblem problem = ArchiveProblem::None;
    if (!db.open()) {
        error = db.lastError();
        problem = ArchiveProblem::Unreadable;
    } else if (!sqlitefile::makeDurable(db, &error) || !sqlitefile::probeWrite(db, &error)) {
        problem = sqlitefile::classify(error) == sqlitefile::Failure::ReadOnly ? ArchiveProblem::FolderReadOnly
                                                                               : ArchiveProblem::Unreadable;
    }
    if (problem == ArchiveProblem::None)
        return problem;
    if (sqlitefile::classify(error) == sqlitefile::Failure::Busy)
        problem = ArchiveProblem::Busy;
    lastError_ = error.text();
    close();
    return problem;
}

bool Archive::quickCheck()
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (const QString found = sqlitefile::quickCheck(db); !found.isEmpty())
        return fail(found, ArchiveFailure::Damaged);
    return true;
}

bool Archive::integrityCheck()
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (const QString found = sqlitefile::integrityCheck(db); !found.isEmpty())
        return fail(found, ArchiveFailure::Damaged);
    return true;
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

bool Archive::fail(const QString &what, ArchiveFailure failure)
{
    lastError_ = what;
    lastFailure_ = failure;
    return false;
}

bool Archive::fail(const QSqlError &error)
{
    switch (sqlitefile::classify(error)) {
    case sqlitefile::Failure::Busy: return fail(error.text(), ArchiveFailure::Busy);
    case sqlitefile::Failure::DiskFull: return fail(error.text(), ArchiveFailure::DiskFull);
    case sqlitefile::Failure::ReadOnly: return fail(error.text(), ArchiveFailure::ReadOnly);
    case sqlitefile::Failure::Damaged: return fail(error.text(), ArchiveFailure::Damaged);
    case sqlitefile::Failure::Other: break;
    }
    return fail(error.text(), ArchiveFailure::Other);
}

bool Archive::inWriteTransaction(const std::function<bool(QSqlDatabase &)> &body)
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // Each try waits up to the busy timeout for the other program to finish its write.
    constexpr int tries = 3;
    for (int attempt = 1;; ++attempt) {
        QSqlError error;
        if (sqlitefile::beginWrite(db, &error)) {
            if (!body(db)) {
                sqlitefile::rollback(db);
                return false;
            }
            if (sqlitefile::commit(db, &error))
                return true;
            sqlitefile::rollback(db);
        }
        fail(error);
        if (lastFailure_ != ArchiveFailure::Busy || attempt == tries)
            return false;
    }
}

bool Archive::writeResult(const QString &tableName, const QString &name, const QList<std::pair<int, QVariant>> &values)
{
    const schema::Table *table = schema::find(tableName);
    if (!table)
        return fail(QStringLiteral("unknown table %1").arg(tableName));
    for (const auto &entry : values)
        if (entry.first < 0 || entry.first >= table->columns.size())
            return fail(QStringLiteral("no column at position %1").arg(entry.first));
    return inWriteTransaction([&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1").arg(schema::quoted(table->name)));
        query.addBindValue(name);
        if (!query.exec())
            return fail(query.lastError());
        qint64 rowId = -1;
        if (query.next()) {
            rowId = query.value(0).toLongLong();
        } else {
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO %1 (\"nome\") VALUES (?)").arg(schema::quoted(table->name)));
            insert.addBindValue(name);
            if (!insert.exec())
                return fail(insert.lastError());
            rowId = insert.lastInsertId().toLongLong();
        }
        query.finish();
        if (values.isEmpty())
            return true;
        QStringList assignments;
        for (const auto &entry : values)
            assignments.append(schema::quoted(table->columns[entry.first].name) + QStringLiteral(" = ?"));
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(schema::quoted(table->name), assignments.join(u',')));
        for (const auto &entry : values)
            update.addBindValue(toStored(entry.second));
        update.addBindValue(rowId);
        if (!update.exec())
            return fail(update.lastError());
        return true;
    });
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
    for (const auto &entry : tables)
        if (!schema::find(entry.first))
            return fail(QStringLiteral("unknown table %1").arg(entry.first));
    return inWriteTransaction([&](QSqlDatabase &db) {
        for (const auto &[tableName, rows] : tables) {
            const schema::Table &table = *schema::find(tableName);
            const std::optional<qint64> before = rowCount(db, table);
            if (!before)
                return fail(QStringLiteral("cannot count the rows of %1").arg(table.name));
            QSqlQuery insert(db);
            const QString marks = QStringList(QList<QString>(table.columns.size(), QStringLiteral("?"))).join(u',');
            insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(schema::quoted(table.name), columnList(table), marks));
            for (const ArchiveRow &row : rows) {
                for (int i = 0; i < table.columns.size(); ++i)
                    insert.bindValue(i, i < row.size() ? toStored(row[i]) : QVariant());
                if (!insert.exec())
                    return fail(insert.lastError());
            }
            // An archive may quietly drop rows (a trigger, a rule): only what arrived counts.
            const std::optional<qint64> after = rowCount(db, table);
            if (!after || *after - *before != rows.size())
                return fail(QStringLiteral("%1: %2 rows sent, %3 arrived")
                                .arg(table.name)
                                .arg(rows.size())
                                .arg(after ? *after - *before : -1),
                            ArchiveFailure::Refused);
        }
        return true;
    });
}

bool Archive::copyTo(const QString &fileName)
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(fileName);
    if (!query.exec())
        return fail(query.lastError());
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
