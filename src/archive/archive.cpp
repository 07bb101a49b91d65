#include "archive.h"

#include "resultcheck.h"
#include "schema.h"
#include "servererrors.h"
#include "serversetup.h"
#include "sqlitefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpSocket>
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

// The write lock is taken at the start where the engine allows it (SQLite), so that a
// busy archive is met before anything is written.
bool beginWrite(QSqlDatabase &db, const Dialect &dialect, QSqlError *error)
{
    QSqlQuery query(db);
    if (query.exec(dialect.beginWrite()))
        return true;
    *error = query.lastError();
    return false;
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

// Both tables there, each with all its columns.
bool hasTables(const QSqlDatabase &db)
{
    const int hidden = Dialect::of(db).hiddenColumns();
    const QStringList present = db.tables();
    for (const schema::Table &table : schema::tables()) {
        const auto found = std::find_if(present.begin(), present.end(), [&](const QString &name) {
            return name.compare(table.name, Qt::CaseInsensitive) == 0;
        });
        if (found == present.end() || db.record(*found).count() != table.columns.size() + hidden)
            return false;
    }
    return true;
}

// Whether anything listens where the settings put the server, so that a server that
// cannot be reached is told apart from one that turns us away.
bool serverAnswers(const ArchiveSettings &settings)
{
    if (settings.host.startsWith(u'/'))
        return QFileInfo::exists(QStringLiteral("%1/.s.PGSQL.%2").arg(settings.host).arg(settings.port));
    QTcpSocket socket;
    socket.connectToHost(settings.host, quint16(settings.port));
    return socket.waitForConnected(3000);
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

Archive::Archive(const QString &fileName)
    : connection_(newConnectionName())
    , fileName_(fileName)
{
}

Archive::Archive(const ArchiveSettings &settings, const QString &fileName)
    : connection_(newConnectionName())
    , fileName_(fileName)
    , settings_(settings)
{
}

Archive::~Archive()
{
    close();
}

QString Archive::place() const
{
    return isServer() ? settings_.serverText() : QDir::toNativeSeparators(fileName_);
}

QSqlDatabase Archive::connection() const
{
    return QSqlDatabase::database(connection_, false);
}

ArchiveProblem Archive::open()
{
    lastError_.clear();
    lastFailure_ = ArchiveFailure::None;
    readOnly_ = false;
    if (isServer())
        return openServer();
    const QFileInfo info(fileName_);
    if (const ArchiveProblem problem = checkFile(info); problem != ArchiveProblem::None)
        return problem;
    if (!info.isWritable())
        return ArchiveProblem::ReadOnly;
    if (QSqlError error; !sqlitefile::recoverInterruptedWrite(info.absoluteFilePath(), &error)) {
        lastError_ = error.text();
        const sqlitefile::Failure failure = sqlitefile::classify(error);
        return failure == sqlitefile::Failure::Busy       ? ArchiveProblem::Busy
             : failure == sqlitefile::Failure::ReadOnly ? ArchiveProblem::FolderReadOnly
                                                        : ArchiveProblem::Damaged;
    }
    if (const ArchiveProblem problem = checkReadOnly(info.absoluteFilePath(), connection_ + QStringLiteral("-check"), false);
        problem != ArchiveProblem::None)
        return problem;
    return openForWriting(info.absoluteFilePath());
}

ArchiveProblem Archive::openReadOnly()
{
    lastError_.clear();
    lastFailure_ = ArchiveFailure::None;
    readOnly_ = true;
    const QFileInfo info(fileName_);
    if (const ArchiveProblem problem = checkFile(info); problem != ArchiveProblem::None)
        return problem;
    const ArchiveProblem problem = checkReadOnly(info.absoluteFilePath(), connection_, true);
    checkedSinceOpen_ = problem == ArchiveProblem::None;
    return problem;
}

// What the file system and the file's first bytes say, before SQLite looks at it.
ArchiveProblem Archive::checkFile(const QFileInfo &info)
{
    if (!info.exists())
        return ArchiveProblem::Missing;
    if (info.isDir())
        return ArchiveProblem::Folder;
    if (const ArchiveProblem problem = sniff(fileName_); problem != ArchiveProblem::None)
        return problem == ArchiveProblem::Unreadable && !info.isReadable() ? ArchiveProblem::NotPermitted : problem;
    return ArchiveProblem::None;
}

// Tables, columns and pages, examined through a connection that cannot change the file:
// someone else's database offered by mistake leaves exactly as it came.
ArchiveProblem Archive::checkReadOnly(const QString &absolutePath, const QString &connection, bool keep)
{
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
        if (problem == ArchiveProblem::None && keep)
            return problem;
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
    } else if (!sqlitefile::makeDurable(db, absolutePath, &error) || !sqlitefile::probeWrite(db, &error)) {
        problem = sqlitefile::classify(error) == sqlitefile::Failure::ReadOnly ? ArchiveProblem::FolderReadOnly
                                                                               : ArchiveProblem::Unreadable;
    }
    if (problem == ArchiveProblem::None) {
        checkedSinceOpen_ = true; // checkReadOnly ran the full check just before
        return problem;
    }
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
    // The file is read in one transaction that starts before the check: an archive that
    // another program is writing is then told apart from a damaged one.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN")) || !begin.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !begin.next()) {
        const QSqlError error = begin.lastError();
        begin.finish();
        sqlitefile::rollback(db);
        return fail(error);
    }
    begin.finish();
    const QString found = sqlitefile::integrityCheck(db);
    sqlitefile::rollback(db);
    if (!found.isEmpty())
        return fail(found, ArchiveFailure::Damaged);
    return true;
}

