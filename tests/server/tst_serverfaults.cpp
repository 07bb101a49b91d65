// No result is lost when the school's server goes away: results wait in each PC's
// queue and reach the server once it answers again, in order, once each. Runs on a
// cluster of its own, which it stops and starts.
#include "screentest.h"
#include "testserver.h"

#include "archive/archive.h"
#include "archive/otherprogram.h"
#include "archive/resultqueue.h"
#include "register/registerkeeper.h"

#include <QDirIterator>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>

using namespace censaria;

namespace {

const QString Q = QStringLiteral("questionari");

// What loadpc records as result i of PC pc, for checking the server's rows.
int expectedScore(int pc, int i)
{
    return (i * 7 + pc) % 11;
}

} // namespace

class TestServerFaults : public QObject
{
    Q_OBJECT

    TestServer server_{qEnvironmentVariable("CENSARIA_PGCLUSTER") + QStringLiteral("-faults-%1").arg(QCoreApplication::applicationPid())};
    QTemporaryDir temp_;
    QString settings_;
    QString database_;

    // What a query on the archive's database gives, as text.
    QString valueOf(const QString &sql) const { return server_.value(sql, database_).toString(); }

    // Every PC's results on the server, each pupil's row once, each topic as recorded last.
    void verifyServerHolds(int pcs, int results)
    {
        QCOMPARE(server_.count(Q, database_), pcs * results / 10);
        QCOMPARE(server_.value(QStringLiteral("SELECT count(DISTINCT nome) FROM questionari"), database_).toInt(), pcs * results / 10);
        Archive archive(loadArchiveSettings({settings_}).asTeacher(), QString());
        archive.setServerPassword(TestServer::teacherPassword(database_));
        QCOMPARE(archive.open(), ArchiveProblem::None);
        for (int pc = 0; pc < pcs; ++pc) {
            for (int i = 0; i < results; i += 10) {
                const auto row = archive.findRow(Q, QStringLiteral("PC%1 ALUNNO%2").arg(pc).arg(i / 10));
                QVERIFY(row);
                for (int topic = 0; topic < 10; ++topic)
                    QCOMPARE(row->at(2 + 2 * topic).toInt(), expectedScore(pc, i + topic));
            }
        }
    }

    QProcess *startPc(int pc, int results, const QStringList &extra)
    {
        auto *process = new QProcess(this);
        process->start(qEnvironmentVariable("CENSARIA_LOADPC"), QStringList{settings_, temp_.filePath(QStringLiteral("queue-%1.sqlite").arg(pc)),
                                                                            QString::number(pc), QString::number(results)}
                                                                    + extra);
        return process;
    }

