#include "platform/datapaths.h"
#include "ownfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

class TestDataPaths : public QObject
{
    Q_OBJECT
private slots:
    // Names as the program's data spell them: any letter case, backslashes, A: for the removable drive.
    void namesReachTheFilesWhateverTheirCase()
    {
        QTemporaryDir program, drive;
        QDir(program.path()).mkpath(QStringLiteral("perCensaria"));
        for (const QString &name :
             {program.filePath(QStringLiteral("perCensaria/a-storia1.rtf")), drive.filePath(QStringLiteral("EXPORTCENSA.MDB"))})
            QVERIFY(writeBytes(name, {}));
        const DataPaths paths(program.path(), drive.path());
        const QString lesson = QDir::cleanPath(program.filePath(QStringLiteral("perCensaria/a-storia1.rtf")));
        QCOMPARE(paths.resolve(QStringLiteral("perCensaria\\a-storia1.rtf")), lesson);
        QCOMPARE(paths.resolve(QStringLiteral("PerCensaria\\a-storia1.rtf")), lesson);
        QCOMPARE(paths.resolve(QStringLiteral("PERCENSARIA\\A-STORIA1.RTF")), lesson);
        QCOMPARE(paths.resolve(QStringLiteral("A:\\exportcensa.mdb")), QDir::cleanPath(drive.filePath(QStringLiteral("EXPORTCENSA.MDB"))));
        // Files not there keep their spelling.
        QCOMPARE(paths.resolve(QStringLiteral("perCensaria\\nuovo.mdb")), program.path() + QStringLiteral("/perCensaria/nuovo.mdb"));
        QCOMPARE(paths.resolve(QStringLiteral("a:\\altro.mdb")), drive.path() + QStringLiteral("/altro.mdb"));
    }
};

QTEST_APPLESS_MAIN(TestDataPaths)
#include "tst_datapaths.moc"
