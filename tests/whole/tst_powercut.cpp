#include "archive/archive.h"
#include "powercutvfs.h"
#include "register/registerkeeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

// Replays a power cut at every moment of a run of saves: whatever the disk still holds
// then (synced data, synced folder entries) must open as a sound archive holding every
// result that was reported saved. A killed process cannot show this: its writes stay
// in the page cache.
class TestPowerCut : public QObject
{
    Q_OBJECT

    // The disk is modelled by the VFS, so the real files may live in memory: thousands
    // of reopened images then need no waits for a real disk.
    static QString scratch() { return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/censaria-XXXXXX") : QString(); }

private slots:
    // Where no journal is kept it is made and deleted at every save; the Debian package
    // keeps one, made by root, which every save empties and none may delete.
    void aPowerCutNeverTakesASavedResult_data()
    {
        QTest::addColumn<bool>("journalKept");
        QTest::newRow("journal deleted") << false;
        QTest::newRow("journal kept") << true;
    }
    void aPowerCutNeverTakesASavedResult()
    {
        QFETCH(bool, journalKept);
        QTemporaryDir dir(scratch());
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("dbcensaria.mdb"));
        const QString journal = QStringLiteral("dbcensaria.mdb-journal");
        QVERIFY(Archive::createEmpty(file));
        if (journalKept) {
            QFile made(dir.filePath(journal));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }

        constexpr int pupils = 25;
        QList<int> counterAfter; // the shared counter after each save reported
        powercut::start(dir.path());
        {
            Archive archive(file);
            QCOMPARE(archive.open(), ArchiveProblem::None);
            for (int i = 0; i < pupils; ++i) {
                // A new row, then a change to a row that is already there.
                QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ALUNNO %1").arg(i), {{2, i % 11}}));
                counterAfter.append(counterAfter.isEmpty() ? -1 : counterAfter.last());
                powercut::reportSaved(counterAfter.size());
                QVERIFY(archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("CONTATORE"), {{2, i}}));
                counterAfter.append(i);
                powercut::reportSaved(counterAfter.size());
            }
        }
        const QList<powercut::Image> images = powercut::stop();
        qInfo("%lld moments of power cut replayed", qlonglong(images.size()));
        QVERIFY(images.size() >= 3 * counterAfter.size()); // several moments in every save

