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

    std::unique_ptr<Archive> openServer(const QString &settings)
    {
        auto archive = std::make_unique<Archive>(loadArchiveSettings({settings}), QString());
        const ArchiveProblem problem = archive->open();
        if (problem != ArchiveProblem::None)
            qWarning("server archive: %s", qPrintable(archive->lastError()));
        return problem == ArchiveProblem::None ? std::move(archive) : nullptr;
    }

    // A fresh server archive and a fresh archive file, both open; null where one failed.
    std::pair<std::unique_ptr<Archive>, std::unique_ptr<Archive>> serverAndFile()
    {
        QString settings;
        serverArchive(&settings);
        const QString file = folder() + QStringLiteral(".mdb");
        auto local = Archive::createEmpty(file) ? std::make_unique<Archive>(file) : nullptr;
        if (local && local->open() != ArchiveProblem::None)
            local.reset();
        return {openServer(settings), std::move(local)};
    }

    // A program folder whose perCensaria names the server archive of settings.
    QString programOnServer(const QString &settings)
    {
        const QString program = TestProgram::makeProgramFolder(folder());
        QFile::copy(settings, program + QStringLiteral("/perCensaria/censaria.ini"));
        return program;
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
            QFile file(dir + u'/' + name);
            file.open(QIODevice::WriteOnly);
            file.write(text);
            return file.fileName();
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

        // A password every user of the PC could read is refused before any connection.
        QString settings;
        serverArchive(&settings);
        const ArchiveSettings pc = loadArchiveSettings({settings});
        QFile::setPermissions(pc.passwordFile, QFile::permissions(pc.passwordFile) | QFile::ReadOther);
        Archive open(pc, QString());
        QCOMPARE(open.open(), ArchiveProblem::BadSettings);
        QVERIFY(open.lastError().contains(pc.passwordFile));
    }

    void makearchiveMakesTheTablesAndOnlyTheRightsTheyNeed()
    {
        QString settings;
        const QString database = serverArchive(&settings);
        for (const schema::Table &table : schema::tables()) {
            QStringList columns;
            for (const schema::Column &column : table.columns)
                columns.append(column.name);
            const QString columnsOf = QStringLiteral("FROM information_schema.columns WHERE table_name = '%1' AND column_name ").arg(table.name);
            QCOMPARE(server_.value(QStringLiteral("SELECT string_agg(column_name, '|' ORDER BY ordinal_position) ") + columnsOf + QStringLiteral("<> 'rowid'"), database).toString(),
                     columns.join(u'|'));
            // The row number comes after every column read by position.
            QCOMPARE(server_.value(QStringLiteral("SELECT ordinal_position ") + columnsOf + QStringLiteral("= 'rowid'"), database).toInt(), table.columns.size() + 1);
            const QString index = server_.value(QStringLiteral("SELECT indexdef FROM pg_indexes WHERE tablename = '%1' AND indexdef LIKE '%(nome)%'").arg(table.name), database).toString();
            QVERIFY2(index.contains(QLatin1String("(nome)")) && !index.contains(QLatin1String("UNIQUE")), qPrintable(index));
        }

        auto archive = openServer(settings);
        QVERIFY(archive);
        QVERIFY(archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, morning}}));
        // The classroom role reads and writes the two tables and nothing else.
        QSqlQuery query(archive->connection());
        QVERIFY(!query.exec(QStringLiteral("DELETE FROM questionari")));
        QVERIFY(!query.exec(QStringLiteral("CREATE TABLE altro (x int)")));
        QVERIFY(!query.exec(QStringLiteral("DROP TABLE esercizi")));

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
        const auto [server, local] = serverAndFile();
        QVERIFY(server && local);
        const QDateTime later = morning.addDays(1).addSecs(3599);
        const QString verdi = QStringLiteral("VERDI LIA");
        for (Archive *archive : {local.get(), server.get()}) {
            QVERIFY(archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, morning}}));
            QVERIFY(archive->writeResult(Q, QStringLiteral("D'ANGELO NICCOLÒ"), {{20, 10}, {21, later}}));
            QVERIFY(archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{2, 9}, {3, later}}));
            QVERIFY(archive->writeResult(Q, QStringLiteral("SOLO NOME"), {}));
            QVERIFY(archive->writeResult(E, QStringLiteral("ROSSI MARIO"), {{2, 3}, {3, 2}, {4, 60}, {5, morning}}));
            QVERIFY(archive->writeResult(E, QStringLiteral("ROSSI MARIO"), {{10, 5}, {11, 0}, {12, 100}, {13, later}}));
            QVERIFY(!archive->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{22, 1}}));

            QVERIFY(archive->writeResult(Q, verdi, {{2, 8}, {3, morning}, {4, 1}, {5, morning}}));
            // Earlier than what is there: that topic stays; another topic is filled.
            QVERIFY(archive->writeResult(Q, verdi, {{2, 5}, {3, morning.addSecs(-60)}, {6, 4}, {7, morning.addSecs(-60)}}, WriteRule::KeepLater));
            // Later: replaces; and the same result again changes nothing.
            for (int twice = 0; twice < 2; ++twice)
                QVERIFY(archive->writeResult(Q, verdi, {{4, 9}, {5, morning.addSecs(60)}}, WriteRule::KeepLater));
            // An exercise group goes together with its date.
            QVERIFY(archive->writeResult(E, verdi, {{2, 3}, {3, 2}, {4, 60}, {5, morning}}));
            QVERIFY(archive->writeResult(E, verdi, {{2, 9}, {3, 9}, {4, 9}, {5, morning.addSecs(-1)}}, WriteRule::KeepLater));
            // A pupil the archive does not know yet gets a row.
            QVERIFY(archive->writeResult(Q, QStringLiteral("NUOVO"), {{8, 6}, {9, morning}}, WriteRule::KeepLater));

            const auto row = archive->findRow(Q, verdi);
            QVERIFY(row);
            QCOMPARE(row->mid(2, 6), (ArchiveRow{8, morning, 9, morning.addSecs(60), 4, morning.addSecs(-60)}));
            QCOMPARE(archive->findRow(E, verdi)->mid(2, 4), (ArchiveRow{3, 2, 60, morning}));
            QCOMPARE(archive->findRow(Q, QStringLiteral("NUOVO"))->at(8).toInt(), 6);
        }
        QCOMPARE(*server->rows(Q), *local->rows(Q));
        QCOMPARE(*server->rows(E), *local->rows(E));
        // Stored values alike, whatever type each driver hands back.
        auto asText = [](const QList<ArchiveRow> &rows) {
            QStringList texts;
            for (const ArchiveRow &row : rows)
                for (const QVariant &value : row)
                    texts.append(value.isNull() ? QStringLiteral("<null>") : value.toString());
            return texts;
        };
        QCOMPARE(asText(*server->storedRows(Q)), asText(*local->storedRows(Q)));
        QVERIFY(server->storedRows(Q)->at(0).at(4).isNull());
        QCOMPARE(server->names(), local->names());
        QCOMPARE(server->names().size(), 5);
        QCOMPARE(server->findRow(Q, QStringLiteral("D'ANGELO NICCOLÒ"))->at(21).toDateTime(), later);
        QVERIFY(!server->findRow(Q, QStringLiteral("NESSUNO")));
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
        QCOMPARE(server_.value(QStringLiteral("SELECT count(*) FROM questionari WHERE \"Piramidi\" = 6 AND \"Popolazione italiana\" = 7"), database)
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
        QFile passwordFile(pc.passwordFile);
        QVERIFY(passwordFile.open(QIODevice::ReadOnly));
        QString password = QString::fromUtf8(passwordFile.readAll()).trimmed();
        int port = server_.port();
        if (fault == QLatin1String("password"))
            password += u'x';
        else if (fault == QLatin1String("database"))
            database2 = QStringLiteral("assente");
        else if (fault == QLatin1String("tables"))
            database2 = server_.newDatabase();
        else if (fault == QLatin1String("port"))
            port = 1; // nothing listens there
        const QString faulty = server_.writeSettings(folder(), database2, pc.user, password, QStringLiteral("127.0.0.1"), port);
        if (fault == QLatin1String("tables"))
            QVERIFY(server_.exec({QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(database2, pc.user)}));

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

    void theScreensReadTheWholeSchool()
    {
        QString settings;
        serverArchive(&settings);
        // Another PC of the school has recorded a pupil already.
        auto other = openServer(settings);
        QVERIFY(other);
        QVERIFY(other->writeResult(Q, QStringLiteral("BIANCHI ANNA"), {{2, 10}, {3, morning}}));

        TestProgram program(programOnServer(settings));
        QVERIFY(program.start());
        QVERIFY(program.module().dbrisultati().isServer());
        program.dialogs().queueAnswer(QStringLiteral("rossi   mario"));
        QVERIFY(program.module().recordResult(Q, {{4, 6}}, 5));
        QVERIFY(program.dialogs().messages.isEmpty());
        QCOMPARE(other->findRow(Q, QStringLiteral("ROSSI MARIO"))->at(4).toInt(), 6);

        // The results screen of this PC finds the pupil of the other one.
        program.control<QPushButton>(QStringLiteral("Fmenù"), QStringLiteral("Cmdarchivio"))->click();
        program.control<QLineEdit>(QStringLiteral("FRisultati"), QStringLiteral("Text2"))->setText(QStringLiteral("bianchi"));
        program.control<QLineEdit>(QStringLiteral("FRisultati"), QStringLiteral("Text1"))->setText(QStringLiteral("anna"));
        program.control<ClickLabel>(QStringLiteral("FRisultati"), QStringLiteral("LabCERCA"))->click();
        // Both pupils have questionnaires only: the screen says so for the exercises, nothing more.
        QCOMPARE(program.dialogs().messageTexts(), QStringList(2, QStringLiteral("Nome non trovato in 'Esercizi'")));
        QCOMPARE(program.control<QTableWidget>(QStringLiteral("FRisultati"), QStringLiteral("Grid1"))->item(1, 1)->text(), QStringLiteral("10"));

        // The names list of this PC shows both pupils.
        QCOMPARE(program.module().dbrisultati().names(), (QStringList{QStringLiteral("BIANCHI ANNA"), QStringLiteral("ROSSI MARIO")}));
        // The export puts the server's rows on the medium.
        const DataPaths medium = program.module().paths().onMedium(program.driveA());
        ResultsExport exporter(program.module().dbrisultati(), medium, program.files());
        QCOMPARE(exporter.run(), ResultsExport::Outcome::Done);
        Archive collected(exporter.targetPath());
        QCOMPARE(collected.open(), ArchiveProblem::None);
        QCOMPARE(*collected.rows(Q), *other->rows(Q));
        // No daily copy of a server archive on the PC: the server keeps its own.
        QVERIFY(!QDir(program.programFolder() + QStringLiteral("/perCensaria/copie")).exists());
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
        auto server = openServer(settings);
        QVERIFY(server);
        QVERIFY(server->writeResult(Q, QStringLiteral("ROSSI MARIO"), {{4, 8}, {5, QDateTime(QDate(2026, 3, 3), QTime(9, 0))}}));

        for (int run = 0; run < 2; ++run) {
            QProcess move;
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
    }
};

QTEST_MAIN(TestServerArchive)
#include "tst_serverarchive.moc"
