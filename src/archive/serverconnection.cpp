#include "serverconnection.h"

#include "resultcheck.h"
#include "schema.h"
#include "serversetup.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpSocket>

namespace censaria {
namespace {

// Both tables there, each with all its columns.
bool hasTables(const QSqlDatabase &db)
{
    const int hidden = Dialect::of(db).hiddenColumns();
    const QStringList present = db.tables();
    for (const schema::Table &table : schema::tables()) {
        const auto found = std::find_if(present.begin(), present.end(),
                                        [&](const QString &name) { return name.compare(table.name, Qt::CaseInsensitive) == 0; });
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

} // namespace

ServerConnection::ServerConnection(Archive &archive, ArchiveSettings settings)
    : archive_(archive)
    , settings_(std::move(settings))
{
}

ArchiveProblem ServerConnection::open()
{
    if (!settings_.problem.isEmpty()) {
        archive_.lastError_ = settings_.problem;
        return ArchiveProblem::BadSettings;
    }
    if (!settings_.passwordFile.isEmpty()) {
        QString problem;
        password_ = readServerPassword(settings_, &problem);
        if (!problem.isEmpty()) {
            archive_.lastError_ = problem;
            return ArchiveProblem::BadSettings;
        }
    }
    // Checked here, as libpq would only say that the connection failed.
    const bool verifies = settings_.sslmode.startsWith(QLatin1String("verify-"));
    if (verifies && !settings_.host.startsWith(u'/') && !QFileInfo(settings_.sslrootcert).isReadable()) {
        archive_.lastError_ = QStringLiteral("non riesco a leggere il certificato dell'autorità della scuola %1 («sslrootcert=»), "
                                             "che serve a riconoscere il server.")
                                  .arg(settings_.sslrootcert);
        return ArchiveProblem::BadSettings;
    }
    broken_ = true; // until the checks below pass, the next use tries again
    if (!connect(settings_.database)) {
        const QString error = archive_.lastError_;
        if (!serverAnswers(settings_))
            return ArchiveProblem::Unreachable;
        // The same user and password let in to the server's own database: ours is missing.
        const bool letIn = connect(QStringLiteral("postgres"));
        archive_.close();
        archive_.lastError_ = error;
        return letIn ? ArchiveProblem::NoDatabase : ArchiveProblem::Refused;
    }
    if (!hasTables(archive_.connection())) {
        archive_.lastError_ = archive_.connection().lastError().text();
        archive_.close();
        return ArchiveProblem::NotAnArchive;
    }
    broken_ = false;
    // Still connected: the results wait in the queue until the technician brings the
    // server up to this version.
    return mayRecord() ? ArchiveProblem::None : ArchiveProblem::NotUpgraded;
}

bool ServerConnection::mayRecord()
{
    QSqlQuery query(archive_.connection());
    query.prepare(QStringLiteral("SELECT coalesce(has_function_privilege(to_regprocedure(?), 'EXECUTE'), false)"));
    query.addBindValue(serversetup::recordFunction());
    if (!query.exec() || !query.next()) {
        archive_.lastError_ = query.lastError().text();
        return false;
    }
    return query.value(0).toBool();
}

bool ServerConnection::connect(const QString &database)
{
    archive_.close();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), archive_.connection_);
        db.setHostName(settings_.host);
        db.setPort(settings_.port);
        db.setDatabaseName(database);
        db.setUserName(settings_.user);
        db.setPassword(password_);
        db.setConnectOptions(settings_.connectOptions());
        ok = db.open();
        if (!ok)
            archive_.lastError_ = db.lastError().text();
    }
    if (!ok)
        archive_.close();
    return ok;
}

bool ServerConnection::reconnectIfBroken()
{
    if (!broken_ && archive_.isOpen())
        return true;
    if (!connect(settings_.database))
        return false;
    broken_ = false;
    return true;
}

bool ServerConnection::record(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values)
{
    QString why;
    const std::optional<QList<ResultGroup>> results = checkedResults(table, name, values, QDateTime(), &why);
    if (!results)
        return archive_.fail(why, ArchiveFailure::Refused);
    const auto call = [&](const ResultGroup *result) {
        QSqlQuery &query = archive_.prepared(serversetup::recordCall());
        query.addBindValue(table);
        query.addBindValue(name);
        if (result) {
            QStringList counts;
            for (qint64 count : result->counts)
                counts.append(QString::number(count));
            query.addBindValue(result->first);
            query.addBindValue(u'{' + counts.join(u',') + u'}');
            query.addBindValue(result->date.toString(schema::storedDateFormat));
        } else {
            // Only the pupil's row: the name alone.
            for (int i = 0; i < 3; ++i)
                query.addBindValue(QVariant());
        }
        const bool ok = query.exec();
        if (!ok)
            archive_.fail(query.lastError());
        query.finish();
        return ok;
    };
    // One result is one statement, a transaction of its own; several go together.
    if (results->size() <= 1)
        return call(results->isEmpty() ? nullptr : &results->first());
    return archive_.inWriteTransaction(
        [&](QSqlDatabase &) { return std::all_of(results->begin(), results->end(), [&](const ResultGroup &result) { return call(&result); }); });
}

void ServerConnection::noteFailure(ArchiveFailure failure)
{
    // A connection that answered (a lock that timed out, a right the role lacks, a
    // refused result) is kept; any other failure connects anew at the next use.
    if (failure != ArchiveFailure::Busy && failure != ArchiveFailure::NotPermitted && failure != ArchiveFailure::Refused)
        broken_ = isServer();
}

bool ServerConnection::createTables(const ArchiveSettings &settings, QString *error)
{
    Archive archive(settings, QString());
    ServerConnection &server = *archive.server_;
    QString problem;
    if (!settings.passwordFile.isEmpty())
        server.password_ = readServerPassword(settings, &problem);
    if (!problem.isEmpty() || !server.connect(settings.database)) {
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

} // namespace censaria
