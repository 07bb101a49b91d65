// The archive on a real PostgreSQL server (the cluster of the CTest fixture): the
// same results as in the SQLite file, the tables makearchive makes, several PCs at
// once, the start-up messages and the screens reading the whole school's results.
#include "screentest.h"
#include "testserver.h"

#include "app/program.h"
#include "archive/archive.h"
#include "archive/resultsexport.h"
#include "archive/schema.h"
#include "platform/datapaths.h"

#include <QListWidget>
#include <QTableWidget>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <latch>
#include <thread>

using namespace censaria;

namespace {

const QString Q = QStringLiteral("questionari");
const QString E = QStringLiteral("esercizi");
const QDateTime morning(QDate(2026, 3, 12), QTime(10, 5, 0));

} // namespace

class TestServerArchive : public QObject
{
    Q_OBJECT

    TestServer server_;
    QTemporaryDir temp_;
    int folders_ = 0;

    QString folder() { return temp_.filePath(QString::number(++folders_)); }

    // A fresh server archive; its settings file in *settings.
    QString serverArchive(QString *settings)
    {
        QString error;
        const QString database = server_.makeArchive(folder(), settings, &error);
        if (database.isEmpty())
            qFatal("cannot make a server archive: %s", qPrintable(error));
        return database;
    }

    // The server as the classroom PCs reach it, or as the teachers' role, which reads.
    std::unique_ptr<Archive> openServer(const QString &settings, bool teacher = false)
    {
        const ArchiveSettings pc = loadArchiveSettings({settings});
        auto archive = std::make_unique<Archive>(teacher ? pc.asTeacher() : pc, QString());
        if (teacher)
            archive->setServerPassword(TestServer::teacherPassword(pc.database));
        const ArchiveProblem problem = archive->open();
        if (problem != ArchiveProblem::None)
            qWarning("server archive: %s", qPrintable(archive->lastError()));
        return problem == ArchiveProblem::None ? std::move(archive) : nullptr;
    }

    // A fresh server archive and a fresh archive file, both open, with the teachers'
    // connection to the server for reading it; null where one failed.
    struct ServerAndFile
    {
        std::unique_ptr<Archive> server, local, teacher;
    };
    ServerAndFile serverAndFile()
    {
        QString settings;
        serverArchive(&settings);
        const QString file = folder() + QStringLiteral(".mdb");
        auto local = Archive::createEmpty(file) ? std::make_unique<Archive>(file) : nullptr;
        if (local && local->open() != ArchiveProblem::None)
            local.reset();
        return {openServer(settings), std::move(local), openServer(settings, true)};
    }

    // A program folder whose perCensaria names the server archive of settings.
    QString programOnServer(const QString &settings)
    {
        const QString program = TestProgram::makeProgramFolder(folder());
        QFile::copy(settings, program + QStringLiteral("/perCensaria/censaria.ini"));
        return program;
    }

    // A database as the previous version left it: the tables, and a classroom role that
    // may read and change them, with no record function.
    QString previousVersionsServer(const QString &role)
    {
        const QString database = server_.newDatabase();
        QStringList statements = schema::createStatements(Dialect(Dialect::Engine::PostgreSQL));
        statements << QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(database, role)
                   << QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(role)
                   << QStringLiteral("GRANT SELECT, INSERT, UPDATE ON TABLE questionari, esercizi TO %1").arg(role);
        QString error;
        if (!server_.exec(statements, database, &error))
            qFatal("cannot make the previous version's server: %s", qPrintable(error));
        return database;
    }