ArchiveProblem Archive::openServer()
{
    if (!settings_.problem.isEmpty()) {
        lastError_ = settings_.problem;
        return ArchiveProblem::BadSettings;
    }
    if (!settings_.passwordFile.isEmpty()) {
        QString problem;
        password_ = readServerPassword(settings_, &problem);
        if (!problem.isEmpty()) {
            lastError_ = problem;
            return ArchiveProblem::BadSettings;
        }
    }
    // Checked here, as libpq would only say that the connection failed.
    const bool verifies = settings_.sslmode.startsWith(QLatin1String("verify-"));
    if (verifies && !settings_.host.startsWith(u'/') && !QFileInfo(settings_.sslrootcert).isReadable()) {
        lastError_ = QStringLiteral("non riesco a leggere il certificato dell'autorità della scuola %1 («sslrootcert=»), "
                                    "che serve a riconoscere il server.")
                         .arg(settings_.sslrootcert);
        return ArchiveProblem::BadSettings;
    }
    broken_ = true; // until the checks below pass, the next use tries again
    if (!connectServer(settings_.database)) {
        const QString error = lastError_;
        if (!serverAnswers(settings_))
            return ArchiveProblem::Unreachable;
        // The same user and password let in to the server's own database: ours is missing.
        const bool letIn = connectServer(QStringLiteral("postgres"));
        close();
        lastError_ = error;
        return letIn ? ArchiveProblem::NoDatabase : ArchiveProblem::Refused;
    }
    if (!hasTables(connection())) {
        lastError_ = connection().lastError().text();
        close();
        return ArchiveProblem::NotAnArchive;
    }
    broken_ = false;
    // Still connected: the results wait in the queue until the technician brings the
    // server up to this version.
    return mayRecord() ? ArchiveProblem::None : ArchiveProblem::NotUpgraded;
}

bool Archive::mayRecord()
{
    QSqlQuery query(connection());
    query.prepare(QStringLiteral("SELECT coalesce(has_function_privilege(to_regprocedure(?), 'EXECUTE'), false)"));
    query.addBindValue(serversetup::recordFunction());
    if (!query.exec() || !query.next()) {
        lastError_ = query.lastError().text();
        return false;
    }
    return query.value(0).toBool();
}

bool Archive::connectServer(const QString &database)
{
    close();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
        db.setHostName(settings_.host);
        db.setPort(settings_.port);
        db.setDatabaseName(database);
        db.setUserName(settings_.user);
        db.setPassword(password_);
        db.setConnectOptions(settings_.connectOptions());
        ok = db.open();
        if (!ok)
            lastError_ = db.lastError().text();
    }
    if (!ok)
        close();
    return ok;
}

bool Archive::reconnectIfBroken()
{
    if (!broken_ && isOpen())
        return true;
    if (!connectServer(settings_.database))
        return false;
    broken_ = false;
    return true;
}

template <typename Operation>
auto Archive::retried(Operation operation) -> decltype(operation())
{
    if (!isServer())
        return operation();
    // A connection that broke (a restarted server, a network that came back) is made
    // anew once; the operation is one transaction, so running it again is harmless.
    if (!reconnectIfBroken())
        return {};
    auto result = operation();
    if (!result && broken_ && reconnectIfBroken())
        result = operation();
    return result;
}

