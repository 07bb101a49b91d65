#include "screentest.h"
#include "archive/archive.h"
#include "archive/dailybackup.h"
#include "interruptedwrite.h"
#include "ownfiles.h"

#include <QFile>
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

    static QList<QDate> days(const QDate &first, int count, int step = 1)
    {
        QList<QDate> all;
        for (int i = 0; i < count; ++i)
            all.append(first.addDays(i * step));
        return all;
    }

    // The copies left on each day of a run of daily copies, one every day the PC is on.
    static QList<QDate> keptAfter(const QList<QDate> &made)
    {
        QList<QDate> kept;
        for (const QDate &today : made) {
            kept.append(today);
            for (const QDate &gone : expiredCopies(kept, today))
                kept.removeOne(gone);
        }
        return kept;
    }

private slots:
    void oneCopyADayWithTheWeeksAndMonths()
    {
        QTemporaryDir dir;
        Archive archive(filledArchive(dir.filePath(QStringLiteral("dbcensaria.mdb")), 3));
        QCOMPARE(archive.open(), ArchiveProblem::None);
        const QString folder = dir.filePath(QStringLiteral("copie"));
        const QDate first(2026, 3, 1); // a Sunday: the last day of its week
        QVERIFY(QDir().mkpath(folder));
        const QString other = QDir(folder).filePath(QStringLiteral("registro-2026-02-27-120000.mdb"));
        QVERIFY(writeBytes(other, {})); // the register's copy before a tidy-up
        for (int day = 0; day < 10; ++day)
            QCOMPARE(keepDailyBackup(archive, folder, first.addDays(day)), DailyBackup::Kept);
        QStringList copies = QDir(folder).entryList({QStringLiteral("dbcensaria-*")}, QDir::Files, QDir::Name);
        // The last seven days, and 1 March as its week's copy; 2 and 3 March are gone.
        QCOMPARE(copies.size(), 8);
        QCOMPARE(copies.takeFirst(), QStringLiteral("dbcensaria-2026-03-01.mdb"));
        QCOMPARE(copies.first(), QStringLiteral("dbcensaria-2026-03-04.mdb"));
        QCOMPARE(copies.last(), QStringLiteral("dbcensaria-2026-03-10.mdb"));
        QVERIFY(QFile::exists(other));

        // A copy is a working archive with the same rows, and today's is not made again.
        archive.writeResult(QStringLiteral("questionari"), QStringLiteral("DOPO LA COPIA"), {});
        QCOMPARE(keepDailyBackup(archive, folder, first.addDays(9)), DailyBackup::Kept);
        Archive copy(QDir(folder).filePath(copies.last()));
        QCOMPARE(copy.open(), ArchiveProblem::None);
        QCOMPARE(copy.names() + QStringList{QStringLiteral("DOPO LA COPIA")}, archive.names());
    }

    // A year of school days (the PC off at weekends and in the summer): each day keeps its
    // last seven days, the newest copy of its last four weeks and of its last six months.
    void daysWeeksAndMonthsKept()
    {
        QList<QDate> made;
        for (QDate day(2025, 9, 1); day <= QDate(2026, 8, 31); day = day.addDays(1))
            if (day.dayOfWeek() <= 5 && (day.month() < 7 || day.month() > 8 || day < QDate(2026, 7, 15)))
                made.append(day);
        for (qsizetype n = 1; n <= made.size(); ++n) {
            const QList<QDate> sofar = made.first(n);
            const QList<QDate> kept = keptAfter(sofar);
            const QDate today = sofar.last();
            QVERIFY2(kept.size() <= 7 + 4 + 6, qPrintable(today.toString(Qt::ISODate)));
            for (const QDate &day : sofar.last(std::min<qsizetype>(7, n)))
                QVERIFY2(kept.contains(day), qPrintable(today.toString(Qt::ISODate)));
            // The newest copy of each of the last weeks and months that had one.
            QList<QDate> weekly, monthly;
            for (auto it = sofar.crbegin(); it != sofar.crend(); ++it) {
                const auto sameWeek = [&](const QDate &d) {
                    int year = 0, itsYear = 0;
                    return d.weekNumber(&year) == it->weekNumber(&itsYear) && year == itsYear;
                };
                const auto sameMonth = [&](const QDate &d) { return d.month() == it->month() && d.year() == it->year(); };
                if (weekly.size() < 4 && std::none_of(weekly.cbegin(), weekly.cend(), sameWeek))
                    weekly.append(*it);
                if (monthly.size() < 6 && std::none_of(monthly.cbegin(), monthly.cend(), sameMonth))
                    monthly.append(*it);
            }
            for (const QDate &day : weekly + monthly)
                QVERIFY2(kept.contains(day), qPrintable(today.toString(Qt::ISODate) + u' ' + day.toString(Qt::ISODate)));
        }
        // Back in September the copies reach to the end of February: damage noticed after
        // the summer can still be undone.
        const QList<QDate> kept = keptAfter(made);
        QCOMPARE(*std::min_element(kept.cbegin(), kept.cend()), QDate(2026, 2, 27));
        QCOMPARE(kept.size(), 7 + 2 + 5); // the last seven days, two older weeks, five older months
    }

    void expiringCopiesEdges_data()
    {
        QTest::addColumn<QList<QDate>>("copies");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<QDate>>("expired");
        QTest::newRow("none") << QList<QDate>() << QDate(2026, 1, 5) << QList<QDate>();
        // 29 December 2025 starts the first week of 2026: one week, its copy of 4 January.
        QTest::newRow("a week across the new year")
            << days(QDate(2025, 12, 20), 17) << QDate(2026, 1, 5)
            << QList<QDate>{QDate(2025, 12, 29), QDate(2025, 12, 27), QDate(2025, 12, 26), QDate(2025, 12, 25),
                            QDate(2025, 12, 24), QDate(2025, 12, 23), QDate(2025, 12, 22), QDate(2025, 12, 20)};
        // A clock put back: later copies are neither counted nor removed.
        QTest::newRow("copies from the future") << (days(QDate(2026, 3, 1), 10) + QList<QDate>{QDate(2030, 1, 1)}) << QDate(2026, 3, 3)
                                                << QList<QDate>();
        QTest::newRow("one copy a month for a year")
            << days(QDate(2025, 1, 15), 12, 31) << QDate(2026, 1, 10)
            << QList<QDate>{QDate(2025, 5, 19), QDate(2025, 4, 18), QDate(2025, 3, 18), QDate(2025, 2, 15), QDate(2025, 1, 15)};
    }
    void expiringCopiesEdges()
    {
        QFETCH(QList<QDate>, copies);
        QFETCH(QDate, today);
        QFETCH(QList<QDate>, expired);
        QCOMPARE(expiredCopies(copies, today), expired);
    }

    // Only the folder's own copies count and go: a link named like a copy is neither
    // followed nor removed, nor is the file it points to ever written.
    void aLinkAmongTheCopiesIsLeftAlone()
    {
        QTemporaryDir dir;
        Archive archive(filledArchive(dir.filePath(QStringLiteral("dbcensaria.mdb")), 3));
        QCOMPARE(archive.open(), ArchiveProblem::None);
        const QString folder = dir.filePath(QStringLiteral("copie"));
        QVERIFY(QDir().mkpath(folder));
        const QString target = dir.filePath(QStringLiteral("altrove.txt"));
        QVERIFY(QFile::link(target, QDir(folder).filePath(QStringLiteral("dbcensaria-2026-02-01.mdb"))));
        const QDate today(2026, 3, 10);
        const QString todays = QDir(folder).filePath(QStringLiteral("dbcensaria-2026-03-10.mdb"));
        QVERIFY(QFile::link(target, todays + QStringLiteral(".part")));
        QCOMPARE(keepDailyBackup(archive, folder, today), DailyBackup::Kept);
        QVERIFY(QFileInfo(todays).isFile() && !QFileInfo(todays).isSymLink());
        QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("dbcensaria-2026-02-01.mdb"))).isSymLink());
        QVERIFY(!QFileInfo::exists(target));
        // A copy never goes through a name someone put there before, dangling link or file.
        const QString planted = dir.filePath(QStringLiteral("copia.mdb"));
        QVERIFY(QFile::link(target, planted));
        QVERIFY(!archive.copyTo(planted));
        QVERIFY(!QFileInfo::exists(target));
    }

    // The package's copier may read the archive, never write it: not even a journal left
    // by a write cut short is rolled back by it (the next start of the program does that).
    void theCopierOnlyReads()
    {
        QTemporaryDir dir;
        const QString file = filledArchive(dir.filePath(QStringLiteral("dbcensaria.mdb")), 300);
        const QByteArray before = fileBytes(file);
        {
            Archive archive(file);
            QCOMPARE(archive.openReadOnly(), ArchiveProblem::None);
            QCOMPARE(keepDailyBackup(archive, dir.filePath(QStringLiteral("copie")), QDate(2026, 3, 10)), DailyBackup::Kept);
            QVERIFY(!archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}}));
            Archive copy(dir.filePath(QStringLiteral("copie/dbcensaria-2026-03-10.mdb")));
            QCOMPARE(copy.open(), ArchiveProblem::None);
            QCOMPARE(copy.names().size(), 300);
        }
        QCOMPARE(fileBytes(file), before);
        QVERIFY(!QFileInfo::exists(file + QStringLiteral("-journal")));
        QVERIFY(leaveInterruptedWrite(file));
        const QByteArray interrupted = fileBytes(file), journal = fileBytes(file + QStringLiteral("-journal"));
        Archive archive(file);
        QVERIFY(archive.openReadOnly() != ArchiveProblem::None);
        QCOMPARE(fileBytes(file), interrupted);
        QCOMPARE(fileBytes(file + QStringLiteral("-journal")), journal);
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
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
