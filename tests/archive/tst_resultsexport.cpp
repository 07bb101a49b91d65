#include "screentest.h"
#include "archive/archive.h"
#include "archive/resultsexport.h"
#include "platform/datapaths.h"
#include "ownfiles.h"
#include "platform/fakeplatform.h"
#include "otherprogram.h"

#include <QTemporaryDir>

using namespace censaria;

namespace {

const QDateTime when(QDate(2026, 3, 12), QTime(10, 30, 0));

// One classroom computer: a program folder with its archive, exporting to one drive.
struct Computer
{
    Computer(const QString &folder, const QString &driveRoot)
        : paths(TestProgram::makeProgramFolder(folder), driveRoot)
        , archive(paths.resolve(QStringLiteral("perCensaria\\dbcensaria.mdb")))
    {
        archive.open();
    }
    ResultsExport::Outcome exportResults() { return ResultsExport(archive, paths, files).run(); }

    DataPaths paths;
    Archive archive;
    RecordingFileCopier files;
};

} // namespace

class TestResultsExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString drive_;
    QString collectingFile() const { return QDir(drive_).filePath(QStringLiteral("exportcensa.mdb")); }

    std::unique_ptr<Computer> computer(const QString &name) { return std::make_unique<Computer>(dir_->filePath(name), drive_); }

    // Both tables of the collecting archive, read afresh from the file.
    QList<QList<ArchiveRow>> collected()
    {
        Archive archive(collectingFile());
        if (archive.open() != ArchiveProblem::None)
            return {};
        return {*archive.rows(QStringLiteral("questionari")), *archive.rows(QStringLiteral("esercizi"))};
    }

    static QStringList names(const QList<ArchiveRow> &rows)
    {
        QStringList result;
        for (const ArchiveRow &row : rows)
            result.append(row.value(0).toString());
        return result;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        drive_ = dir_->filePath(QStringLiteral("floppy"));
        QDir().mkpath(drive_);
    }

    void aNewMediumGetsTheEmptyArchiveThenEveryRow()
    {
        auto pc = computer(QStringLiteral("pc1"));
        pc->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, when}});
        pc->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("BIANCHI ANNA"), {{20, 10}});
        pc->archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("ROSSI MARIO"), {{2, 7}, {3, 2}, {4, 78}, {5, when}});
        const auto before = QList<QList<ArchiveRow>>{*pc->archive.rows(QStringLiteral("questionari")),
                                                     *pc->archive.rows(QStringLiteral("esercizi"))};

        QCOMPARE(pc->exportResults(), ResultsExport::Outcome::Done);
        QCOMPARE(pc->files.copies.size(), 1);
        QCOMPARE(pc->files.copies.first().first, pc->paths.resolve(QStringLiteral("perCensaria\\exportcensa.mdb")));
        QCOMPARE(pc->files.copies.first().second, collectingFile());
        // Every value as stored, nulls and dates included, in the same order.
        QCOMPARE(collected(), before);
        // The local archive is only read.
        QCOMPARE(*pc->archive.rows(QStringLiteral("questionari")), before[0]);
    }

    // Each export appends: after another computer's rows, and again for the same computer.
    void everyExportAppendsItsRows()
    {
        auto first = computer(QStringLiteral("pc1"));
        first->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}});
        first->archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("ROSSI MARIO"), {{10, 3}});
        auto second = computer(QStringLiteral("pc2")); // questionnaires only
        second->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("VERDI LIA"), {{4, 9}});
        second->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("NERI EVA"), {{6, 2}});
        auto empty = computer(QStringLiteral("pc3"));

        QCOMPARE(first->exportResults(), ResultsExport::Outcome::Done);
        QCOMPARE(second->exportResults(), ResultsExport::Outcome::Done);
        QCOMPARE(second->files.copies.size(), 0); // the medium had its archive already
        QCOMPARE(first->exportResults(), ResultsExport::Outcome::Done);
        QCOMPARE(empty->exportResults(), ResultsExport::Outcome::Done); // nothing to add is no problem
        const auto rows = collected();
        QCOMPARE(names(rows[0]), (QStringList{"ROSSI MARIO", "VERDI LIA", "NERI EVA", "ROSSI MARIO"}));
        QCOMPARE(names(rows[1]), (QStringList{"ROSSI MARIO", "ROSSI MARIO"}));
        QCOMPARE(rows[0][1].value(4).toInt(), 9);
    }

    void noMediumOrAnUnreadableArchiveOnItIsAProblemAndWritesNothing()
    {
        auto pc = computer(QStringLiteral("pc1"));
        pc->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}});
        QVERIFY(writeBytes(collectingFile(), "settori illeggibili"));
        QCOMPARE(pc->exportResults(), ResultsExport::Outcome::NoMedia);
        QCOMPARE(contentOf(collectingFile()), QByteArray("settori illeggibili"));

        QVERIFY(QDir(drive_).removeRecursively());
        QCOMPARE(pc->exportResults(), ResultsExport::Outcome::NoMedia);
        QVERIFY(pc->files.copies.isEmpty());
        QVERIFY(!QFileInfo::exists(drive_));
    }

    void aWriteProtectedMediumOrAMissingTemplateIsAFailedExport()
    {
        auto pc = computer(QStringLiteral("pc1"));
        pc->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}});
        pc->files.fail = true; // the medium refuses the copy
        QCOMPARE(pc->exportResults(), ResultsExport::Outcome::NotWritten);
        QVERIFY(!QFileInfo::exists(collectingFile()));
        QCOMPARE(ResultsExport::message(ResultsExport::Outcome::NotWritten),
                 QStringLiteral("Probabilmente non hai inserito un Floppy nuovo. Inseriscilo e riprova."));

        pc->files.fail = false;
        QVERIFY(QFile::remove(pc->paths.resolve(QStringLiteral("perCensaria\\exportcensa.mdb"))));
        QCOMPARE(pc->exportResults(), ResultsExport::Outcome::NoTemplate);
        QVERIFY(!QFileInfo::exists(collectingFile()));
        // The program's own file is missing: the medium is not to blame.
        const QString missing = ResultsExport::message(ResultsExport::Outcome::NoTemplate);
        QVERIFY(missing.contains(QStringLiteral("exportcensa.mdb")));
        QVERIFY(!missing.contains(QStringLiteral("Floppy")));
    }

    // A collecting archive that quietly drops rows (a trigger ignores them) must not let
    // the export report success: what arrived is counted. One that refuses a row, after
    // the questionnaire rows went in, must not keep half an export either.
    void rowsNotTakenLeaveTheCollectingArchiveUnchanged_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<ResultsExport::Outcome>("outcome");
        QTest::addRow("dropped quietly") << "CREATE TRIGGER ignora BEFORE INSERT ON esercizi BEGIN SELECT RAISE(IGNORE); END"
                                         << ResultsExport::Outcome::NotAccepted;
        QTest::addRow("one refused") << "CREATE TRIGGER refuse BEFORE INSERT ON esercizi WHEN NEW.nome = 'NERI EVA' "
                                        "BEGIN SELECT RAISE(ABORT, 'rifiutata'); END"
                                     << ResultsExport::Outcome::NotWritten;
    }
    void rowsNotTakenLeaveTheCollectingArchiveUnchanged()
    {
        QFETCH(QString, trigger);
        QFETCH(ResultsExport::Outcome, outcome);
        auto first = computer(QStringLiteral("pc1"));
        first->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {{2, 7}});
        QCOMPARE(first->exportResults(), ResultsExport::Outcome::Done);
        QVERIFY(test::runSql(collectingFile(), {trigger}));
        const auto before = collected();
        auto second = computer(QStringLiteral("pc2"));
        second->archive.writeResult(QStringLiteral("questionari"), QStringLiteral("VERDI LIA"), {{4, 9}});
        second->archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("VERDI LIA"), {{2, 1}});
        second->archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("NERI EVA"), {{2, 5}});
        QCOMPARE(second->exportResults(), outcome);
        QCOMPARE(collected(), before); // neither table gained a row
        QVERIFY(!ResultsExport::message(outcome).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestResultsExport)
#include "tst_resultsexport.moc"
