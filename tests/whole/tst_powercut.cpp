#include "archive/archive.h"
#include "powercutvfs.h"

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
    static QString scratch()
    {
        return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/censaria-XXXXXX") : QString();
    }

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
                                      .arg(n).arg(images.size()).arg(image.saved)
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
};

QTEST_GUILESS_MAIN(TestPowerCut)
#include "tst_powercut.moc"
