#include "archive/archive.h"
#include "archive/schema.h"
#include "otherprogram.h"
#include "ownfiles.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

class TestArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Archive> archive_; // a fresh archive, open, for every test
    QString freshArchive(const QString &name)
    {
        const QString file = dir_.filePath(name);
        QFile::remove(file);
        if (!Archive::createEmpty(file))
            qFatal("cannot create %s", qPrintable(file));
        return file;
    }

private slots:
    void init()
    {
        archive_ = std::make_unique<Archive>(freshArchive(QStringLiteral("dbcensaria.mdb")));
        QCOMPARE(archive_->open(), ArchiveProblem::None);
    }
    void cleanup() { archive_.reset(); }

    void schemaKeepsTheColumnPositions()
    {
        const schema::Table &q = schema::questionari();
        QCOMPARE(q.columns.size(), 22);
        QCOMPARE(q.columns[0].name, QStringLiteral("nome"));
        QCOMPARE(q.position(QStringLiteral("I tre periodi")), 2);
        QCOMPARE(q.position(QStringLiteral("data1")), 3);
        QCOMPARE(q.position(QStringLiteral("Densità popolazione")), 10);
        QCOMPARE(q.position(QStringLiteral("Famiglie moderne")), 20);
        QCOMPARE(q.position(QStringLiteral("data10")), 21);
        const schema::Table &e = schema::esercizi();
        QCOMPARE(e.columns.size(), 14);
        QCOMPARE(e.position(QStringLiteral("calcolo Saldi")), 2);
        QCOMPARE(e.position(QStringLiteral("comprensione%")), 8);
        QCOMPARE(e.position(QStringLiteral("TASSI%")), 12);
        QCOMPARE(e.position(QStringLiteral("data3")), 13);
        QCOMPARE(schema::find(QStringLiteral("Esercizi")), &schema::esercizi());
    }

    void firstResultCreatesTheRowSecondReplacesIt()
    {
        Archive &archive = *archive_;
        const QDateTime first(QDate(2026, 3, 12), QTime(10, 30, 15));
        QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, first}}));

        auto row = archive.findRow(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"));
        QVERIFY(row);
        QCOMPARE(row->size(), 22);
        QCOMPARE(row->at(0).toString(), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(row->at(2).toInt(), 7);
        QCOMPARE(row->at(3).toDateTime(), first);
        for (int i = 4; i < 22; ++i)
            QVERIFY2(row->at(i).isNull(), qPrintable(QString::number(i)));
        QVERIFY(row->at(1).isNull());

        const QDateTime second(QDate(2026, 3, 13), QTime(0, 0));
        QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 9}, {3, second}}));
        QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{20, 4}, {21, second}}));
        row = archive.findRow(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(row->at(2).toInt(), 9);
        QCOMPARE(row->at(3).toDateTime(), second);
        QCOMPARE(row->at(20).toInt(), 4);
        QCOMPARE(archive.rows(QStringLiteral("questionari"))->size(), 1);
        // Results of one table leave the other alone.
        QVERIFY(!archive.findRow(QStringLiteral("esercizi"), QStringLiteral("ROSSI MARIO")));
        QCOMPARE(archive.rows(QStringLiteral("esercizi"))->size(), 0);
        // Table names ignore letter case; a table that is not there takes nothing.
        QVERIFY(archive.writeResult(QStringLiteral("Esercizi"), QStringLiteral("BIANCHI ANNA"), {{10, 5}, {11, 1}, {12, 83}}));
        QCOMPARE(archive.findRow(QStringLiteral("esercizi"), QStringLiteral("BIANCHI ANNA"))->at(12).toInt(), 83);
        QVERIFY(!archive.writeResult(QStringLiteral("risultati"), QStringLiteral("X"), {}));
    }

    void hostileNamesAreStoredVerbatimInOrder()
    {
        Archive &archive = *archive_;
        const QStringList names{QStringLiteral("D'ANGELO LUCA"), QStringLiteral("X'); DROP TABLE questionari;--"),
                                QStringLiteral("\"QUOTE\" %_ NIÑO\u0001\u007f ÀÈÌ")};
        QCOMPARE(archive.names(), QStringList());
        for (const QString &name : names)
            QVERIFY(archive.writeResult(QStringLiteral("questionari"), name, {{4, 3}}));
        QCOMPARE(archive.names(), names); // in stored order, which is not the sorted one
        for (const QString &name : names)
            QCOMPARE(archive.findRow(QStringLiteral("questionari"), name)->at(0).toString(), name);
        QVERIFY(!archive.findRow(QStringLiteral("questionari"), QStringLiteral("D%")));
    }

    void appendRowsKeepsNullsAndAllowsTheSameNameTwice()
    {
        Archive &archive = *archive_;
        ArchiveRow row(22);
        row[0] = QStringLiteral("VERDI LIA");
        row[2] = 10;
        row[3] = QDateTime(QDate(2025, 12, 1), QTime(9, 5));
        QVERIFY(archive.appendRows(QStringLiteral("questionari"), {row, row}));
        const auto rows = archive.rows(QStringLiteral("questionari"));
        QCOMPARE(rows->size(), 2);
        QCOMPARE(rows->at(1), (ArchiveRow{row[0], QVariant(), qlonglong(10), row[3]} + ArchiveRow(18)));
    }

    // The export copies rows as stored: appended to another archive they read back the same.
    void storedRowsCopyToAnotherArchiveUnchanged()
    {
        Archive &archive = *archive_;
        const QDateTime when(QDate(2025, 12, 1), QTime(9, 5, 7));
        QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("VERDI LIA"), {{2, 10}, {3, when}}));
        QVERIFY(archive.writeResult(QStringLiteral("questionari"), QStringLiteral("NERI EVA"), {{20, 0}}));
        const auto stored = archive.storedRows(QStringLiteral("questionari"));
        QCOMPARE(stored->at(0).at(3).toString(), QStringLiteral("2025-12-01 09:05:07"));
        QVERIFY(stored->at(1).at(3).isNull());

        Archive copy(freshArchive(QStringLiteral("exportcensa.mdb")));
        QCOMPARE(copy.open(), ArchiveProblem::None);
        QVERIFY(copy.appendRows(QStringLiteral("questionari"), *stored));
        QCOMPARE(*copy.rows(QStringLiteral("questionari")), *archive.rows(QStringLiteral("questionari")));
    }

    void appendingSeveralTablesIsAllOrNothing()
    {
        Archive &archive = *archive_;
        ArchiveRow questionnaire(22), exercise(14);
        questionnaire[0] = exercise[0] = QStringLiteral("VERDI LIA");
        ArchiveRow tooLong(15); // esercizi has 14 columns: the extra value is dropped, not refused
        tooLong[0] = QStringLiteral("NERI EVA");
        QVERIFY(archive.appendTables({{QStringLiteral("questionari"), {questionnaire}}, {QStringLiteral("Esercizi"), {exercise, tooLong}}}));
        QCOMPARE(archive.rows(QStringLiteral("esercizi"))->size(), 2);
        // An unknown table refuses the whole lot before anything is written.
        QVERIFY(!archive.appendTables({{QStringLiteral("questionari"), {questionnaire}}, {QStringLiteral("risultati"), {exercise}}}));
        QCOMPARE(archive.rows(QStringLiteral("questionari"))->size(), 1);
        // A bad position rolls the whole write back, not even the new row stays.
        QVERIFY(!archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("NUOVO"), {{2, 1}, {99, 1}}));
        QCOMPARE(archive.rows(QStringLiteral("esercizi"))->size(), 2);
        QVERIFY(archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("NUOVO"), {{2, 1}}));
    }

    // (An old or foreign file at start-up is in tst_mainmenu, a foreign SQLite file in tst_archivechecks.)
    void refusesWhatIsNotAnArchive()
    {
        QCOMPARE(Archive(dir_.filePath(QStringLiteral("manca.mdb"))).open(), ArchiveProblem::Missing);
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("manca.mdb")))); // never created by opening
        const QString empty = dir_.filePath(QStringLiteral("vuoto.mdb"));
        QVERIFY(writeBytes(empty, {}));
        QCOMPARE(Archive(empty).open(), ArchiveProblem::NotAnArchive);
        QVERIFY(test::runSql(empty, {QStringLiteral("CREATE TABLE questionari (nome TEXT)")}));
        QCOMPARE(Archive(empty).open(), ArchiveProblem::NotAnArchive);
    }

    void aClosedArchiveWritesNothingAndIsNeverOverwritten()
    {
        QVERIFY(archive_->writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI"), {{2, 1}}));
        archive_->close();
        QVERIFY(!archive_->isOpen());
        QVERIFY(!archive_->writeResult(QStringLiteral("questionari"), QStringLiteral("BIANCHI"), {{2, 1}}));
        QVERIFY(!archive_->findRow(QStringLiteral("questionari"), QStringLiteral("ROSSI")));
        QCOMPARE(archive_->names(), QStringList());
        QString error;
        QVERIFY(!Archive::createEmpty(dir_.filePath(QStringLiteral("dbcensaria.mdb")), &error));
        Archive again(dir_.filePath(QStringLiteral("dbcensaria.mdb")));
        QCOMPARE(again.open(), ArchiveProblem::None);
        QCOMPARE(again.names(), QStringList{QStringLiteral("ROSSI")});
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
