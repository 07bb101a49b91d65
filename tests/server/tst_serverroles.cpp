// A hostile pupil on a classroom PC of a school whose archive is on the server: he can
// read the classroom role's password file, and has psql. As that role, through psql and
// through the program's own connection, he can record a result through the record
// function and do nothing else: not read, erase, forge nor freeze anyone's results.
#include "screentest.h"
#include "testserver.h"

#include "archive/archive.h"
#include "archive/servererrors.h"
#include "archive/serversetup.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace censaria;

Q_DECLARE_METATYPE(censaria::ArchiveFailure)

namespace {

const QString Q = QStringLiteral("questionari");
const QString E = QStringLiteral("esercizi");
const QDateTime morning(QDate(2026, 3, 12), QTime(10, 5, 0));

QString stamp(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class TestServerRoles : public QObject
{
    Q_OBJECT

    TestServer server_;
    QTemporaryDir temp_;
    int folders_ = 0;
    QString settings_;
    QString database_;

    QString folder() { return temp_.filePath(QString::number(++folders_)); }

    // psql as the classroom role, as a pupil runs it; its exit code and what it wrote.
    std::pair<int, QString> psql(const QString &sql, const QString &user = QString(), const QString &password = QString())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGPASSWORD"), password.isEmpty() ? TestServer::classroomPassword(database_) : password);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("psql"),
                      {QStringLiteral("-X"), QStringLiteral("-A"), QStringLiteral("-t"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                       QStringLiteral("-v"), QStringLiteral("VERBOSITY=verbose"),
                       QStringLiteral("host=127.0.0.1 port=%1 dbname=%2 user=%3 sslmode=verify-full sslrootcert=%4")
                           .arg(server_.port())
                           .arg(database_, user.isEmpty() ? TestServer::classroomRole(database_) : user, server_.rootCertificate()),
                       QStringLiteral("-c"), sql});
        if (!process.waitForFinished(60000))
            return {-1, QStringLiteral("psql did not finish")};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
    }

    std::unique_ptr<Archive> openPc()
    {
        auto archive = std::make_unique<Archive>(loadArchiveSettings({settings_}), QString());
        return archive->open() == ArchiveProblem::None ? std::move(archive) : nullptr;
    }

    // What a query on the archive's database gives, as the superuser sees it, as text.
    QString valueOf(const QString &sql) const { return server_.value(sql, database_).toString(); }

    // What the whole school's questionnaires hold.
    QString everything() const
    {
        return valueOf(QStringLiteral("SELECT count(*) || ':' || coalesce(string_agg(q::text, '|' ORDER BY rowid), '') FROM questionari q"));
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(server_.ready(&error), qPrintable(error));
        QVERIFY(temp_.isValid());
    }

    void init()
    {
        QString error;
        database_ = server_.makeArchive(folder(), &settings_, &error);
        QVERIFY2(!database_.isEmpty(), qPrintable(error));
        auto pc = openPc();
        QVERIFY(pc);
        QVERIFY(pc->writeResult(Q, QStringLiteral("BIANCHI ANNA"), {{2, 8}, {3, morning}}));
        QVERIFY(pc->writeResult(E, QStringLiteral("BIANCHI ANNA"), {{10, 4}, {11, 1}, {12, 80}, {13, morning}}));
    }

    void aPupilWithPsqlIsRefusedEverythingButRecording_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("read the marks") << "SELECT nome, \"I tre periodi\" FROM questionari";
        QTest::newRow("read the exercises") << "SELECT * FROM esercizi";
        QTest::newRow("erase them") << "UPDATE questionari SET \"I tre periodi\" = NULL";
        QTest::newRow("delete them") << "DELETE FROM questionari";
        QTest::newRow("empty the table") << "TRUNCATE questionari";
        QTest::newRow("forge a row dated 9999")
            << "INSERT INTO questionari (nome, \"I tre periodi\", data1) VALUES ('ROSSI MARIO', 10, '9999-01-01')";
        QTest::newRow("freeze every PC's saves") << "BEGIN; LOCK TABLE questionari IN ACCESS EXCLUSIVE MODE";
        QTest::newRow("hold the table for reading") << "BEGIN; LOCK TABLE esercizi IN ACCESS SHARE MODE";
        QTest::newRow("drop a table") << "DROP TABLE esercizi";
        QTest::newRow("a table of his own") << "CREATE TABLE public.mia (x int)";
        QTest::newRow("replace the record function")
            << "CREATE OR REPLACE FUNCTION public.censaria_registra(text, text, integer, integer[], timestamp) RETURNS void "
               "LANGUAGE sql AS 'SELECT NULL'";
        QTest::newRow("a function that shadows a built-in")
            << "CREATE FUNCTION public.hashtext(text) RETURNS integer LANGUAGE sql AS 'SELECT 1'";
        QTest::newRow("more connections") << "ALTER ROLE CURRENT_USER CONNECTION LIMIT -1";
        QTest::newRow("his statements shown again") << "SET track_activities = on";
    }