    // Every file and folder under folder, with its size.
    static QStringList filesUnder(const QString &folder)
    {
        QStringList found;
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            found.append(it.filePath() + u' ' + QString::number(it.fileInfo().isDir() ? 0 : it.fileInfo().size()));
        }
        found.sort();
        return found;
    }

    void freshArchive()
    {
        QString error;
        database_ = server_.makeArchive(temp_.filePath(QStringLiteral("settings-%1").arg(QTest::currentTestFunction())), &settings_, &error);
        QVERIFY2(!database_.isEmpty(), qPrintable(error));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp_.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("CENSARIA_PGCLUSTER_SCRIPT"), "run the server tests through ctest");
        QVERIFY2(server_.control(QStringLiteral("fresh")), "the test's own PostgreSQL server did not start");
    }

    void cleanupTestCase() { server_.control(QStringLiteral("destroy")); }

    void init()
    {
        QVERIFY(server_.control(QStringLiteral("start")));
        freshArchive();
    }

    // As under the Debian package: the program's folder belongs to root, so the queue
    // lives in the account's own data folder, which no other account can read.
    void aPupilsResultsWaitWhileTheServerIsDown()
    {
        const QString folder = TestProgram::makeProgramFolder(temp_.filePath(QStringLiteral("program")));
        QFile::copy(settings_, folder + QStringLiteral("/perCensaria/censaria.ini"));
        const QString account = temp_.filePath(QStringLiteral("home/.local/share/Censaria"));
        const QStringList installed = filesUnder(folder);
        for (const QString &path : {folder, folder + QStringLiteral("/perCensaria")})
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                    | QFile::ExeOther));
        TestProgram program(folder, account);
        QVERIFY(program.start());
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");

        QVERIFY(server_.control(QStringLiteral("stop")));
        // The teacher's look-up says the server is away, not that the pupil is unknown.
        program.click(forms::menu, QStringLiteral("Cmdarchivio"));
        program.dialogs().messages.clear();
        program.control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(QStringLiteral("rossi"));
        program.click(forms::results, QStringLiteral("LabCERCA"));
        QCOMPARE(program.dialogs().messageTexts(),
                 QStringList(1,
                             QStringLiteral("Il server della scuola non risponde: i risultati non si possono vedere ora. Riprovate tra poco.")));
        QVERIFY(program.dialogs().passwordPrompts.isEmpty());
        program.click(forms::results, QStringLiteral("Labmenù"));
        program.dialogs().messages.clear();

        program.clock().time = QDateTime(QDate(2026, 3, 12), QTime(10, 0));
        QVERIFY(program.module().recordResult(Q, {{2, 5}}, 3));
        program.clock().time = program.clock().time.addSecs(60);
        QVERIFY(program.module().recordResult(Q, {{2, 7}}, 3));
        QCOMPARE(program.dialogs().messages.size(), 2);
        QVERIFY(program.dialogs().messages[0].text.contains(QStringLiteral("sarà inviato appena possibile")));
        QCOMPARE(program.dialogs().messages[0].icon, MessageIcon::Information);
        QCOMPARE(program.module().resultWriter().waiting(), 2);
        // Kept where only this account reaches, and nothing written beside the program.
        const QString queue = account + QStringLiteral("/codarisultati.sqlite");
        QCOMPARE(program.module().resultWriter().queueFile(), queue);
        QCOMPARE(QFileInfo(queue).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QFileInfo(account).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(filesUnder(folder), installed);

        QVERIFY(server_.control(QStringLiteral("start")));
        // The next recording sends the queue first, in order, then its own result.
        program.clock().time = program.clock().time.addSecs(60);
        QVERIFY(program.module().recordResult(Q, {{4, 9}}, 5));
        QCOMPARE(program.dialogs().messages.size(), 2);
        QCOMPARE(program.module().resultWriter().waiting(), 0);
        QCOMPARE(valueOf(QStringLiteral("SELECT \"I tre periodi\" || ' ' || data1 || ' ' || \"periodo fam tradizionali\" FROM questionari "
                                        "WHERE nome = 'ROSSI MARIO'")),
                 QStringLiteral("7 2026-03-12 10:01:00 9"));
        QCOMPARE(server_.count(Q, database_), 1);

        // A PC switched off with results waiting sends them when it starts again.
        QVERIFY(server_.control(QStringLiteral("stop")));
        program.clock().time = program.clock().time.addSecs(60);
        QVERIFY(program.module().recordResult(Q, {{6, 3}}, 7));
        QCOMPARE(program.module().resultWriter().waiting(), 1);
        QVERIFY(server_.control(QStringLiteral("start")));
        TestProgram again(folder, account);
        QVERIFY(again.start());
        QVERIFY(again.dialogs().messages.isEmpty());
        QCOMPARE(again.module().resultWriter().waiting(), 0);
        QCOMPARE(valueOf(QStringLiteral("SELECT \"periodo Boom demografico\" FROM questionari WHERE nome = 'ROSSI MARIO'")),
                 QStringLiteral("3"));
        QCOMPARE(filesUnder(folder), installed);
        for (const QString &path : {folder, folder + QStringLiteral("/perCensaria")})
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    }

    // The queue is the account's own file: whatever stands in it is checked before it
    // goes, and a row that can never go is set aside, kept, instead of holding up the rest.
    void aForgedQueuedRowIsSetAsideAndTheOthersGo()
    {
        const QString folder = TestProgram::makeProgramFolder(temp_.filePath(QStringLiteral("forged")));
        QFile::copy(settings_, folder + QStringLiteral("/perCensaria/censaria.ini"));
        const QString account = temp_.filePath(QStringLiteral("forged-home"));
        const QDateTime start(QDate(2026, 3, 2), QTime(8, 0));
        const QString stamp = start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        {
            ResultQueue queue(account + QStringLiteral("/codarisultati.sqlite"));
            QVERIFY(queue.add(Q, QStringLiteral("ROSSI MARIO"), {{2, 6}, {3, start}}));
            // Each kind of forgery the check refuses is in tst_resultcheck; here one of them,
            // and what only a queue can hold.
            const QList<std::pair<QString, QString>> forged{
                {Q, QStringLiteral("[[0,\"BIANCHI ANNA\"],[3,\"%1\"]]").arg(stamp)}, // into the name
                {Q, QStringLiteral("not a list")},
            };
            test::SqlConnection forger(account + QStringLiteral("/codarisultati.sqlite"), QStringLiteral("forger"));
            QVERIFY(forger.db.open());
            QSqlQuery query(forger.db);
            for (const auto &[table, values] : forged) {
                query.prepare(QStringLiteral("INSERT INTO coda (tabella, nome, valori) VALUES (?, 'VERDI LIA', ?)"));
                query.addBindValue(table);
                query.addBindValue(values);
                QVERIFY(query.exec());
            }
            QVERIFY(queue.add(Q, QStringLiteral("VERDI LIA"), {{4, 8}, {5, start.addSecs(60)}}));
            QCOMPARE(queue.size(), 4);
        }
        TestProgram program(folder, account);
        QVERIFY(program.start());
        QCOMPARE(program.module().resultWriter().waiting(), 0);
        QCOMPARE(program.module().resultWriter().setAside(), 2);
        QCOMPARE(valueOf(QStringLiteral("SELECT string_agg(nome || ' ' || coalesce(\"I tre periodi\", -1) || ' ' || "
                                        "coalesce(\"periodo fam tradizionali\", -1), ', ' ORDER BY nome) FROM questionari")),
                 QStringLiteral("ROSSI MARIO 6 -1, VERDI LIA -1 8"));

        // A result the server itself refuses (this PC's clock runs a day ahead) is kept aside too.
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");
        program.clock().time = QDateTime::currentDateTime().addDays(1);
        QVERIFY(program.module().recordResult(Q, {{8, 4}}, 9));
        QVERIFY(program.dialogs().messages.value(0).text.contains(QStringLiteral("non ha accettato")));
        QCOMPARE(program.module().resultWriter().setAside(), 3);
        QCOMPARE(program.module().resultWriter().waiting(), 0);

        // The teacher hears of them when he opens the school's results on this PC.
        program.dialogs().messages.clear();
        program.click(forms::results, QStringLiteral("CMDAGGIORNA"));
        program.dialogs().passwords = {TestServer::teacherPassword(database_)};
        program.control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(QStringLiteral("verdi"));
        program.click(forms::results, QStringLiteral("LabCERCA"));
        const QStringList texts = program.dialogs().messageTexts();
        QVERIFY2(texts.size() >= 2 && texts[1].contains(QStringLiteral("3 risultati non sono stati accettati"))
                     && texts[1].contains(QStringLiteral("codarisultati.sqlite")),
                 qPrintable(texts.join(u'\n')));
    }

    // A tidy-up of the register while the server is away changes nothing and says why in
    // words a teacher understands, not in the driver's.
    void aTidyUpWhileTheServerIsAwaySaysSo()
    {
        Archive archive(loadArchiveSettings({settings_}).asTeacher(), QString());
        archive.setServerPassword(TestServer::teacherPassword(database_));
        QCOMPARE(archive.open(), ArchiveProblem::None);
        classregister::RegisterKeeper keeper(
            archive, [](const QString &) { return true; }, temp_.filePath(QStringLiteral("copie")));
        QVERIFY(server_.control(QStringLiteral("stop")));
        QVERIFY(!keeper.deletePupil(QStringLiteral("ROSSI MARIO"), QDateTime(QDate(2026, 3, 12), QTime(10, 0))));
        QVERIFY2(keeper.lastError().startsWith(QStringLiteral("Il server della scuola non risponde")), qPrintable(keeper.lastError()));
    }

    void theServerRestartsWhilePcsRecord()
    {
        const int pcs = 6, results = 500;
        QList<QProcess *> running;
        for (int pc = 0; pc < pcs; ++pc)
            running.append(startPc(pc, results, {QStringLiteral("--drain"), QStringLiteral("90")}));
        // Stopped once the PCs are well under way, not before.
        QTRY_VERIFY_WITH_TIMEOUT(server_.count(Q, database_) >= 30, 60000);
        QVERIFY(server_.control(QStringLiteral("stop")));
        QTest::qWait(2000);
        QVERIFY(server_.control(QStringLiteral("start")));
        int queued = 0;
        for (QProcess *process : running) {
            QVERIFY(process->state() == QProcess::NotRunning || process->waitForFinished(180000));
            const QString summary = QString::fromUtf8(process->readAllStandardOutput()).section(u'\n', 0, 0);
            QVERIFY2(process->exitCode() == 0, qPrintable(summary + process->readAllStandardError()));
            queued += summary.section(u' ', 3, 3).toInt();
        }
        qInfo("%d of %d results went through the queues", queued, pcs * results);
        QVERIFY(queued > 0); // the server really was away during the run
        verifyServerHolds(pcs, results);
    }

    void aPcKilledWhileSendingItsQueueLosesAndDoublesNothing()
    {
        const int results = 1500;
        QFile::remove(temp_.filePath(QStringLiteral("queue-0.sqlite"))); // whatever an earlier test left waiting
        {
            ResultQueue queue(temp_.filePath(QStringLiteral("queue-0.sqlite")));
            const QDateTime start(QDate(2026, 3, 2), QTime(8, 0));
            for (int i = 0; i < results; ++i)
                QVERIFY(queue.add(Q, QStringLiteral("PC0 ALUNNO%1").arg(i / 10),
                                  {{2 + 2 * (i % 10), expectedScore(0, i)}, {3 + 2 * (i % 10), start.addSecs(i)}}));
        }
        QProcess *sender = startPc(0, 0, {QStringLiteral("--send-only")});
        QVERIFY(sender->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(server_.count(Q, database_) > 20, 60000);
        ::kill(pid_t(sender->processId()), SIGKILL);
        QVERIFY(sender->waitForFinished());
        QCOMPARE(sender->exitStatus(), QProcess::CrashExit);
        const int left = ResultQueue(temp_.filePath(QStringLiteral("queue-0.sqlite"))).size();
        QVERIFY2(left > 0 && left < results, qPrintable(QString::number(left)));

        QProcess *again = startPc(0, 0, {QStringLiteral("--send-only")});
        QVERIFY(again->waitForFinished(120000));
        QCOMPARE(again->exitCode(), 0);
        QCOMPARE(ResultQueue(temp_.filePath(QStringLiteral("queue-0.sqlite"))).size(), 0);
        verifyServerHolds(1, results);
    }
};

QTEST_MAIN(TestServerFaults)
#include "tst_serverfaults.moc"
