#include "archivefile.h"

#include "schema.h"
#include "sqlitefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace censaria {
namespace {

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

} // namespace

ArchiveFile::ArchiveFile(Archive &archive, QString fileName)
    : archive_(archive)
    , fileName_(std::move(fileName))
{
}

ArchiveProblem ArchiveFile::open()
{
    readOnly_ = false;
    const QFileInfo info(fileName_);
    if (const ArchiveProblem problem = checkFile(info); problem != ArchiveProblem::None)
        return problem;
    if (!info.isWritable())
        return ArchiveProblem::ReadOnly;
    if (QSqlError error; !sqlitefile::recoverInterruptedWrite(info.absoluteFilePath(), &error)) {
        archive_.lastError_ = error.text();
        const sqlitefile::Failure failure = sqlitefile::classify(error);
        return failure == sqlitefile::Failure::Busy       ? ArchiveProblem::Busy
               : failure == sqlitefile::Failure::ReadOnly ? ArchiveProblem::FolderReadOnly
                                                          : ArchiveProblem::Damaged;
    }
    if (const ArchiveProblem problem = checkReadOnly(info.absoluteFilePath(), archive_.connection_ + QStringLiteral("-check"), false);
        problem != ArchiveProblem::None)
        return problem;
    return openForWriting(info.absoluteFilePath());
}

ArchiveProblem ArchiveFile::openReadOnly()
{
    readOnly_ = true;
    const QFileInfo info(fileName_);
    if (const ArchiveProblem problem = checkFile(info); problem != ArchiveProblem::None)
        return problem;
    const ArchiveProblem problem = checkReadOnly(info.absoluteFilePath(), archive_.connection_, true);
    checked_ = problem == ArchiveProblem::None;
    return problem;
}

// What the file system and the file's first bytes say, before SQLite looks at it.
ArchiveProblem ArchiveFile::checkFile(const QFileInfo &info)
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
ArchiveProblem ArchiveFile::checkReadOnly(const QString &absolutePath, const QString &connection, bool keep)
{
    ArchiveProblem problem = ArchiveProblem::None;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        sqlitefile::configure(db, absolutePath, true);
        QSqlError error;
        QStringList present;
        auto failed = [&](ArchiveProblem found, const QString &what) {
            archive_.lastError_ = what;
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

ArchiveProblem ArchiveFile::openForWriting(const QString &absolutePath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), archive_.connection_);
    sqlitefile::configure(db, absolutePath, false);
    QSqlError error;
    ArchiveProblem problem = ArchiveProblem::None;
    if (!db.open()) {
        error = db.lastError();
        problem = ArchiveProblem::Unreadable;
    } else if (!sqlitefile::makeDurable(db, absolutePath, &error) || !sqlitefile::probeWrite(db, &error)) {
        problem = sqlitefile::classify(error) == sqlitefile::Failure::ReadOnly ? ArchiveProblem::FolderReadOnly : ArchiveProblem::Unreadable;
    }
    if (problem == ArchiveProblem::None) {
        checked_ = true; // checkReadOnly ran the full check just before
        return problem;
    }
    if (sqlitefile::classify(error) == sqlitefile::Failure::Busy)
        problem = ArchiveProblem::Busy;
    archive_.lastError_ = error.text();
    archive_.close();
    return problem;
}

bool ArchiveFile::quickCheck()
{
    if (!archive_.isOpen())
        return archive_.fail(QStringLiteral("archive not open"));
    QSqlDatabase db = archive_.connection();
    if (const QString found = sqlitefile::quickCheck(db); !found.isEmpty())
        return archive_.fail(found, ArchiveFailure::Damaged);
    return true;
}

bool ArchiveFile::integrityCheck()
{
    if (!archive_.isOpen())
        return archive_.fail(QStringLiteral("archive not open"));
    QSqlDatabase db = archive_.connection();
    // The file is read in one transaction that starts before the check: an archive that
    // another program is writing is then told apart from a damaged one.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN")) || !begin.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !begin.next()) {
        const QSqlError error = begin.lastError();
        begin.finish();
        sqlitefile::rollback(db);
        return archive_.fail(error);
    }
    begin.finish();
    const QString found = sqlitefile::integrityCheck(db);
    sqlitefile::rollback(db);
    if (!found.isEmpty())
        return archive_.fail(found, ArchiveFailure::Damaged);
    return true;
}

bool ArchiveFile::copyTo(const QString &fileName)
{
    if (!archive_.isOpen() || archive_.isServer())
        return archive_.fail(QStringLiteral("archive not open, or on a server that keeps its own copies"));
    // The copy's file is made here, new: a name that someone else put there first (a
    // link to another file) is refused, never written through.
    QFile target(fileName);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return archive_.fail(QStringLiteral("%1: %2").arg(fileName, target.errorString()));
    target.close();
    QSqlQuery query(archive_.connection());
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(fileName);
    if (!query.exec())
        return archive_.fail(query.lastError());
    return true;
}

bool ArchiveFile::createEmpty(const QString &fileName, QString *error)
{
    if (QFileInfo::exists(fileName)) {
        if (error)
            *error = QStringLiteral("%1 exists already").arg(fileName);
        return false;
    }
    const QString connection = Archive::newConnectionName();
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

} // namespace censaria