    void aPupilWithPsqlIsRefusedEverythingButRecording()
    {
        QFETCH(QString, sql);
        const QString before = everything();
        const auto [code, output] = psql(sql);
        QVERIFY2(code != 0, qPrintable(output));
        QVERIFY2(output.contains(QLatin1String("42501")), qPrintable(output)); // insufficient privilege, every time
        QCOMPARE(everything(), before);
        // The same through the program's own connection.
        auto pc = openPc();
        QVERIFY(pc);
        QSqlQuery query(pc->connection());
        for (const QString &statement : sql.split(QStringLiteral("; ")))
            if (!query.exec(statement))
                break;
        QCOMPARE(query.lastError().nativeErrorCode(), QStringLiteral("42501"));
        QCOMPARE(everything(), before);
    }

    // What he may do is record, and the function checks what he sends.
    void theRecordFunctionRefusesForgedResults_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("first");
        QTest::addColumn<QVariant>("counts");
        QTest::addColumn<QVariant>("when");
        QTest::addColumn<QString>("state"); // empty: accepted
        const QVariant none;
        const QString now = stamp(QDateTime::currentDateTime().addSecs(-60));
        const QString rossi = QStringLiteral("ROSSI MARIO");
        QTest::newRow("a questionnaire") << Q << rossi << QVariant(4) << QVariant("{7}") << QVariant(now) << "";
        QTest::newRow("table in capitals") << "Questionari" << rossi << QVariant(2) << QVariant("{10}") << QVariant(now) << "";
        QTest::newRow("an exercise") << E << rossi << QVariant(6) << QVariant("{2,1,66}") << QVariant(now) << "";
        QTest::newRow("exercise rounded") << E << rossi << QVariant(6) << QVariant("{2,1,67}") << QVariant(now) << "";
        QTest::newRow("no answers yet") << E << rossi << QVariant(2) << QVariant("{0,0,0}") << QVariant(now) << "";
        QTest::newRow("within the clock's skew") << Q << rossi << QVariant(2) << QVariant("{5}")
                                                 << QVariant(stamp(QDateTime::currentDateTime().addSecs(600))) << "";
        QTest::newRow("only the pupil's row") << Q << rossi << none << none << none << "";

