#include "screentest.h"
#include "archive/archive.h"
#include "archive/schema.h"
#include "archive/sqlitefile.h"
#include "otherprogram.h"
#include "ownfiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <future>
#include <thread>
#include <unistd.h>

using namespace censaria;
using namespace censaria::test;

namespace {

// A folder on a small file system of its own, where the disk can really be filled;
// scripts/check-archive-limits mounts one (it needs root) and names it here.
QString smallDisk()
{
    return qEnvironmentVariable("CENSARIA_SMALL_DISK");
}

// Fills the file system of folder until it refuses, then gives back `leave` bytes.
void fillDisk(const QString &folder, qint64 leave)
{
    QFile filler(QDir(folder).filePath(QStringLiteral("riempitivo")));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.resize(std::max<qint64>(0, filler.size() - leave));
}

} // namespace

// What start-up and saving say about an archive that cannot be used as it is: each
// message must send the teacher the right way.
class TestArchiveChecks : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    int folders_ = 0;

    // A program folder with the installed data and empty archives.
    QString programFolder() { return TestProgram::makeProgramFolder(dir_.filePath(QString::number(++folders_))); }
    static QString archiveIn(const QString &folder) { return QDir(folder).filePath(QStringLiteral("perCensaria/dbcensaria.mdb")); }
    static QString onlyMessage(TestProgram &program)
    {
        return program.dialogs().messages.size() == 1 ? program.dialogs().messages.first().text
                                                      : QStringLiteral("(%1 messages)").arg(program.dialogs().messages.size());
    }

    // Whether the program does not start, with one message holding words.
    static bool refusesToStartSaying(TestProgram &program, const QString &words)
    {
        const bool refused = !program.start() && onlyMessage(program).contains(words);
        if (!refused)
            qWarning("started anyway, or said: %s", qPrintable(onlyMessage(program)));
        return refused;
    }

