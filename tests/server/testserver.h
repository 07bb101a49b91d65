#pragma once

// A PostgreSQL cluster for the server tests: the one the CTest fixture started
// (CENSARIA_PGCLUSTER), or one of a test's own that it may stop and start again.
// Each test works in databases of its own, so tests can share a cluster and run at once.

#include "ownfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <atomic>
#include <type_traits>

namespace censaria {

class TestServer
{
public:
    explicit TestServer(const QString &dir = qEnvironmentVariable("CENSARIA_PGCLUSTER"))
        : dir_(dir)
    {
    }

    // False, with the reason in *error, when the fixture did not leave a running server.
    bool ready(QString *error) const
    {
        if (dir_.isEmpty()) {
            *error = QStringLiteral("CENSARIA_PGCLUSTER is not set: run the server tests through ctest");
            return false;
        }
        if (port() <= 0 || !QFile::exists(QStringLiteral("%1/.s.PGSQL.%2").arg(socketDir()).arg(port()))) {
            *error = QStringLiteral("no PostgreSQL server runs in %1").arg(dir_);
            return false;
        }
        return true;
    }

    int port() const
    {
        QFile file(dir_ + QStringLiteral("/port"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : -1;
    }
    QString socketDir() const { return dir_ + QStringLiteral("/socket"); }

    // pgcluster COMMAND on this cluster's folder: "start", "stop", "fresh", "destroy".
    bool control(const QString &command) const
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(qEnvironmentVariable("CENSARIA_PGCLUSTER_SCRIPT"), {command, dir_});
        return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }

    // Runs each statement as the superuser in database; false with the error in *error.
    bool exec(const QStringList &statements, const QString &database = QStringLiteral("postgres"), QString *error = nullptr) const
    {
        return asSuperuser(database, [&](QSqlDatabase &db) {
            bool ok = db.open();
            QSqlQuery query(db);
            for (auto statement = statements.begin(); ok && statement != statements.end(); ++statement)
                ok = query.exec(*statement);
            if (!ok && error)
                *error = query.lastError().text() + db.lastError().text();
            return ok;
        });
    }

    // The first value of a query run as the superuser; invalid on error.
    QVariant value(const QString &sql, const QString &database) const
    {
        return asSuperuser(database, [&](QSqlDatabase &db) {
            QSqlQuery query(db);
            return db.open() && query.exec(sql) && query.next() ? query.value(0) : QVariant();
        });
    }

    // How many rows table of database holds.
    int count(const QString &table, const QString &database) const
    {
        return value(QStringLiteral("SELECT count(*) FROM ") + table, database).toInt();
    }

    // A database of its own name, empty; "" on failure.
    QString newDatabase() const
    {
        const QString name = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter());
        return exec({QStringLiteral("CREATE DATABASE %1").arg(name)}) ? name : QString();
    }

    // The throwaway certificate authority that signed the server's certificate.
    QString rootCertificate() const { return dir_ + QStringLiteral("/tls/root.crt"); }

    // Settings naming database, written as folder/censaria.ini; the user comes in with
    // password through a password file beside it, over TCP with TLS (verify-full, the
    // default) unless host is given. extra lines go at the end ("sslmode=require").
    QString writeSettings(const QString &folder, const QString &database, const QString &user, const QString &password,
                          const QString &host = QStringLiteral("127.0.0.1"), int port = 0, const QString &extra = QString()) const
    {
        QDir().mkpath(folder);
        const QString passwordFile = folder + QStringLiteral("/password");
        writeBytes(passwordFile, password.toUtf8() + '\n');
        QFile::setPermissions(passwordFile, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QString file = folder + QStringLiteral("/censaria.ini");
        QFile ini(file);
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QTextStream(&ini) << "[archivio]\ntipo=server\nhost=" << host << "\nport=" << (port ? port : this->port()) << "\ndatabase=" << database
                          << "\nuser=" << user << "\npasswordfile=" << passwordFile << "\ninsegnante=" << teacherRole(database)
                          << "\nsslrootcert=" << rootCertificate() << '\n'
                          << extra << '\n';
        return file;
    }

    // The roles of a database makeArchive made, and their passwords.
    static QString ownerRole(const QString &database) { return database + QStringLiteral("_admin"); }
    static QString classroomRole(const QString &database) { return database + QStringLiteral("_pc"); }
    static QString classroomPassword(const QString &database) { return QStringLiteral("classe-") + classroomRole(database); }
    static QString teacherRole(const QString &database) { return database + QStringLiteral("_docente"); }
    static QString teacherPassword(const QString &database) { return QStringLiteral("docente-") + teacherRole(database); }

    // What makearchive ARGUMENTS prints; empty, with the reason in *error, on failure.
    static QString makearchive(const QStringList &arguments, QString *error)
    {
        QProcess make;
        make.start(qEnvironmentVariable("CENSARIA_MAKEARCHIVE"), arguments);
        if (!make.waitForFinished(60000) || make.exitStatus() != QProcess::NormalExit || make.exitCode() != 0) {
            *error = QString::fromUtf8(make.readAllStandardError());
            return {};
        }
        return QString::fromUtf8(make.readAllStandardOutput());
    }

    // A new database, owned by a role of its own, with the archive's tables made by
    // makearchive --server, a classroom and a teachers' role holding only the rights it
    // prints (run as the superuser, as the technician does); the classroom's settings
    // file is written into folder, the owner's into folder/admin. Returns the database's
    // name, "" on failure.
    QString makeArchive(const QString &folder, QString *settingsFile, QString *error) const
    {
        const QString database = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter());
        const QStringList roles{
            QStringLiteral("CREATE ROLE %1 LOGIN").arg(ownerRole(database)),
            QStringLiteral("CREATE DATABASE %1 OWNER %2").arg(database, ownerRole(database)),
            QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(classroomRole(database), classroomPassword(database)),
            QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(teacherRole(database), teacherPassword(database)),
        };
        if (!exec(roles, QStringLiteral("postgres"), error))
            return {};
        const QString admin = writeSettings(folder + QStringLiteral("/admin"), database, ownerRole(database), QString(), socketDir());
        const QString statements = makearchive({QStringLiteral("--server"), admin, QStringLiteral("--role"), classroomRole(database),
                                                QStringLiteral("--teacher"), teacherRole(database)},
                                               error);
        if (statements.isEmpty() || !exec({statements}, database, error))
            return {};
        *settingsFile = writeSettings(folder, database, classroomRole(database), classroomPassword(database));
        return database;
    }

private:
    // work(db) on a connection of its own as the superuser, removed once done.
    template <typename Work>
    std::invoke_result_t<Work, QSqlDatabase &> asSuperuser(const QString &database, Work work) const
    {
        const QString name = QStringLiteral("testserver-%1").arg(++counter());
        std::invoke_result_t<Work, QSqlDatabase &> result;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(socketDir());
            db.setPort(port());
            db.setUserName(QStringLiteral("postgres"));
            db.setDatabaseName(database);
            result = work(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return result;
    }

    static std::atomic<int> &counter()
    {
        static std::atomic<int> n{0};
        return n;
    }
    QString dir_;
};

} // namespace censaria