        for (qsizetype n = 0; n < images.size(); ++n) {
            const powercut::Image &image = images[n];
            QTemporaryDir after(scratch());
            for (auto it = image.files.cbegin(); it != image.files.cend(); ++it) {
                QFile out(after.filePath(it.key()));
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write(it.value());
            }
            const QString where = QStringLiteral("cut %1 of %2, %3 saves reported, files %4")
                                      .arg(n)
                                      .arg(images.size())
                                      .arg(image.saved)
                                      .arg(image.files.keys().join(QStringLiteral(", ")));
            Archive archive(after.filePath(QStringLiteral("dbcensaria.mdb")));
            QVERIFY2(archive.open() == ArchiveProblem::None, qPrintable(where + u' ' + archive.lastError()));
            // The start's recovery plays a hot journal back and leaves the journal where it is.
            QVERIFY2(!journalKept || QFileInfo::exists(after.filePath(journal)), qPrintable(where));
            const int pupilsSaved = (image.saved + 1) / 2;
            for (int i = 0; i < pupilsSaved; ++i) {
                const auto row = archive.findRow(QStringLiteral("questionari"), QStringLiteral("ALUNNO %1").arg(i));
                QVERIFY2(row, qPrintable(QStringLiteral("ALUNNO %1 lost at ").arg(i) + where));
                QCOMPARE(row->at(2).toInt(), i % 11);
            }
            if (image.saved > 0 && counterAfter[image.saved - 1] >= 0) {
                const auto counter = archive.findRow(QStringLiteral("esercizi"), QStringLiteral("CONTATORE"));
                QVERIFY2(counter && counter->at(2).toInt() >= counterAfter[image.saved - 1], qPrintable(where));
            }
            QVERIFY2(archive.integrityCheck(), qPrintable(where + u' ' + archive.lastError()));
        }
    }

    // The register's tidy-ups write through the same path: a join, a deletion and a
    // pupil's save after them are each whole or absent, and never undone once reported.
    void aPowerCutNeverUndoesATidyUp()
    {
        QTemporaryDir dir(scratch());
        QTemporaryDir copies;
        QVERIFY(dir.isValid() && copies.isValid());
        const QString file = dir.filePath(QStringLiteral("dbcensaria.mdb"));
        QVERIFY(Archive::createEmpty(file));
        {
            Archive archive(file);
            QCOMPARE(archive.open(), ArchiveProblem::None);
            QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"),
                                        {{2, 4}, {3, QDateTime(QDate(2026, 3, 2), QTime(9, 0))}}));
            QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARO"),
                                        {{4, 9}, {5, QDateTime(QDate(2026, 3, 5), QTime(9, 0))}}));
            for (int i = 0; i < 20; ++i)
                QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ALUNNO %1").arg(i), {{2, i % 11}}));
        }

        powercut::start(dir.path());
        {
            Archive archive(file);
            QCOMPARE(archive.open(), ArchiveProblem::None);
            classregister::RegisterKeeper keeper(
                archive, [&](const QString &to) { return archive.copyTo(to); }, copies.path());
            const QDateTime now(QDate(2026, 6, 10), QTime(12, 0));
            QVERIFY2(keeper.joinPupils(QStringLiteral("ROSSI MARIO"), QStringLiteral("ROSSI MARO"), now), qPrintable(keeper.lastError()));
            powercut::reportSaved(1);
            QVERIFY2(keeper.deletePupil(QStringLiteral("ALUNNO 3"), now.addSecs(60)), qPrintable(keeper.lastError()));
            powercut::reportSaved(2);
            QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{6, 7}}));
            powercut::reportSaved(3);
        }
        const QList<powercut::Image> images = powercut::stop();
        qInfo("%lld moments of power cut replayed", qlonglong(images.size()));

        for (qsizetype n = 0; n < images.size(); ++n) {
            const powercut::Image &image = images[n];
            QTemporaryDir after(scratch());
            for (auto it = image.files.cbegin(); it != image.files.cend(); ++it) {
                QFile out(after.filePath(it.key()));
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write(it.value());
            }
            const QString where = QStringLiteral("cut %1 of %2, %3 reported").arg(n).arg(images.size()).arg(image.saved);
            Archive archive(after.filePath(QStringLiteral("dbcensaria.mdb")));
            QVERIFY2(archive.open() == ArchiveProblem::None, qPrintable(where + u' ' + archive.lastError()));
            const QStringList names = archive.names();
            const auto mario = archive.findRow(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"));
            QVERIFY2(mario && mario->at(2).toInt() == 4, qPrintable(where));
            // The join is whole or absent: the other name gone only with its result moved over.
            const bool joined = !names.contains(QStringLiteral("ROSSI MARO"));
            QVERIFY2(image.saved < 1 || joined, qPrintable(where + QStringLiteral(": the join was undone")));
            QVERIFY2(!joined || mario->at(4).toInt() == 9, qPrintable(where + QStringLiteral(": half a join")));
            QCOMPARE(names.count(QStringLiteral("ROSSI MARIO")), 1);
            QVERIFY2(image.saved < 2 || !names.contains(QStringLiteral("ALUNNO 3")),
                     qPrintable(where + QStringLiteral(": the deletion was undone")));
            QVERIFY2(image.saved < 3 || mario->at(6).toInt() == 7, qPrintable(where + QStringLiteral(": the save was lost")));
            QCOMPARE(names.size(), 20 + (joined ? 1 : 2) - (names.contains(QStringLiteral("ALUNNO 3")) ? 0 : 1));
            QVERIFY2(archive.integrityCheck(), qPrintable(where + u' ' + archive.lastError()));
        }
    }
};

QTEST_GUILESS_MAIN(TestPowerCut)
#include "tst_powercut.moc"