    // A certificate authority of its own, which never signed the server's certificate.
    QString otherAuthority()
    {
        const QString dir = folder();
        QDir().mkpath(dir);
        QProcess openssl;
        openssl.setWorkingDirectory(dir);
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-new"), QStringLiteral("-nodes"),
                       QStringLiteral("-newkey"), QStringLiteral("rsa:2048"), QStringLiteral("-days"), QStringLiteral("2"),
                       QStringLiteral("-subj"), QStringLiteral("/CN=Another CA"), QStringLiteral("-keyout"), QStringLiteral("other.key"),
                       QStringLiteral("-out"), QStringLiteral("other.crt")});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
            qFatal("openssl: %s", openssl.readAllStandardError().constData());
        return dir + QStringLiteral("/other.crt");
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(server_.ready(&error), qPrintable(error)); // a missing server fails, never skips
        QVERIFY(temp_.isValid());
    }

    void settingsFilesLaterWinsAndAbsentIsLocal()
    {
        const QString dir = folder();
        QDir().mkpath(dir);
        auto write = [&](const QString &name, const QByteArray &text) {
            writeBytes(dir + u'/' + name, text);
            return dir + u'/' + name;
        };
        const QString none = dir + QStringLiteral("/absent.ini");
        QVERIFY(!loadArchiveSettings({none, none}).isServer());
        const QString local = write(QStringLiteral("locale.ini"), "[archivio]\ntipo=locale\n");
        const QString server = write(QStringLiteral("server.ini"), "[archivio]\ntipo=server\nhost=server.scuola.lan\n");
        const QString noHost = write(QStringLiteral("nohost.ini"), "[archivio]\ntipo=server\n");
        const QString wrong = write(QStringLiteral("wrong.ini"), "[archivio]\ntipo=remoto\nhost=x\n");
        const QString badPort = write(QStringLiteral("port.ini"), "[archivio]\ntipo=server\nhost=x\nport=cinque\n");

        const ArchiveSettings fromServer = loadArchiveSettings({local, server});
        QVERIFY(fromServer.isServer());
        QCOMPARE(fromServer.host, QStringLiteral("server.scuola.lan"));
        QCOMPARE(fromServer.port, 5432);
        QCOMPARE(fromServer.database, QStringLiteral("censaria"));
        QCOMPARE(fromServer.settingsFile, server);
        QVERIFY(fromServer.problem.isEmpty());
        // The system-wide file comes last and wins, even to say "locale".
        QVERIFY(!loadArchiveSettings({server, local}).isServer());
        QVERIFY(loadArchiveSettings({server, none}).isServer());
        for (const QString &bad : {noHost, wrong, badPort})
            QVERIFY2(!loadArchiveSettings({bad}).problem.isEmpty(), qPrintable(bad));

        // The server is verified against the school's authority unless a weaker mode is
        // written, and only a mode libpq knows: the value goes into its connection string.
        QCOMPARE(fromServer.sslmode, QStringLiteral("verify-full"));
        QCOMPARE(fromServer.sslrootcert, QStringLiteral("/etc/censaria/root.crt"));
        QCOMPARE(fromServer.teacherUser, QStringLiteral("censaria_insegnante"));
        QVERIFY(fromServer.connectOptions().startsWith(QLatin1String("sslmode=verify-full;sslrootcert='/etc/censaria/root.crt';")));
        QVERIFY(fromServer.connectOptions().contains(
            QStringLiteral("options='-c lock_timeout=%1 -c statement_timeout=%2'").arg(serverLockTimeoutMs).arg(serverStatementTimeoutMs)));
        const QString require = write(QStringLiteral("require.ini"), "[archivio]\ntipo=server\nhost=x\nsslmode=require\n");
        QCOMPARE(loadArchiveSettings({require}).sslmode, QStringLiteral("require"));
        QVERIFY(loadArchiveSettings({require}).problem.isEmpty());
        for (const QByteArray &forged :
             {QByteArray("sslmode=bogus"), QByteArray("sslmode=disable host=evil.example"), QByteArray("sslmode=\"require;password=x\""),
              QByteArray("sslmode=Verify-Full"), QByteArray("sslrootcert=\"/tmp/a;sslmode=disable\"")}) {
            const QString file = write(QStringLiteral("forged.ini"), "[archivio]\ntipo=server\nhost=x\n" + forged + '\n');
            QVERIFY2(!loadArchiveSettings({file}).problem.isEmpty(), forged.constData());
        }
        // A quote or a backslash in the certificate's path stays inside its value.
        const QString quoted = write(QStringLiteral("quoted.ini"), "[archivio]\ntipo=server\nhost=x\nsslrootcert=\"/tmp/it's\\\\a.crt\"\n");
        QVERIFY(loadArchiveSettings({quoted}).connectOptions().contains(QStringLiteral("sslrootcert='/tmp/it\\'s\\\\a.crt';")));

        // A password every user of the PC could read is refused before any connection.
        QString settings;
        serverArchive(&settings);
        const ArchiveSettings pc = loadArchiveSettings({settings});
        QFile::setPermissions(pc.passwordFile, QFile::permissions(pc.passwordFile) | QFile::ReadOther);
        Archive open(pc, QString());
        QCOMPARE(open.open(), ArchiveProblem::BadSettings);
        QVERIFY(open.lastError().contains(pc.passwordFile));
    }

    // (The roles' rights are tst_serverroles' own.)
    void makearchiveMakesTheTables()
    {
        QString settings;
        const QString database = serverArchive(&settings);
        const auto valueOf = [&](const QString &sql) { return server_.value(sql, database).toString(); };
        for (const schema::Table &table : schema::tables()) {
            QStringList columns;
            for (const schema::Column &column : table.columns)
                columns.append(column.name);
            const QString columnsOf = QStringLiteral("FROM information_schema.columns WHERE table_name = '%1' AND column_name ").arg(table.name);
            QCOMPARE(valueOf(QStringLiteral("SELECT string_agg(column_name, '|' ORDER BY ordinal_position) ") + columnsOf
                             + QStringLiteral("<> 'rowid'")),
                     columns.join(u'|'));
            // The row number comes after every column read by position.
            QCOMPARE(valueOf(QStringLiteral("SELECT ordinal_position ") + columnsOf + QStringLiteral("= 'rowid'")).toInt(),
                     table.columns.size() + 1);
            const QString index = valueOf(
                QStringLiteral("SELECT indexdef FROM pg_indexes WHERE tablename = '%1' AND indexdef LIKE '%(nome)%'").arg(table.name));
            QVERIFY2(index.contains(QLatin1String("(nome)")) && !index.contains(QLatin1String("UNIQUE")), qPrintable(index));
        }

        auto archive = openServer(settings);
        QVERIFY(archive);
        QVERIFY(archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, morning}}));

        // Made again, the tables holding results are left as they are.
        QProcess again;
        const QString admin = QFileInfo(settings).path() + QStringLiteral("/admin/censaria.ini");
        again.start(qEnvironmentVariable("CENSARIA_MAKEARCHIVE"), {QStringLiteral("--server"), admin});
        QVERIFY(again.waitForFinished(60000));
        QCOMPARE(again.exitCode(), 1);
        QCOMPARE(server_.count(Q, database), 1);
    }

    // The same writes on both: the same rows, and a late result never replaces a later one.
    void theServerKeepsWhatTheFileKeeps()
    {
        const auto [server, local, teacher] = serverAndFile();
        QVERIFY(server && local && teacher);
        const QDateTime later = morning.addDays(1).addSecs(3599);
        const QString verdi = QStringLiteral("VERDI LIA");
        for (Archive *archive : {local.get(), server.get()}) {
            // Written through the classroom role, read back through the teachers'.
            Archive *reader = archive == server.get() ? teacher.get() : archive;
            QVERIFY(archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, morning}}));
            QVERIFY(archive->writeResult(Q, QStringLiteral("D'ANGELO NICCOLÒ"), {{20, 10}, {21, later}}));
            QVERIFY(archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{2, 9}, {3, later}}));
            QVERIFY(archive->writeResult(Q, QStringLiteral("SOLO NOME"), {}));
            QVERIFY(archive->writeResult(E, QStringLiteral("ROSSI MARIO"), {{2, 3}, {3, 2}, {4, 60}, {5, morning}}));
            QVERIFY(archive->writeResult(E, QStringLiteral("ROSSI MARIO"), {{10, 5}, {11, 0}, {12, 100}, {13, later}}));
            QVERIFY(!archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{22, 1}}));

            QVERIFY(archive->writeResult(Q, verdi, {{2, 8}, {3, morning}, {4, 1}, {5, morning}}));
            // Earlier than what is there: that topic stays; another topic is filled.
            QVERIFY(
                archive->writeResult(Q, verdi, {{2, 5}, {3, morning.addSecs(-60)}, {6, 4}, {7, morning.addSecs(-60)}}, WriteRule::KeepLater));
            // Later: replaces; and the same result again changes nothing.
            for (int twice = 0; twice < 2; ++twice)
                QVERIFY(archive->writeResult(Q, verdi, {{4, 9}, {5, morning.addSecs(60)}}, WriteRule::KeepLater));
            // An exercise group goes together with its date.
            QVERIFY(archive->writeResult(E, verdi, {{2, 3}, {3, 2}, {4, 60}, {5, morning}}));
            QVERIFY(archive->writeResult(E, verdi, {{2, 9}, {3, 1}, {4, 90}, {5, morning.addSecs(-1)}}, WriteRule::KeepLater));
            // A pupil the archive does not know yet gets a row.
            QVERIFY(archive->writeResult(Q, QStringLiteral("NUOVO"), {{8, 6}, {9, morning}}, WriteRule::KeepLater));

            const auto row = reader->findRow(Q, verdi);
            QVERIFY(row);
            QCOMPARE(row->mid(2, 6), (ArchiveRow{8, morning, 9, morning.addSecs(60), 4, morning.addSecs(-60)}));
            QCOMPARE(reader->findRow(E, verdi)->mid(2, 4), (ArchiveRow{3, 2, 60, morning}));
            QCOMPARE(reader->findRow(Q, QStringLiteral("NUOVO"))->at(8).toInt(), 6);
        }
        // The classroom role reads nothing back, not even by name.
        QVERIFY(!server->findRow(Q, QStringLiteral("ROSSI MARIO")));
        QVERIFY(!server->rows(Q));
        QVERIFY(server->names().isEmpty());
        QCOMPARE(server->lastFailure(), ArchiveFailure::NotPermitted);
        QVERIFY(!server->serverAway());
        QCOMPARE(*teacher->rows(Q), *local->rows(Q));
        QCOMPARE(*teacher->rows(E), *local->rows(E));
        // Stored values alike, whatever type each driver hands back.
        auto asText = [](const QList<ArchiveRow> &rows) {
            QStringList texts;
            for (const ArchiveRow &row : rows)
                for (const QVariant &value : row)
                    texts.append(value.isNull() ? QStringLiteral("<null>") : value.toString());
            return texts;
        };
        QCOMPARE(asText(*teacher->storedRows(Q)), asText(*local->storedRows(Q)));
        QVERIFY(teacher->storedRows(Q)->at(0).at(4).isNull());
        QCOMPARE(teacher->names(), local->names());
        QCOMPARE(teacher->names().size(), 5);
        QCOMPARE(teacher->findRow(Q, QStringLiteral("D'ANGELO NICCOLÒ"))->at(21).toDateTime(), later);
        QVERIFY(!teacher->findRow(Q, QStringLiteral("NESSUNO")));
    }

    void pcsAddingTheSamePupilAtOnceMakeOneRow()
    {
        QString settings;
        const QString database = serverArchive(&settings);
        const ArchiveSettings pc = loadArchiveSettings({settings});
        const int pcs = 8, pupils = 40;
        std::latch connected(pcs);
        std::vector<int> written(pcs, 0);
        std::vector<std::thread> threads;
        for (int n = 0; n < pcs; ++n) {
            threads.emplace_back([&, n] {
                // Each connection lives in its thread; all start writing at the same moment.
                Archive archive(pc, QString());
                const bool open = archive.open() == ArchiveProblem::None;
                connected.arrive_and_wait();
                for (int i = 0; open && i < pupils; ++i)
                    written[n] += archive.writeResult(Q, QStringLiteral("ALUNNO %1").arg(i), {{2 + 2 * n, n}, {3 + 2 * n, morning}});
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        for (int n = 0; n < pcs; ++n)
            QCOMPARE(written[n], pupils);
        QCOMPARE(server_.count(Q, database), pupils);
        QCOMPARE(server_.value(QStringLiteral("SELECT count(DISTINCT nome) FROM questionari"), database).toInt(), pupils);
        QCOMPARE(server_
                     .value(QStringLiteral("SELECT count(*) FROM questionari WHERE \"Piramidi\" = 6 AND \"Popolazione italiana\" = 7"), database)
                     .toInt(),
                 pupils);
    }

    void startUpNamesTheServerAndWhatIsWrong_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("words");
        QTest::newRow("wrong password") << "password" << false << "non accetta Censaria";
        QTest::newRow("missing database") << "database" << false << "manca l'archivio";
        QTest::newRow("no tables") << "tables" << false << "non contiene le tabelle";
        QTest::newRow("nobody listens") << "port" << true << "non risponde";
        QTest::newRow("a server of the previous version") << "function" << true << "non è ancora pronto";
        QTest::newRow("without TLS") << "plain" << false << "non accetta Censaria";
        QTest::newRow("a certificate of another authority") << "authority" << false << "non accetta Censaria";
    }

    void startUpNamesTheServerAndWhatIsWrong()
    {
        QFETCH(QString, fault);
        QFETCH(bool, starts);
        QFETCH(QString, words);
        QString settings;
        const QString database = serverArchive(&settings);
        const ArchiveSettings pc = loadArchiveSettings({settings});
        QString database2 = database;
        QString password = QString::fromUtf8(contentOf(pc.passwordFile)).trimmed();
        QVERIFY(!password.isEmpty());
        int port = server_.port();
        if (fault == QLatin1String("password"))
            password += u'x';
        else if (fault == QLatin1String("database"))
            database2 = QStringLiteral("assente");
        else if (fault == QLatin1String("tables"))
            database2 = server_.newDatabase();
        else if (fault == QLatin1String("port"))
            port = 1; // nothing listens there
        else if (fault == QLatin1String("function"))
            database2 = previousVersionsServer(pc.user);
        const QString faulty = server_.writeSettings(folder(), database2, pc.user, password, QStringLiteral("127.0.0.1"), port,
                                                     fault == QLatin1String("plain") ? QStringLiteral("sslmode=disable") : QString());
        if (fault == QLatin1String("tables"))
            QVERIFY(server_.exec({QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(database2, pc.user)}));
        if (fault == QLatin1String("authority"))
            QSettings(faulty, QSettings::IniFormat).setValue(QStringLiteral("archivio/sslrootcert"), otherAuthority());

        TestProgram program(programOnServer(faulty));
        QCOMPARE(program.start(), starts);
        QCOMPARE(program.dialogs().messages.size(), 1);
        const RecordedMessage message = program.dialogs().messages.first();
        QVERIFY2(message.text.contains(words), qPrintable(message.text));
        QVERIFY2(message.text.contains(QStringLiteral("127.0.0.1")) && message.text.contains(QString::number(port)), qPrintable(message.text));
        QVERIFY2(message.text.contains(database2), qPrintable(message.text));
        QCOMPARE(message.icon, starts ? MessageIcon::Exclamation : MessageIcon::Critical);
        if (starts)
            QCOMPARE(program.visibleScreens(), QStringList{QStringLiteral("Fmenù")});
    }

    void aMissingAuthorityIsNamed()
    {
        QString settings;
        serverArchive(&settings);
        QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("archivio/sslrootcert"), folder() + QStringLiteral("/root.crt"));
        TestProgram program(programOnServer(settings));
        QVERIFY(!program.start());
        const QString text = program.dialogs().messages.value(0).text;
        QVERIFY2(text.contains(QStringLiteral("root.crt")) && text.contains(QStringLiteral("certificato")), qPrintable(text));
    }

    // The PCs are upgraded first: their results wait until the technician runs what
    // makearchive --upgrade prints; the old classroom role then reads nothing more.
    void aServerOfThePreviousVersionIsBroughtUpToDate()
    {
        QString settings;
        const QString database = serverArchive(&settings); // for its roles
        const ArchiveSettings pc = loadArchiveSettings({settings});
        const QString old = previousVersionsServer(pc.user);
        QVERIFY(server_.exec({QStringLiteral("ALTER DATABASE %1 OWNER TO %2").arg(old, TestServer::ownerRole(database)),
                              QStringLiteral("ALTER TABLE questionari OWNER TO %1").arg(TestServer::ownerRole(database)),
                              QStringLiteral("ALTER TABLE esercizi OWNER TO %1").arg(TestServer::ownerRole(database)),
                              QStringLiteral(
                                  "INSERT INTO questionari (nome, \"I tre periodi\", data1) VALUES ('BIANCHI ANNA', 9, '2026-03-01 09:00:00')")},
                             old));
        QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("archivio/database"), old);

        TestProgram program(programOnServer(settings));
        QVERIFY(program.start()); // saying so: a row of startUpNamesTheServerAndWhatIsWrong
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");
        program.clock().time = morning;
        QVERIFY(program.module().recordResult(Q, {{2, 7}}, 3));
        QCOMPARE(program.module().resultWriter().waiting(), 1);
        QCOMPARE(program.module().resultWriter().setAside(), 0);

        const QString admin = QFileInfo(QFileInfo(settings).path() + QStringLiteral("/admin/censaria.ini")).absoluteFilePath();
        QSettings(admin, QSettings::IniFormat).setValue(QStringLiteral("archivio/database"), old);
        QString error;
        const QString statements = TestServer::makearchive({QStringLiteral("--upgrade"), admin, QStringLiteral("--role"), pc.user,
                                                            QStringLiteral("--teacher"), pc.teacherUser},
                                                           &error);
        QVERIFY2(!statements.isEmpty(), qPrintable(error));
        QVERIFY2(server_.exec({statements}, old, &error), qPrintable(error));

        QVERIFY(program.module().resultWriter().sendQueue());
        QCOMPARE(server_.value(QStringLiteral("SELECT string_agg(nome || ' ' || \"I tre periodi\", ', ' ORDER BY rowid) FROM questionari"), old)
                     .toString(),
                 QStringLiteral("BIANCHI ANNA 9, ROSSI MARIO 7"));
        QSqlQuery query(program.module().dbrisultati().connection());
        QVERIFY(!query.exec(QStringLiteral("SELECT * FROM questionari")));
        QCOMPARE(query.lastError().nativeErrorCode(), QStringLiteral("42501"));
    }

    // The classroom PCs record and read nothing; the teacher reads the whole school
    // through the teachers' role, for as long as the screen that asked stays open.
    void theTeacherReadsTheWholeSchool()
    {
        QString settings;
        const QString database = serverArchive(&settings);
        // Another PC of the school has recorded a pupil already.
        auto other = openServer(settings);
        QVERIFY(other);
        QVERIFY(other->writeResult(Q, QStringLiteral("BIANCHI ANNA"), {{2, 10}, {3, morning}}));
        auto teacher = openServer(settings, true);
        QVERIFY(teacher);

        TestProgram program(programOnServer(settings));
        QVERIFY(program.start());
        QVERIFY(program.module().dbrisultati().isServer());
        program.dialogs().queueAnswer(QStringLiteral("rossi   mario"));
        QVERIFY(program.module().recordResult(Q, {{4, 6}}, 5));
        QVERIFY(program.dialogs().messages.isEmpty());
        QCOMPARE(teacher->findRow(Q, QStringLiteral("ROSSI MARIO"))->at(4).toInt(), 6);

        // A pupil opening the results sees nobody's marks, his own included: his name is
        // only typed.
        const auto grid = [&](const char *name, int row, int column) {
            return program.control<QTableWidget>(forms::results, QString::fromLatin1(name))->item(row, column)->text();
        };
        program.click(forms::menu, QStringLiteral("Cmdarchivio"));
        QCOMPARE(program.dialogs().messages.size(), 1);
        QVERIFY(program.dialogs().messages[0].text.contains(QStringLiteral("password dell'insegnante")));
        QCOMPARE(program.text(forms::results, QStringLiteral("LabNOME")), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(grid("Grid1", 2, 1), QString());
        QVERIFY(program.dialogs().passwordPrompts.isEmpty());
        program.dialogs().messages.clear();

        // Looking a pupil up asks the teachers' password; a wrong one shows nothing.
        const auto search = [&](const char *surname, const char *name) {
            program.control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(QString::fromUtf8(surname));
            program.control<QLineEdit>(forms::results, QStringLiteral("Text1"))->setText(QString::fromUtf8(name));
            program.click(forms::results, QStringLiteral("LabCERCA"));
        };
        program.dialogs().passwords = {QStringLiteral("sbagliata")};
        search("bianchi", "anna");
        QCOMPARE(program.dialogs().passwordPrompts.size(), 1);
        QVERIFY(program.dialogs().passwordPrompts[0].contains(TestServer::teacherRole(database)));
        QCOMPARE(program.dialogs().messageTexts().size(), 1);
        QVERIFY(program.dialogs().messageTexts()[0].contains(QStringLiteral("non ha accettato la password")));
        QCOMPARE(grid("Grid1", 1, 1), QString());
        program.dialogs().messages.clear();

        program.dialogs().passwords = {TestServer::teacherPassword(database)};
        search("bianchi", "anna");
        // Both pupils have questionnaires only: the screen says so for the exercises, nothing more.
        QCOMPARE(program.dialogs().messageTexts(), QStringList(1, QStringLiteral("Nome non trovato in 'Esercizi'")));
        QCOMPARE(grid("Grid1", 1, 1), QStringLiteral("10"));
        // For the rest of this opening the password is not asked again.
        search("rossi", "mario");
        QCOMPARE(grid("Grid1", 2, 1), QStringLiteral("6"));
        QCOMPARE(program.dialogs().passwordPrompts.size(), 2);
        // The export puts the server's rows on the medium.
        program.click(forms::results, QStringLiteral("LabEXPORT"));
        Archive collected(program.driveA() + QStringLiteral("/exportcensa.mdb"));
        QCOMPARE(collected.open(), ArchiveProblem::None);
        QCOMPARE(*collected.rows(Q), *teacher->rows(Q));
        QCOMPARE(program.dialogs().passwordPrompts.size(), 2);

        // Once the screen is left the login is gone, and what it showed with it.
        program.click(forms::results, QStringLiteral("Labmenù"));
        QCOMPARE(program.text(forms::results, QStringLiteral("LabNOME")), QString());
        QCOMPARE(grid("Grid1", 2, 1), QString());
        program.dialogs().messages.clear();
        program.click(forms::menu, QStringLiteral("Cmdarchivio"));
        search("bianchi", "anna"); // no password queued: the teacher cancels
        QCOMPARE(program.dialogs().passwordPrompts.size(), 3);
        QCOMPARE(grid("Grid1", 1, 1), QString());
        QCOMPARE(program.text(forms::results, QStringLiteral("Text2")), QStringLiteral("bianchi"));
        program.click(forms::results, QStringLiteral("LabSTAMPA"));
        QCOMPARE(program.dialogs().passwordPrompts.size(), 4);
        QVERIFY(program.printer().documents.isEmpty());

        // The register is guarded by the same role: no password of its own to keep.
        program.dialogs().passwords = {TestServer::teacherPassword(database)};
        program.click(forms::results, QStringLiteral("LabREGISTRO"));
        QCOMPARE(program.visibleScreens(), QStringList{forms::classRegister});
        QCOMPARE(program.dialogs().passwordPrompts.size(), 5);
        QVERIFY(program.text(forms::classRegister, QStringLiteral("sourcesLabel")).contains(QStringLiteral("2 alunni")));
        QVERIFY(!QFile::exists(program.module().settingsFile(QStringLiteral("registro.ini"))));

        // No daily copy of a server archive on the PC: the server keeps its own.
        QVERIFY(!QDir(program.programFolder() + QStringLiteral("/perCensaria/copie")).exists());
    }

    // A teacher who keeps the password in his own ~/.pgpass is not asked for it.
    void theTeachersPgpassLetsHimIn()
    {
        QString settings;
        const QString database = serverArchive(&settings);
        const QString pgpass = folder() + QStringLiteral(".pgpass");
        QVERIFY(writeBytes(pgpass, QStringLiteral("127.0.0.1:%1:%2:%3:%4\n")
                                       .arg(server_.port())
                                       .arg(database, TestServer::teacherRole(database), TestServer::teacherPassword(database))
                                       .toUtf8()));
        QVERIFY(QFile::setPermissions(pgpass, QFile::ReadOwner | QFile::WriteOwner));
        qputenv("PGPASSFILE", pgpass.toLocal8Bit());
        TestProgram program(programOnServer(settings));
        QVERIFY(program.start());
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");
        program.click(forms::menu, QStringLiteral("Cmdarchivio"));
        program.click(forms::results, QStringLiteral("LabREGISTRO"));
        qunsetenv("PGPASSFILE");
        QVERIFY(program.dialogs().passwordPrompts.isEmpty());
        QCOMPARE(program.visibleScreens(), QStringList{forms::classRegister});
    }

    void movetoserverMergesArchivesAndCanRunTwice()
    {
        QString settings;
        const QString database = serverArchive(&settings);
        const QString file = folder() + QStringLiteral(".mdb");
        QVERIFY(Archive::createEmpty(file));
        {
            Archive collected(file);
            QCOMPARE(collected.open(), ArchiveProblem::None);
            // A class's collected archive: the same pupil from two PCs, one topic on each,
            // and the first topic done on both, later on the second.
            QVERIFY(collected.appendRows(Q, {ArchiveRow{QStringLiteral("ROSSI MARIO"), {}, 4, QStringLiteral("2026-03-01 09:00:00")},
                                             ArchiveRow{QStringLiteral("ROSSI MARIO"), QStringLiteral("nota"), 9,
                                                        QStringLiteral("2026-03-02 09:00:00"), 3, QStringLiteral("2026-03-02 09:00:00")},
                                             ArchiveRow{QStringLiteral("VERDI LIA")}}));
            QVERIFY(collected.writeResult(E, QStringLiteral("VERDI LIA"), {{2, 1}, {3, 2}, {4, 33}, {5, morning}}));
        }
        auto pc = openServer(settings);
        QVERIFY(pc);
        QVERIFY(pc->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{4, 8}, {5, QDateTime(QDate(2026, 3, 3), QTime(9, 0))}}));
        auto server = openServer(settings, true);
        QVERIFY(server);

        // As the teachers' role, the password where libpq looks for it.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PGPASSWORD"), TestServer::teacherPassword(database));
        QProcess move;
        move.setProcessEnvironment(environment);
        for (int run = 0; run < 2; ++run) {
            move.start(qEnvironmentVariable("CENSARIA_MOVETOSERVER"), {file, settings});
            QVERIFY(move.waitForFinished(60000));
            QVERIFY2(move.exitCode() == 0, move.readAllStandardError().constData());
        }
        QCOMPARE(server_.count(Q, database), 2);
        QCOMPARE(server_.count(E, database), 1);
        const auto rossi = server->findRow(Q, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(rossi->at(1).toString(), QStringLiteral("nota"));
        QCOMPARE(rossi->at(2).toInt(), 9);
        QCOMPARE(rossi->at(4).toInt(), 8); // the server's own was later
        QCOMPARE(server->findRow(E, QStringLiteral("VERDI LIA"))->mid(2, 4), (ArchiveRow{1, 2, 33, morning}));
        // The SQLite archive is only read.
        Archive again(file);
        QCOMPARE(again.open(), ArchiveProblem::None);
        QCOMPARE(again.rows(Q)->size(), 3);

        // An archive edited by hand: what the record function refuses is named and left
        // out, the rest still moves, and the command says it failed.
        QVERIFY(again.appendRows(Q, {ArchiveRow{QStringLiteral("FALSO"), {}, 99, QStringLiteral("2026-03-01 09:00:00")},
                                     ArchiveRow{QStringLiteral("NERI UGO"), {}, 5, QStringLiteral("2026-03-01 09:00:00")}}));
        again.close();
        move.start(qEnvironmentVariable("CENSARIA_MOVETOSERVER"), {file, settings});
        QVERIFY(move.waitForFinished(60000));
        QCOMPARE(move.exitCode(), 1);
        QVERIFY(move.readAllStandardError().contains("FALSO"));
        QVERIFY(!server->findRow(Q, QStringLiteral("FALSO")));
        QCOMPARE(server->findRow(Q, QStringLiteral("NERI UGO"))->at(2).toInt(), 5);
    }
};

QTEST_MAIN(TestServerArchive)
#include "tst_serverarchive.moc"