private slots:
    // Results are written by column name and read by position: either table with its
    // columns out of place would show one topic's marks under another.
    void otherColumnNamesAreRefusedAtStart_data()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("questionari") << 0;
        QTest::newRow("esercizi") << 1;
    }
    void otherColumnNamesAreRefusedAtStart()
    {
        QFETCH(int, table);
        const schema::Table &schemaTable = schema::tables().at(table);
        const QString folder = programFolder();
        const QString file = archiveIn(folder);
        // As many columns as the schema, two of them in each other's place.
        QStringList columns;
        for (const schema::Column &column : schemaTable.columns)
            columns.append(schema::quoted(column.name));
        columns.swapItemsAt(2, 3);
        auto recreate = [&](const QString &name) {
            return runSql(file, {QStringLiteral("DROP TABLE ") + schemaTable.name,
                                 QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns.join(u','))});
        };
        QVERIFY(recreate(schemaTable.name));
        QCOMPARE(Archive(file).open(), ArchiveProblem::OtherColumns);

        // Other names in the same order are refused too; letter case alone is no difference.
        const QString dateColumn = schemaTable.columns[5].name;
        columns.swapItemsAt(2, 3);
        columns[5] = QStringLiteral("\"data uno\"");
        QVERIFY(recreate(schemaTable.name.toUpper()));
        QCOMPARE(Archive(file).open(), ArchiveProblem::OtherColumns);
        columns = columns.join(u',').toUpper().split(u',');
        columns[5] = schema::quoted(dateColumn.toUpper());
        QVERIFY(recreate(schemaTable.name.toUpper()));
        QCOMPARE(Archive(file).open(), ArchiveProblem::None);

        columns[5] = QStringLiteral("\"data uno\"");
        QVERIFY(recreate(schemaTable.name));
        TestProgram program(folder);
        QVERIFY(refusesToStartSaying(program, QStringLiteral("colonne diverse")));
    }

    // The table intact, one index entry lost: SQLite's quick check misses it, the full
    // check finds it, and the start stops before a second row or a day's copy is made.
    void aDamagedIndexStopsTheStartAndTheDailyCopy()
    {
        const QString folder = programFolder();
        const QString file = archiveIn(folder);
        QVERIFY(loseAnIndexEntry(file));
        {
            Archive archive(file);
            QCOMPARE(archive.open(), ArchiveProblem::Damaged);
            QVERIFY(archive.lastError().contains(QStringLiteral("missing from index")));
        }
        {
            // A copy that was made today already does not let the damage through either.
            QDir().mkpath(QDir(folder).filePath(QStringLiteral("perCensaria/copie")));
            QFile::copy(file, QDir(folder).filePath(QStringLiteral("perCensaria/copie/dbcensaria-2026-03-12.mdb")));
            TestProgram program(folder);
            QVERIFY(refusesToStartSaying(program, QStringLiteral("danneggiato")));
            QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("perCensaria/copie/dbcensaria-2026-03-12.mdb"))));
        }

        const QByteArray damaged = contentOf(file);
        TestProgram program(folder);
        QVERIFY(refusesToStartSaying(program, QStringLiteral("danneggiato")));
        QVERIFY(!program.module().dbrisultati().isOpen());
        QCOMPARE(QDir(QDir(folder).filePath(QStringLiteral("perCensaria/copie"))).entryList(QDir::Files), QStringList());
        QCOMPARE(contentOf(file), damaged); // left for the teacher to restore, not mended
    }

    void anArchiveHeldByAnotherProgramIsBusyNotDamaged()
    {
        const QString folder = programFolder();
        const QString file = archiveIn(folder);
        SqlConnection connection(file, QStringLiteral("holder"));
        QSqlDatabase &holder = connection.db;
        QVERIFY(holder.open());
        QVERIFY(QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(QSqlQuery(holder).exec(QStringLiteral("INSERT INTO questionari (nome) VALUES ('ALTRO PROGRAMMA')")));

        QElapsedTimer waited;
        waited.start();
        TestProgram program(folder);
        QVERIFY(!program.start());
        QVERIFY2(waited.elapsed() < 8000, qPrintable(QString::number(waited.elapsed())));
        const QString text = onlyMessage(program);
        QVERIFY2(text.contains(QStringLiteral("in uso da un altro programma")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("è danneggiato")));

        QVERIFY(QSqlQuery(holder).exec(QStringLiteral("ROLLBACK")));
    }

    // A save waits for another program's write, tries again, and only then gives up,
    // telling the pupil the archive is in use.
    void aSaveWaitsForAnotherWriterThenSaysItIsBusy()
    {
        const QString folder = programFolder();
        const QString file = archiveIn(folder);
        TestProgram program(folder);
        QVERIFY(program.start());
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");

        auto holdTheArchive = [file](int milliseconds, std::promise<void> *held) {
            SqlConnection writer(file, QStringLiteral("writer-%1").arg(milliseconds));
            writer.db.open();
            QSqlQuery(writer.db).exec(QStringLiteral("BEGIN IMMEDIATE"));
            QSqlQuery(writer.db).exec(QStringLiteral("INSERT INTO esercizi (nome) VALUES ('ALTRO PROGRAMMA')"));
            held->set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            QSqlQuery(writer.db).exec(QStringLiteral("COMMIT"));
        };
        // Another program writes for milliseconds while the pupil's score is saved.
        auto saveWhileHeld = [&](int milliseconds, int score) {
            std::promise<void> held;
            std::thread writer(holdTheArchive, milliseconds, &held);
            held.get_future().wait();
            const bool saved = program.module().recordResult(QStringLiteral("questionari"), {{2, score}}, 3);
            writer.join(); // before any check can leave the function
            return saved;
        };
        // Longer than one wait, shorter than the tries together: the save gets through.
        QVERIFY(saveWhileHeld(3000, 7));
        QVERIFY(program.dialogs().messages.isEmpty());
        QVERIFY(!saveWhileHeld(12000, 8));
        const QString text = onlyMessage(program);
        QVERIFY2(text.contains(QStringLiteral("in uso da un altro programma")), qPrintable(text));
        QCOMPARE(program.module().dbrisultati().findRow(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"))->at(2).toInt(), 7);
    }

    void aFullDiskIsNamedWhenSaving()
    {
        if (smallDisk().isEmpty())
            QSKIP("needs a small file system of its own; run scripts/check-archive-limits");
        QTemporaryDir disk(QDir(smallDisk()).filePath(QStringLiteral("XXXXXX")));
        const QString folder = TestProgram::makeProgramFolder(disk.path());
        TestProgram program(folder);
        QVERIFY(program.start());
        fillDisk(folder, 0);
        bool saved = true;
        for (int i = 0; i < 2000 && saved; ++i) {
            program.module().nomealunno = QStringLiteral("ALUNNO CON UN NOME PIUTTOSTO LUNGO %1").arg(i);
            saved = program.module().recordResult(QStringLiteral("questionari"), {{2, 7}}, 3);
        }
        QVERIFY(!saved);
        const QString text = onlyMessage(program);
        QVERIFY2(text.contains(QStringLiteral("Il disco è pieno")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("database")) && !text.contains(QStringLiteral("danneggiato")), qPrintable(text));
        QVERIFY(program.module().dbrisultati().integrityCheck());
    }

    void aDailyCopyWithoutRoomIsToldOnceAtStart()
    {
        if (smallDisk().isEmpty())
            QSKIP("needs a small file system of its own; run scripts/check-archive-limits");
        QTemporaryDir disk(QDir(smallDisk()).filePath(QStringLiteral("XXXXXX")));
        const QString folder = TestProgram::makeProgramFolder(disk.path());
        // Room for a journal, not for a copy of the whole archive.
        fillDisk(folder, QFileInfo(archiveIn(folder)).size() - 4096);
        TestProgram program(folder);
        QVERIFY(program.start());
        const QString text = onlyMessage(program);
        QVERIFY2(text.contains(QStringLiteral("copia di oggi")) && text.contains(QStringLiteral("il disco è pieno")), qPrintable(text));
        QCOMPARE(QDir(QDir(folder).filePath(QStringLiteral("perCensaria/copie"))).entryList(QDir::Files), QStringList());
        // The pupils go on working: results are saved all the same.
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");
        QVERIFY(program.module().recordResult(QStringLiteral("questionari"), {{2, 7}}, 3));
        QCOMPARE(program.dialogs().messages.size(), 1);
    }

    // Someone else's database in WAL mode leaves the check exactly as it came.
    void aForeignDatabaseIsNotChangedByTheCheck()
    {
        const QString file = dir_.filePath(QStringLiteral("altrui.mdb"));
        QVERIFY(runSql(file, {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("CREATE TABLE questionari (nome TEXT, voto INTEGER)"),
                              QStringLiteral("INSERT INTO questionari VALUES ('X', 1)")}));
        const QByteArray before = contentOf(file);
        QCOMPARE(before.at(18), char(2)); // WAL mode, as the header says
        QCOMPARE(Archive(file).open(), ArchiveProblem::NotAnArchive);
        QCOMPARE(contentOf(file), before);
        QVERIFY(!QFile::exists(file + QStringLiteral("-wal")));
    }

    // What stands where the archive should be is named. Permissions do not hold for
    // root: scripts/check-archive-limits runs those cases as an ordinary account.
    void theStartNamesWhatStandsInTheWay_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("words");
        QTest::newRow("a folder in the archive's place") << QStringLiteral("folder") << QStringLiteral("c'è una cartella");
        QTest::newRow("a read-only data folder") << QStringLiteral("read-only") << QStringLiteral("permesso di scrivere");
        QTest::newRow("an unreadable archive") << QStringLiteral("unreadable") << QStringLiteral("permesso di leggere");
    }
    void theStartNamesWhatStandsInTheWay()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, words);
        if (obstacle != QLatin1String("folder") && geteuid() == 0)
            QSKIP("root may read and write anywhere; run scripts/check-archive-limits");
        const QString folder = programFolder();
        const QString data = QDir(folder).filePath(QStringLiteral("perCensaria"));
        if (obstacle == QLatin1String("folder")) {
            QVERIFY(QFile::remove(archiveIn(folder)));
            QVERIFY(QDir().mkpath(archiveIn(folder)));
        } else if (obstacle == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(archiveIn(folder), QFile::WriteOwner));
        } else {
            QVERIFY(QDir().mkpath(QDir(data).filePath(QStringLiteral("copie"))));
            QVERIFY(QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup));
        }
        TestProgram program(folder);
        const bool started = program.start();
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!started);
        const QString text = onlyMessage(program);
        QVERIFY2(text.contains(words), qPrintable(text));
        if (obstacle == QLatin1String("read-only"))
            QVERIFY2(text.contains(QDir::toNativeSeparators(data)), qPrintable(text));
    }

    // What SQLite says, extended codes included, decides what the pupil is told.
    void sqliteFailuresAreTold_data()
    {
        using F = sqlitefile::Failure;
        QTest::addColumn<int>("code");
        QTest::addColumn<F>("failure");
        QTest::newRow("busy") << 5 << F::Busy;
        QTest::newRow("busy recovery") << 261 << F::Busy;
        QTest::newRow("locked") << 6 << F::Busy;
        QTest::newRow("full") << 13 << F::DiskFull;
        QTest::newRow("read-only") << 8 << F::ReadOnly;
        QTest::newRow("cannot open") << 14 << F::ReadOnly;
        QTest::newRow("corrupt") << 11 << F::Damaged;
        QTest::newRow("not a database") << 26 << F::Damaged;
        QTest::newRow("constraint") << 19 << F::Other;
    }
    void sqliteFailuresAreTold()
    {
        QFETCH(int, code);
        QFETCH(sqlitefile::Failure, failure);
        const QSqlError error(QString(), QString(), QSqlError::StatementError, QString::number(code));
        QCOMPARE(sqlitefile::classify(error), failure);
    }

    // And a real file that is no database at all, as SQLite reports it.
    void aFileOfOtherBytesIsDamaged()
    {
        const QString file = dir_.filePath(QStringLiteral("rumore.mdb"));
        QVERIFY(writeBytes(file, QByteArray(4096, 'x')));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("noise"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(!query.exec(QStringLiteral("SELECT name FROM sqlite_master")));
            QCOMPARE(sqlitefile::classify(query.lastError()), sqlitefile::Failure::Damaged);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("noise"));
    }
};

QTEST_MAIN(TestArchiveChecks)
#include "tst_archivechecks.moc"
