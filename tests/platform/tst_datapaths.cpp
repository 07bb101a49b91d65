#include "platform/datapaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

class TestDataPaths : public QObject
{
    Q_OBJECT
private slots:
    void bothSpellingsReachTheDataFolder()
    {
        QTemporaryDir program;
        QDir(program.path()).mkpath(QStringLiteral("perCensaria"));
        QFile lesson(program.filePath(QStringLiteral("perCensaria/a-storia1.rtf")));
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.close();

        const DataPaths paths(program.path(), QStringLiteral("/media/floppy"));
        const QString expected = QDir::cleanPath(lesson.fileName());
        QCOMPARE(paths.resolve(QStringLiteral("perCensaria\\a-storia1.rtf")), expected);
        QCOMPARE(paths.resolve(QStringLiteral("PerCensaria\\a-storia1.rtf")), expected);
        QCOMPARE(paths.resolve(QStringLiteral("PERCENSARIA\\A-STORIA1.RTF")), expected);
    }

    void missingFilesKeepTheirSpelling()
    {
        QTemporaryDir program;
        const DataPaths paths(program.path(), QStringLiteral("/media/floppy"));
        QCOMPARE(paths.resolve(QStringLiteral("perCensaria\\nuovo.mdb")), program.path() + QStringLiteral("/perCensaria/nuovo.mdb"));
    }

    void driveAIsTheRemovableDrive()
    {
        QTemporaryDir drive;
        QFile existing(drive.filePath(QStringLiteral("EXPORTCENSA.MDB")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        const DataPaths paths(QStringLiteral("/opt/censaria"), drive.path());
        QCOMPARE(paths.resolve(QStringLiteral("A:\\exportcensa.mdb")), QDir::cleanPath(existing.fileName()));
        QCOMPARE(paths.resolve(QStringLiteral("a:\\altro.mdb")), drive.path() + QStringLiteral("/altro.mdb"));
    }
};

QTEST_APPLESS_MAIN(TestDataPaths)
#include "tst_datapaths.moc"
