#include "screentest.h"
#include "archive/archive.h"
#include "archive/dailybackup.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace censaria;

class TestBackup : public QObject
{
    Q_OBJECT

    static QString filledArchive(const QString &file, int pupils)
    {
        QDir().mkpath(QFileInfo(file).path());
        Archive::createEmpty(file);
        Archive archive(file);
        archive.open();
        QList<ArchiveRow> rows;
        for (int i = 0; i < pupils; ++i) {
            ArchiveRow row(22);
            row[0] = QStringLiteral("ALUNNO NUMERO %1 CON UN NOME LUNGO").arg(i);
            row[2] = i % 11;
            rows.append(row);
        }
        archive.appendRows(QStringLiteral("questionari"), rows);
        return file;
    }

private slots:
    void oneCopyADayTheLastSevenKept()
    {
        QTemporaryDir dir;
        Archive archive(filledArchive(dir.filePath(QStringLiteral("dbcensaria.mdb")), 3));
        QCOMPARE(archive.open(), ArchiveProblem::None);
        const QString folder = dir.filePath(QStringLiteral("copie"));
        const QDate first(2026, 3, 1);
        for (int day = 0; day < 10; ++day)
            QCOMPARE(keepDailyBackup(archive, folder, first.addDays(day)), DailyBackup::Kept);
        const QStringList copies = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(copies.size(), 7);
        QCOMPARE(copies.first(), QStringLiteral("dbcensaria-2026-03-04.mdb"));
        QCOMPARE(copies.last(), QStringLiteral("dbcensaria-2026-03-10.mdb"));

        // A copy is a working archive with the same rows, and today's is not made again.
        archive.writeResult(QStringLiteral("questionari"), QStringLiteral("DOPO LA COPIA"), {});
        QCOMPARE(keepDailyBackup(archive, folder, first.addDays(9)), DailyBackup::Kept);
        Archive copy(QDir(folder).filePath(copies.last()));
        QCOMPARE(copy.open(), ArchiveProblem::None);
        QCOMPARE(copy.names() + QStringList{QStringLiteral("DOPO LA COPIA")}, archive.names());
    }

    void startUpKeepsTheCopy()
    {
        TestProgram program;
        QVERIFY(program.start());
        const QString expected = QDir(program.programFolder())
                                     .filePath(QStringLiteral("perCensaria/copie/dbcensaria-%1.mdb")
                                                   .arg(program.clock().time.date().toString(Qt::ISODate)));
        QVERIFY(QFile::exists(expected));
    }

    void aDamagedArchiveIsRefusedAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString file = filledArchive(dir.filePath(QStringLiteral("perCensaria/dbcensaria.mdb")), 2000);
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        QVERIFY(damaged.size() > 20 * 4096);
        QRandomGenerator noise(7);
        damaged.seek(4096 * 2); // a page of the table, past the header and the schema
        QByteArray garbage(4096 * 6, 0);
        for (char &c : garbage)
            c = char(noise.bounded(256));
        damaged.write(garbage);
        damaged.close();
        const QByteArray before = [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }();

        TestProgram program(dir.path());
        QVERIFY(!program.start());
        QCOMPARE(program.dialogs().messages.size(), 1);
        QVERIFY(program.dialogs().messages.first().text.contains(QStringLiteral("danneggiato")));
        QVERIFY(!program.module().dbrisultati().isOpen());
        QFile after(file);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
