#include "archive.h"

#include "archivefile.h"
#include "archiverows.h"
#include "serverconnection.h"
#include "servererrors.h"
#include "sqlitefile.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace censaria {
namespace {

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

} // namespace

QString Archive::newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("censaria-archive-%1").arg(++counter);
}

Archive::Archive(const QString &fileName)
    : Archive(ArchiveSettings(), fileName)
{
}

Archive::Archive(const ArchiveSettings &settings, const QString &fileName)
    : connection_(newConnectionName())
    , file_(std::make_unique<ArchiveFile>(*this, fileName))
    , server_(std::make_unique<ServerConnection>(*this, settings))
    , rows_(std::make_unique<ArchiveRows>(*this))
{
}

Archive::~Archive()
{
    close();
}

QString Archive::fileName() const
{
    return file_->fileName();
}
bool Archive::isReadOnly() const
{
    return file_->isReadOnly();
}
bool Archive::checkedSinceOpen() const
{
    return file_->checkedSinceOpen();
}
bool Archive::isServer() const
{
    return server_->isServer();
}
bool Archive::serverAway() const
{
    return isServer() && server_->broken();
}
const ArchiveSettings &Archive::settings() const
{
    return server_->settings();
}
void Archive::setServerPassword(const QString &password)
{
    server_->setPassword(password);
}

QString Archive::place() const
{
    return isServer() ? settings().serverText() : QDir::toNativeSeparators(fileName());
}

QSqlDatabase Archive::connection() const
{
    return QSqlDatabase::database(connection_, false);
}

ArchiveProblem Archive::open()
{
    lastError_.clear();
    lastFailure_ = ArchiveFailure::None;
    return isServer() ? server_->open() : file_->open();
}

ArchiveProblem Archive::openReadOnly()
{
    lastError_.clear();
    lastFailure_ = ArchiveFailure::None;
    return file_->openReadOnly();
}

bool Archive::quickCheck()
{
    return file_->quickCheck();
}
bool Archive::integrityCheck()
{
    return file_->integrityCheck();
}
bool Archive::copyTo(const QString &fileName)
{
    return file_->copyTo(fileName);
}

bool Archive::createEmpty(const QString &fileName, QString *error)
{
    return ArchiveFile::createEmpty(fileName, error);
}

bool Archive::createOnServer(const ArchiveSettings &settings, QString *error)
{
    return ServerConnection::createTables(settings, error);
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
    file_->forgetCheck();
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

bool Archive::fail(const QString &what, ArchiveFailure failure)
{
    lastError_ = what;
    lastFailure_ = failure;
    server_->noteFailure(failure);
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
    QSqlDatabase db = connection();
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
                file_->forgetCheck();
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
    return server_->retried([&] {
        return inWriteTransaction([&](QSqlDatabase &db) {
            QSqlError error;
            return change(db, &error) || fail(error);
        });
    });
}

bool Archive::writeResult(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values, WriteRule rule)
{
    return rows_->writeResult(table, name, values, rule);
}

std::optional<ArchiveRow> Archive::findRow(const QString &table, const QString &name)
{
    return rows_->findRow(table, name);
}

std::optional<QList<ArchiveRow>> Archive::rows(const QString &table)
{
    return rows_->selectAll(table, false);
}

std::optional<QList<ArchiveRow>> Archive::storedRows(const QString &table)
{
    return rows_->selectAll(table, true);
}

bool Archive::appendRows(const QString &table, const QList<ArchiveRow> &rows)
{
    return appendTables({{table, rows}});
}

bool Archive::appendTables(const QList<std::pair<QString, QList<ArchiveRow>>> &tables)
{
    return rows_->appendTables(tables);
}

QStringList Archive::names()
{
    return rows_->names();
}

} // namespace censaria