QSqlQuery &Archive::prepared(const QString &sql)
{
    // Prepared once per connection: on the server each preparation is a round trip.
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        found = statements_.emplace(sql, QSqlQuery(connection())).first;
        found->second.prepare(sql);
    }
    return found->second;
}

void Archive::close()
{
    statements_.clear();
    checkedSinceOpen_ = false;
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

bool Archive::createOnServer(const ArchiveSettings &settings, QString *error)
{
    Archive archive(settings, QString());
    QString problem;
    if (!settings.passwordFile.isEmpty())
        archive.password_ = readServerPassword(settings, &problem);
    if (!problem.isEmpty() || !archive.connectServer(settings.database)) {
        *error = problem.isEmpty() ? archive.lastError() : problem;
        return false;
    }
    QSqlDatabase db = archive.connection();
    for (const QString &present : db.tables()) {
        if (schema::find(present)) {
            *error = QStringLiteral("the table %1 exists already in %2; it is left as it is").arg(present, settings.database);
            return false;
        }
    }
    QSqlQuery query(db);
    bool ok = db.transaction();
    for (const QString &statement : schema::createStatements(Dialect(Dialect::Engine::PostgreSQL)))
        ok = ok && query.exec(statement);
    ok = ok && db.commit();
    if (!ok) {
        *error = query.lastError().text() + db.lastError().text();
        db.rollback();
    }
    return ok;
}

bool Archive::fail(const QString &what, ArchiveFailure failure)
{
    lastError_ = what;
    lastFailure_ = failure;
    // A connection that answered (a lock that timed out, a right the role lacks, a
    // refused result) is kept; any other failure connects anew at the next use.
    if (failure != ArchiveFailure::Busy && failure != ArchiveFailure::NotPermitted && failure != ArchiveFailure::Refused)
        broken_ = isServer();
    return false;
}

bool Archive::fail(const QSqlError &error)
{
    return fail(error.text(), classify(error));
}

ArchiveFailure Archive::classify(const QSqlError &error) const
{
    if (isServer())
        return classifyServerError(error);
    switch (sqlitefile::classify(error)) {
    case sqlitefile::Failure::Busy: return ArchiveFailure::Busy;
    case sqlitefile::Failure::DiskFull: return ArchiveFailure::DiskFull;
    case sqlitefile::Failure::ReadOnly: return ArchiveFailure::ReadOnly;
    case sqlitefile::Failure::Damaged: return ArchiveFailure::Damaged;
    case sqlitefile::Failure::Other: break;
    }
    return ArchiveFailure::Other;
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
        if (beginWrite(db, dialect(), &error)) {
            if (!body(db)) {
                sqlitefile::rollback(db);
                return false;
            }
            if (sqlitefile::commit(db, &error)) {
                checkedSinceOpen_ = false;
                return true;
            }
            sqlitefile::rollback(db);
        }
        fail(error);
        // The server has waited its lock timeout already: the result goes to the queue.
        if (lastFailure_ != ArchiveFailure::Busy || attempt == tries || isServer())
            return false;
    }
}

bool Archive::writeTransaction(const std::function<bool(QSqlDatabase &, QSqlError *)> &change)
{
    return retried([&] {
        return inWriteTransaction([&](QSqlDatabase &db) {
            QSqlError error;
            return change(db, &error) || fail(error);
        });
    });
}

bool Archive::writeResult(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, WriteRule rule)
{
    return retried([&] { return writeResultOnce(table, name, values, rule); });
}

bool Archive::writeResultOnce(const QString &tableName, const QString &name, const QList<std::pair<int, QVariant>> &values,
                              WriteRule rule)
{
    const schema::Table *table = schema::find(tableName);
    if (!table || !isOpen())
        return fail(QStringLiteral("archive not open or unknown table %1").arg(tableName));
    if (isServer())
        return recordOnServer(table->name, name, values);
    QVariantList dates(table->columns.size());
    for (const auto &[position, value] : values) {
        if (position < 0 || position >= table->columns.size())
            return fail(QStringLiteral("no column at position %1").arg(position));
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

    return inWriteTransaction([&](QSqlDatabase &) {
        // The pupil's first row takes the values; without one a new row is added.
        const QString firstRow = QStringLiteral("SELECT rowid FROM %1 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1").arg(schema::quoted(table->name));
        const QString update =
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (%3)").arg(schema::quoted(table->name), assignments.join(u','), firstRow);
        auto updateRow = [&](bool *found) {
            QSqlQuery &query = prepared(assignments.isEmpty() ? firstRow : update);
            for (const QVariant &value : assignments.isEmpty() ? QVariantList() : bound)
                query.addBindValue(value);
            query.addBindValue(name);
            if (!query.exec())
                return fail(query.lastError());
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
            QSqlQuery &insert = prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                             .arg(schema::quoted(table->name), columns.join(u','),
                                                  QStringList(QList<QString>(columns.size(), QStringLiteral("?"))).join(u',')));
            insert.addBindValue(name);
            for (const auto &entry : values)
                insert.addBindValue(toStored(entry.second));
            if (!insert.exec())
                return fail(insert.lastError());
        }
        return true;
    });
}