        QTest::newRow("into the name") << Q << rossi << QVariant(0) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("into the note") << Q << rossi << QVariant(1) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("into a date") << Q << rossi << QVariant(3) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("past the last column") << Q << rossi << QVariant(22) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("inside an exercise") << E << rossi << QVariant(4) << QVariant("{2,1,66}") << QVariant(now) << "22023";
        QTest::newRow("another table") << "pg_authid" << rossi << QVariant(2) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("a table name with SQL") << "questionari\"; DROP TABLE esercizi; --" << rossi << QVariant(2) << QVariant("{7}")
                                               << QVariant(now) << "22023";
        QTest::newRow("no name") << Q << "  " << QVariant(2) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("a name of two lines") << Q << "ROSSI\nMARIO" << QVariant(2) << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("two counts for one") << Q << rossi << QVariant(2) << QVariant("{7,8}") << QVariant(now) << "22023";
        QTest::newRow("a count missing") << E << rossi << QVariant(2) << QVariant("{7,8}") << QVariant(now) << "22023";
        QTest::newRow("a null count") << Q << rossi << QVariant(2) << QVariant("{NULL}") << QVariant(now) << "22023";
        QTest::newRow("nested counts") << Q << rossi << QVariant(2) << QVariant("{{7}}") << QVariant(now) << "22023";
        QTest::newRow("counts without a place") << Q << rossi << none << QVariant("{7}") << QVariant(now) << "22023";
        QTest::newRow("11 out of 10") << Q << rossi << QVariant(2) << QVariant("{11}") << QVariant(now) << "22003";
        QTest::newRow("below zero") << Q << rossi << QVariant(2) << QVariant("{-1}") << QVariant(now) << "22003";
        QTest::newRow("a percentage that does not add up") << E << rossi << QVariant(2) << QVariant("{3,1,10}") << QVariant(now) << "22003";
        QTest::newRow("a percentage of nothing") << E << rossi << QVariant(2) << QVariant("{0,0,100}") << QVariant(now) << "22003";
        QTest::newRow("more answers than a day holds") << E << rossi << QVariant(2) << QVariant("{99999,0,100}") << QVariant(now) << "22003";
        QTest::newRow("dated 9999") << Q << rossi << QVariant(2) << QVariant("{10}") << QVariant("9999-01-01 00:00:00") << "22008";
        QTest::newRow("tomorrow") << Q << rossi << QVariant(2) << QVariant("{10}") << QVariant(stamp(QDateTime::currentDateTime().addDays(1)))
                                  << "22008";
        QTest::newRow("before the program") << Q << rossi << QVariant(2) << QVariant("{10}") << QVariant("1999-12-31 23:59:59") << "22008";
        QTest::newRow("no date") << Q << rossi << QVariant(2) << QVariant("{10}") << none << "22008";
    }

    void theRecordFunctionRefusesForgedResults()
    {
        QFETCH(QString, table);
        QFETCH(QString, name);
        QFETCH(QVariant, first);
        QFETCH(QVariant, counts);
        QFETCH(QVariant, when);
        QFETCH(QString, state);
        const QString before = everything();
        const QString exercises = QStringLiteral("SELECT string_agg(e::text, '|') FROM esercizi e");
        const QString exercisesBefore = valueOf(exercises);
        auto pc = openPc();
        QVERIFY(pc);
        QSqlQuery query(pc->connection());
        query.prepare(serversetup::recordCall());
        for (const QVariant &value : {QVariant(table), QVariant(name), first, counts, when})
            query.addBindValue(value);
        QCOMPARE(query.exec(), state.isEmpty());
        if (!state.isEmpty()) {
            QCOMPARE(query.lastError().nativeErrorCode(), state);
            QCOMPARE(classifyServerError(query.lastError()), ArchiveFailure::Refused);
            QCOMPARE(everything(), before);
            QCOMPARE(valueOf(exercises), exercisesBefore);
            QCOMPARE(server_.count(E, database_), 1);
        }
    }

    // A result sent late (from a queue) never undoes a newer one, whoever sends it.
    void theLaterResultStays()
    {
        auto pc = openPc();
        QVERIFY(pc);
        const QString bianchi = QStringLiteral("BIANCHI ANNA");
        QVERIFY(pc->writeResult(Q, bianchi, {{2, 3}, {3, morning.addSecs(-3600)}}));
        QVERIFY(pc->writeResult(E, bianchi, {{10, 9}, {11, 1}, {12, 90}, {13, morning.addSecs(-1)}}));
        QCOMPARE(valueOf(QStringLiteral("SELECT \"I tre periodi\" || ' ' || data1 FROM questionari")), QStringLiteral("8 ") + stamp(morning));
        QCOMPARE(valueOf(QStringLiteral("SELECT \"calcolo Tassi\" FROM esercizi")), QStringLiteral("4"));
        QVERIFY(pc->writeResult(Q, bianchi, {{2, 5}, {3, morning.addSecs(60)}}));
        QCOMPARE(valueOf(QStringLiteral("SELECT \"I tre periodi\" FROM questionari")), QStringLiteral("5"));
    }

    // Every PC logs in as the one role, and a role sees its other sessions' statements.
    void aPupilCannotWatchTheOtherPcsStatements()
    {
        auto pc = openPc();
        QVERIFY(pc);
        QVERIFY(pc->writeResult(Q, QStringLiteral("VERDI LIA"), {{4, 9}, {5, morning}}));
        const auto [code, output] = psql(QStringLiteral("SELECT count(*) || ' ' || string_agg(coalesce(query, ''), '|') FROM pg_stat_activity "
                                                        "WHERE usename = current_user AND pid <> pg_backend_pid()"));
        QCOMPARE(code, 0);
        QVERIFY2(output.startsWith(QLatin1String("1 ")), qPrintable(output)); // the PC's session is there
        QVERIFY2(!output.contains(QLatin1String("VERDI")) && !output.contains(QLatin1String("censaria_registra")), qPrintable(output));
    }

    void theRightsAreTheLeastEachRoleNeeds()
    {
        const QString function = serversetup::recordFunction();
        const QString pc = TestServer::classroomRole(database_);
        const QString teacher = TestServer::teacherRole(database_);
        for (const QString &table : {Q, E}) {
            QCOMPARE(valueOf(QStringLiteral(
                                 "SELECT has_table_privilege('%1', '%2', 'SELECT, INSERT, UPDATE, DELETE, TRUNCATE, REFERENCES, TRIGGER')")
                                 .arg(pc, table)),
                     QStringLiteral("false"));
            QCOMPARE(valueOf(QStringLiteral("SELECT has_table_privilege('%1', '%2', 'INSERT, DELETE, TRUNCATE')").arg(teacher, table)),
                     QStringLiteral("false"));
            QCOMPARE(valueOf(QStringLiteral("SELECT has_table_privilege('%1', '%2', 'SELECT')").arg(teacher, table)), QStringLiteral("true"));
            QCOMPARE(valueOf(QStringLiteral("SELECT has_column_privilege('%1', '%2', 'annotazioni', 'UPDATE')").arg(teacher, table)),
                     QStringLiteral("true"));
        }
        QCOMPARE(valueOf(QStringLiteral("SELECT has_function_privilege('%1', '%2', 'EXECUTE')").arg(pc, function)), QStringLiteral("true"));
        QCOMPARE(valueOf(QStringLiteral("SELECT count(*) FROM information_schema.role_routine_grants WHERE routine_name = 'censaria_registra' "
                                        "AND grantee = 'PUBLIC'")),
                 QStringLiteral("0"));
        // Owned by the tables' owner, who is no superuser, with its search path fixed.
        QCOMPARE(valueOf(
                     QStringLiteral(
                         "SELECT pg_get_userbyid(proowner) || ' ' || prosecdef || ' ' || ('search_path=pg_catalog, public' = ANY (proconfig)) "
                         "FROM pg_proc WHERE oid = '%1'::regprocedure")
                         .arg(function)),
                 TestServer::ownerRole(database_) + QStringLiteral(" true true"));
        QCOMPARE(valueOf(QStringLiteral("SELECT rolsuper FROM pg_roles WHERE rolname = '%1'").arg(TestServer::ownerRole(database_))),
                 QStringLiteral("false"));
        QCOMPARE(valueOf(QStringLiteral("SELECT rolconnlimit FROM pg_roles WHERE rolname = '%1'").arg(pc)), QStringLiteral("60"));
    }

    // A table held by someone else (the owner's maintenance, a server made by the previous
    // version) sends the result to the queue within the lock timeout, never freezes.
    void aLockedTableQueuesTheResultWithinTheTimeout()
    {
        const QString program = TestProgram::makeProgramFolder(folder());
        QFile::copy(settings_, program + QStringLiteral("/perCensaria/censaria.ini"));
        TestProgram pc(program);
        QVERIFY(pc.start());
        pc.module().nomealunno = QStringLiteral("ROSSI MARIO");
        pc.clock().time = morning;

        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("holder"));
        holder.setHostName(server_.socketDir());
        holder.setPort(server_.port());
        holder.setUserName(QStringLiteral("postgres"));
        holder.setDatabaseName(database_);
        QVERIFY(holder.open());
        QSqlQuery hold(holder);
        QVERIFY(hold.exec(QStringLiteral("BEGIN")));
        QVERIFY(hold.exec(QStringLiteral("LOCK TABLE questionari IN ACCESS EXCLUSIVE MODE")));

        QElapsedTimer timer;
        timer.start();
        QVERIFY(pc.module().recordResult(Q, {{2, 6}}, 3));
        QVERIFY2(timer.elapsed() < serverLockTimeoutMs + 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(pc.dialogs().messages.size(), 1);
        QVERIFY(pc.dialogs().messages[0].text.contains(QStringLiteral("sarà inviato appena possibile")));
        QCOMPARE(pc.module().resultWriter().waiting(), 1);
        // While the table stays held, the next result waits behind it, at once.
        timer.restart();
        pc.clock().time = morning.addSecs(60);
        QVERIFY(pc.module().recordResult(Q, {{4, 7}}, 5));
        QVERIFY2(timer.elapsed() < serverLockTimeoutMs + 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(pc.module().resultWriter().waiting(), 2);

        QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
        QVERIFY(pc.module().resultWriter().sendQueue());
        QCOMPARE(pc.module().resultWriter().waiting(), 0);
        QCOMPARE(valueOf(QStringLiteral("SELECT \"I tre periodi\" || ' ' || \"periodo fam tradizionali\" FROM questionari "
                                        "WHERE nome = 'ROSSI MARIO'")),
                 QStringLiteral("6 7"));
        hold = QSqlQuery();
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

    // A pupil who holds a classmate's row in an open transaction holds up only that
    // classmate's saves, for the lock timeout.
    void aPupilHoldingAClassmatesRowDoesNotFreezeTheSave()
    {
        QProcess holder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGPASSWORD"), TestServer::classroomPassword(database_));
        holder.setProcessEnvironment(environment);
        holder.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"),
                                              QStringLiteral("host=127.0.0.1 port=%1 dbname=%2 user=%3 sslrootcert=%4")
                                                  .arg(server_.port())
                                                  .arg(database_, TestServer::classroomRole(database_), server_.rootCertificate())});
        QVERIFY(holder.waitForStarted());
        // The marker comes back only once the record call, and so its lock, is through:
        // a lock left by an earlier case would not tell.
        holder.write(QStringLiteral("BEGIN;\nSELECT public.censaria_registra('questionari', 'BIANCHI ANNA', 2, '{1}', '%1');\n\\echo held\n")
                         .arg(stamp(morning.addSecs(1)))
                         .toUtf8());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += holder.readAllStandardOutput()).contains("held"), 30000);

        auto pc = openPc();
        QVERIFY(pc);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!pc->writeResult(Q, QStringLiteral("BIANCHI ANNA"), {{4, 9}, {5, morning}}));
        QCOMPARE(pc->lastFailure(), ArchiveFailure::Busy);
        QVERIFY2(timer.elapsed() < serverLockTimeoutMs + 3000, qPrintable(QString::number(timer.elapsed())));
        // Another pupil's save goes through meanwhile, on the same connection.
        QVERIFY(pc->writeResult(Q, QStringLiteral("VERDI LIA"), {{4, 9}, {5, morning}}));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(30000));
    }

    void serverErrorsAreToldApartByTheirState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<ArchiveFailure>("failure");
        QTest::newRow("no privilege") << "42501" << ArchiveFailure::NotPermitted; // its low byte is SQLite's "busy"
        QTest::newRow("no record function yet") << "42883" << ArchiveFailure::NotPermitted;
        QTest::newRow("lock timeout") << "55P03" << ArchiveFailure::Busy;
        QTest::newRow("statement timeout") << "57014" << ArchiveFailure::Busy;
        QTest::newRow("deadlock") << "40P01" << ArchiveFailure::Busy;
        QTest::newRow("connection lost") << "08006" << ArchiveFailure::Unreachable;
        QTest::newRow("server shutting down") << "57P01" << ArchiveFailure::Unreachable;
        QTest::newRow("too many connections") << "53300" << ArchiveFailure::Unreachable;
        QTest::newRow("the driver's own") << "" << ArchiveFailure::Unreachable;
        QTest::newRow("a forged date") << "22008" << ArchiveFailure::Refused;
        QTest::newRow("a count out of range") << "22003" << ArchiveFailure::Refused;
        QTest::newRow("a syntax error") << "42601" << ArchiveFailure::Other;
    }

    void serverErrorsAreToldApartByTheirState()
    {
        QFETCH(QString, state);
        QFETCH(ArchiveFailure, failure);
        QCOMPARE(classifyServerError(QSqlError(QStringLiteral("driver"), QStringLiteral("database"), QSqlError::StatementError, state)),
                 failure);
    }

    // A right the role lacks is not "the archive is in use": with no queue to keep the
    // result either, the pupil is told what the teacher must know.
    void aMissingRightIsNotABusyArchive()
    {
        const QString program = TestProgram::makeProgramFolder(folder());
        QFile::copy(settings_, program + QStringLiteral("/perCensaria/censaria.ini"));
        // An account whose data folder cannot be made: a file stands in its way.
        const QString blocked = folder();
        QVERIFY(writeBytes(blocked, {}));
        TestProgram pc(program, blocked + QStringLiteral("/Censaria"));
        QVERIFY(pc.start());
        QVERIFY(server_.exec(
            {QStringLiteral("REVOKE EXECUTE ON FUNCTION %1 FROM %2").arg(serversetup::recordFunction(), TestServer::classroomRole(database_))},
            database_));
        pc.module().nomealunno = QStringLiteral("ROSSI MARIO");
        QVERIFY(!pc.module().recordResult(Q, {{2, 6}}, 3));
        QCOMPARE(pc.module().dbrisultati().lastFailure(), ArchiveFailure::NotPermitted);
        const QString text = pc.dialogs().messages.value(0).text;
        QVERIFY2(!text.contains(QStringLiteral("in uso")) && text.contains(QStringLiteral("non permette a questo computer")), qPrintable(text));
    }
};

QTEST_MAIN(TestServerRoles)
#include "tst_serverroles.moc"
