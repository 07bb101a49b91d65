#include "archive/archive.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace censaria;

// Kills a process that is writing results at random moments: every result it
// reported as saved must be in the archive, and the archive must stay sound.
class TestCrashSafety : public QObject
{
    Q_OBJECT

    // Two pupils' accounts in the archive's group, by number: no account is made.
    static constexpr int group = 64100;
    static constexpr int pupils[] = {64101, 64102};

    // The Debian package's layout: a folder where only root creates or deletes files, and
    // in it the archive and its journal, root's, which the group may write.
    static QString packageLayout(const QTemporaryDir &dir)
    {
        const QString folder = dir.filePath(QStringLiteral("archivi"));
        const QString file = folder + QStringLiteral("/dbcensaria.mdb");
        const QString journal = file + QStringLiteral("-journal");
        if (!QDir().mkpath(folder) || !Archive::createEmpty(file) || !QFile(journal).open(QIODevice::WriteOnly))
            return {};
        const bool ok = ::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0
                        && ::chown(QFile::encodeName(folder).constData(), 0, group) == 0
                        && ::chmod(QFile::encodeName(folder).constData(), 0750) == 0;
        for (const QString &name : {file, journal})
            if (!ok || ::chown(QFile::encodeName(name).constData(), 0, group) != 0 || ::chmod(QFile::encodeName(name).constData(), 0660) != 0)
                return {};
        return file;
    }

    // The recording child, run under a pupil's account.
    static void startAs(QProcess &child, int pupil, const QStringList &arguments)
    {
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=%1").arg(pupil), QStringLiteral("--regid=%1").arg(group),
                                                           QStringLiteral("--clear-groups"), QStringLiteral(RECORDING_CHILD)}
                                                   + arguments);
    }

    static void needRoot()
    {
        if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("needs root and setpriv, to run the writers under two pupils' accounts");
        if (QProcess::execute(QStringLiteral("setpriv"),
                              {QStringLiteral("--reuid=%1").arg(pupils[0]), QStringLiteral("--regid=%1").arg(group),
                               QStringLiteral("--clear-groups"), QStringLiteral("test"), QStringLiteral("-x"), QStringLiteral(RECORDING_CHILD)})
            != 0)
            QSKIP("the build folder cannot be reached by other accounts");
    }

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

    // Two pupils logged in to one PC with their own accounts save at once, where neither
    // may create or delete a file beside the archive: no save fails, nothing is lost.
    void twoAccountsWriteAtOnce()
    {
        needRoot();
        QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/censaria-XXXXXX") : QString());
        const QString file = packageLayout(dir);
        QVERIFY(!file.isEmpty());
        constexpr int results = 300;
        QProcess writers[2];
        for (int i = 0; i < 2; ++i)
            startAs(writers[i], pupils[i], {file, QString::number(i + 1), QString::number(results)});
        for (QProcess &writer : writers) {
            QVERIFY(writer.waitForFinished(240000));
            const QByteArray output = writer.readAllStandardOutput();
            QVERIFY2(writer.exitCode() == 0 && !output.contains("failed"), output.right(300).constData());
            QCOMPARE(output.count("\nsaved "), results);
        }
        Archive archive(file);
        QCOMPARE(archive.open(), ArchiveProblem::None);
        QCOMPARE(archive.rows(QStringLiteral("questionari"))->size(), 2 * results);
        QCOMPARE(QFileInfo(file + QStringLiteral("-journal")).size(), 0);
    }

    // One pupil's program is killed in the middle of a save; the next pupil, with another
    // account, starts the program: the write cut short is rolled back and the save works.
    void anotherAccountRecoversAWriteCutShort()
    {
        needRoot();
        QTemporaryDir dir;
        const QString file = packageLayout(dir);
        QVERIFY(!file.isEmpty());
        QHash<QString, int> saved;
        QRandomGenerator random(2027);
        int interrupted = 0;
        for (int run = 0; run < 30; ++run) {
            QProcess killed;
            startAs(killed, pupils[0], {file, QString::number(run)});
            QVERIFY(killed.waitForReadyRead(30000));
            QTest::qWait(int(random.bounded(100)));
            killed.kill();
            QVERIFY(killed.waitForFinished());
            interrupted += QFileInfo(file + QStringLiteral("-journal")).size() > 0;
            const QList<QByteArray> lines = killed.readAllStandardOutput().split('\n');
            for (qsizetype i = 0; i + 1 < lines.size(); ++i) // the last line may be cut by the kill
                if (const QList<QByteArray> words = lines[i].split(' '); words.first() == "saved")
                    saved.insert(QString::fromUtf8(words[1] + ' ' + words[2]), words[3].toInt());
            QProcess next;
            startAs(next, pupils[1], {file, QString::number(1000 + run), QStringLiteral("1")});
            QVERIFY(next.waitForFinished(60000));
            const QByteArray output = next.readAllStandardOutput();
            QVERIFY2(next.exitCode() == 0, output.constData());
            saved.insert(QStringLiteral("ALUNNO %1-0").arg(1000 + run), 0);
        }
        qInfo("%d of 30 kills left a journal to roll back", interrupted);
        Archive archive(file);
        QCOMPARE(archive.open(), ArchiveProblem::None);
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            const auto row = archive.findRow(QStringLiteral("questionari"), it.key());
            QVERIFY2(row, qPrintable(it.key()));
            QCOMPARE(row->at(2).toInt(), it.value());
        }
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