bool Archive::recordOnServer(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values)
{
    QString why;
    const std::optional<QList<ResultGroup>> results = checkedResults(table, name, values, QDateTime(), &why);
    if (!results)
        return fail(why, ArchiveFailure::Refused);
    const auto call = [&](const ResultGroup *result) {
        QSqlQuery &query = prepared(serversetup::recordCall());
        query.addBindValue(table);
        query.addBindValue(name);
        if (result) {
            QStringList counts;
            for (qint64 count : result->counts)
                counts.append(QString::number(count));
            query.addBindValue(result->first);
            query.addBindValue(u'{' + counts.join(u',') + u'}');
            query.addBindValue(result->date.toString(dateFormat));
        } else {
            // Only the pupil's row: the name alone.
            for (int i = 0; i < 3; ++i)
                query.addBindValue(QVariant());
        }
        const bool ok = query.exec();
        if (!ok)
            fail(query.lastError());
        query.finish();
        return ok;
    };
    // One result is one statement, a transaction of its own; several go together.
    if (results->size() <= 1)
        return call(results->isEmpty() ? nullptr : &results->first());
    return inWriteTransaction([&](QSqlDatabase &) {
        return std::all_of(results->begin(), results->end(), [&](const ResultGroup &result) { return call(&result); });
    });
}

bool Archive::readFailed(const QSqlQuery &query)
{
    return fail(query.lastError());
}

std::optional<ArchiveRow> Archive::findRow(const QString &tableName, const QString &name)
{
    const schema::Table *table = schema::find(tableName);
    if (!table)
        return std::nullopt;
    return retried([&]() -> std::optional<ArchiveRow> {
        if (!isOpen())
            return std::nullopt;
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"nome\" = ? ORDER BY rowid LIMIT 1")
                          .arg(selectList(*table, dialect()), schema::quoted(table->name)));
        query.addBindValue(name);
        if (!query.exec() || !query.next()) {
            if (query.lastError().isValid())
                readFailed(query);
            return std::nullopt;
        }
        return readRow(query, *table);
    });
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
    if (!table)
        return std::nullopt;
    return retried([&]() -> std::optional<QList<ArchiveRow>> {
        if (!isOpen())
            return std::nullopt;
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(selectList(*table, dialect()), schema::quoted(table->name)))) {
            readFailed(query);
            return std::nullopt;
        }
        QList<ArchiveRow> all;
        while (query.next())
            all.append(readRow(query, *table, asStored));
        return all;
    });
}

bool Archive::appendRows(const QString &tableName, const QList<ArchiveRow> &rows)
{
    return appendTables({{tableName, rows}});
}

bool Archive::appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables)
{
    return retried([&] { return appendTablesOnce(tables); });
}

bool Archive::appendTablesOnce(const QList<std::pair<QString, QList<ArchiveRow>>> &tables)
{
    if (!isOpen())
        return fail(QStringLiteral("archive not open"));
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
    if (!isOpen() || isServer())
        return fail(QStringLiteral("archive not open, or on a server that keeps its own copies"));
    // The copy's file is made here, new: a name that someone else put there first (a
    // link to another file) is refused, never written through.
    QFile target(fileName);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(QStringLiteral("%1: %2").arg(fileName, target.errorString()));
    target.close();
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(fileName);
    if (!query.exec())
        return fail(query.lastError());
    return true;
}

QStringList Archive::names()
{
    const auto names = retried([&]() -> std::optional<QStringList> {
        if (!isOpen())
            return std::nullopt;
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT \"nome\" FROM \"questionari\" ORDER BY rowid"))) {
            readFailed(query);
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
