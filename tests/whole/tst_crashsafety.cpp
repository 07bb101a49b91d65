#include "archive/archive.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

// Kills a process that is writing results at random moments: every result it
// reported as saved must be in the archive, and the archive must stay sound.
class TestCrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void killedWritersLoseNothingReported()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dbcensaria.mdb"));
        QVERIFY(Archive::createEmpty(file));
        QHash<QString, int> saved;
        int counter = -1;
        QRandomGenerator random(2026);
        constexpr int runs = 200;
        for (int run = 0; run < runs; ++run) {
            QProcess child;
            child.start(QStringLiteral(RECORDING_CHILD), {file, QString::number(run)});
            QVERIFY(child.waitForStarted());
            // Killed at a random moment once it is writing: mostly inside a transaction.
            QVERIFY(child.waitForReadyRead(30000));
            QTest::qWait(int(random.bounded(150)));
            child.kill(); // SIGKILL
            QVERIFY(child.waitForFinished());
            const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            // The last line may be cut by the kill; only whole lines count.
            for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
                const QList<QByteArray> words = lines[i].split(' ');
                if (words.first() == "ready")
                    continue;
                if (words.first() == "saved")
                    saved.insert(QString::fromUtf8(words[1] + ' ' + words[2]), words[3].toInt());
                else if (words.first() == "counter")
                    counter = std::max(counter, words[1].toInt());
            }
        }
        qInfo("%lld results reported saved over %d kills", qlonglong(saved.size()), runs);
        QVERIFY2(saved.size() >= runs / 4, "the writer hardly got going");

        Archive archive(file);
        QCOMPARE(archive.open(), ArchiveProblem::None); // includes the integrity check
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            const auto row = archive.findRow(QStringLiteral("questionari"), it.key());
            QVERIFY2(row, qPrintable(it.key()));
            QCOMPARE(row->at(2).toInt(), it.value());
        }
        const auto counterRow = archive.findRow(QStringLiteral("esercizi"), QStringLiteral("CONTATORE"));
        QVERIFY(counterRow);
        QVERIFY(counterRow->at(2).toInt() >= counter);
        QCOMPARE(archive.rows(QStringLiteral("esercizi"))->size(), 1); // the shared row never doubled
    }

    // Two pupils' sessions on one PC, or two PCs on a shared folder: both record at
    // once into one archive, and a busy archive only makes a save wait.
    void twoWritersAtOnceLoseNothing()
    {
        // On a memory file system when there is one: the locks are the same as on a disk,
        // without thousands of waits for the disk, and the writers clash far more often.
        QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/censaria-XXXXXX") : QString());
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("dbcensaria.mdb"));
        QVERIFY(Archive::createEmpty(file));
        constexpr int results = 2000;
        QProcess writers[2];
        for (int i = 0; i < 2; ++i) {
            writers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writers[i].start(QStringLiteral(RECORDING_CHILD), {file, QString::number(i + 1), QString::number(results)});
        }
        for (QProcess &writer : writers) {
            QVERIFY(writer.waitForFinished(240000));
            const QByteArray output = writer.readAllStandardOutput();
            const qsizetype failed = output.indexOf("failed");
            QVERIFY2(failed < 0, output.mid(failed, 200).constData());
            QCOMPARE(writer.exitCode(), 0);
            QCOMPARE(output.count("\nsaved "), results);
        }
        Archive archive(file);
        QCOMPARE(archive.open(), ArchiveProblem::None);
        QCOMPARE(archive.rows(QStringLiteral("questionari"))->size(), 2 * results);
        for (int run = 1; run <= 2; ++run)
            for (int i = 0; i < results; i += 97)
                QCOMPARE(archive.findRow(QStringLiteral("questionari"), QStringLiteral("ALUNNO %1-%2").arg(run).arg(i))->at(2).toInt(), i % 11);
        QCOMPARE(archive.rows(QStringLiteral("esercizi"))->size(), 1);
        QVERIFY(archive.integrityCheck());
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
