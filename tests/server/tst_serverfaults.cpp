// No result is lost when the school's server goes away: results wait in each PC's
// queue and reach the server once it answers again, in order, once each. Runs on a
// cluster of its own, which it stops and starts.
#include "screentest.h"
#include "testserver.h"

#include "archive/archive.h"
#include "archive/resultqueue.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

using namespace censaria;

namespace {

const QString Q = QStringLiteral("questionari");

// What loadpc records as result i of PC pc, for checking the server's rows.
int expectedScore(int pc, int i) { return (i * 7 + pc) % 11; }

} // namespace

class TestServerFaults : public QObject
{
    Q_OBJECT

    TestServer server_{qEnvironmentVariable("CENSARIA_PGCLUSTER") + QStringLiteral("-faults-%1").arg(QCoreApplication::applicationPid())};
    QTemporaryDir temp_;
    QString settings_;
    QString database_;

    // Every PC's results on the server, each pupil's row once, each topic as recorded last.
    void verifyServerHolds(int pcs, int results)
    {
        QCOMPARE(server_.count(Q, database_), pcs * results / 10);
        QCOMPARE(server_.value(QStringLiteral("SELECT count(DISTINCT nome) FROM questionari"), database_).toInt(), pcs * results / 10);
        Archive archive(loadArchiveSettings({settings_}), QString());
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
        process->start(qEnvironmentVariable("CENSARIA_LOADPC"),
                       QStringList{settings_, temp_.filePath(QStringLiteral("queue-%1.sqlite").arg(pc)), QString::number(pc),
                                   QString::number(results)}
                           + extra);
        return process;
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

    void aPupilsResultsWaitWhileTheServerIsDown()
    {
        const QString folder = TestProgram::makeProgramFolder(temp_.filePath(QStringLiteral("program")));
        QFile::copy(settings_, folder + QStringLiteral("/perCensaria/censaria.ini"));
        TestProgram program(folder);
        QVERIFY(program.start());
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");

        QVERIFY(server_.control(QStringLiteral("stop")));
        // The results screen does not pretend the pupil is unknown.
        program.control<QPushButton>(QStringLiteral("Fmenù"), QStringLiteral("Cmdarchivio"))->click();
        QCOMPARE(program.dialogs().messageTexts(),
                 QStringList(2, QStringLiteral("Il server della scuola non risponde: i risultati non si possono vedere ora. Riprovate tra poco.")));
        program.dialogs().messages.clear();

        program.clock().time = QDateTime(QDate(2026, 3, 12), QTime(10, 0));
        QVERIFY(program.module().recordResult(Q, {{2, 5}}, 3));
        program.clock().time = program.clock().time.addSecs(60);
        QVERIFY(program.module().recordResult(Q, {{2, 7}}, 3));
        QCOMPARE(program.dialogs().messages.size(), 2);
        QVERIFY(program.dialogs().messages[0].text.contains(QStringLiteral("sarà inviato appena possibile")));
        QCOMPARE(program.dialogs().messages[0].icon, MessageIcon::Information);
        QCOMPARE(program.module().resultWriter().waiting(), 2);

        QVERIFY(server_.control(QStringLiteral("start")));
        // The next recording sends the queue first, in order, then its own result.
        program.clock().time = program.clock().time.addSecs(60);
        QVERIFY(program.module().recordResult(Q, {{4, 9}}, 5));
        QCOMPARE(program.dialogs().messages.size(), 2);
        QCOMPARE(program.module().resultWriter().waiting(), 0);
        const auto row = program.module().dbrisultati().findRow(Q, QStringLiteral("ROSSI MARIO"));
        QVERIFY(row);
        QCOMPARE(row->at(2).toInt(), 7);
        QCOMPARE(row->at(3).toDateTime(), QDateTime(QDate(2026, 3, 12), QTime(10, 1)));
        QCOMPARE(row->at(4).toInt(), 9);
        QCOMPARE(server_.count(Q, database_), 1);

        // A PC switched off with results waiting sends them when it starts again.
        QVERIFY(server_.control(QStringLiteral("stop")));
        program.clock().time = program.clock().time.addSecs(60);
        QVERIFY(program.module().recordResult(Q, {{6, 3}}, 7));
        QCOMPARE(program.module().resultWriter().waiting(), 1);
        QVERIFY(server_.control(QStringLiteral("start")));
        TestProgram again(folder);
        QVERIFY(again.start());
        QVERIFY(again.dialogs().messages.isEmpty());
        QCOMPARE(again.module().resultWriter().waiting(), 0);
        QCOMPARE(again.module().dbrisultati().findRow(Q, QStringLiteral("ROSSI MARIO"))->at(6).toInt(), 3);
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
