// The program in the Debian package's layout: the data folder reaches the archive by a
// link into a folder of its own, where the package keeps the archive's journal and no
// pupil may create or delete a file; each pupil logs in to an account of his own.
#include "screentest.h"
#include "archive/archive.h"
#include "archive/resulttopics.h"
#include "interruptedwrite.h"
#include "platform/typescale.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

using namespace censaria;

class TestPackageLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> temp_;
    QString folder_; // the program folder
    QString shared_; // the archive's own folder

    QString archivePath() const { return shared_ + QStringLiteral("/dbcensaria.mdb"); }
    QString journal() const { return archivePath() + QStringLiteral("-journal"); }
    QStringList sharedEntries() const
    {
        return QDir(shared_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    }

private slots:
    void init()
    {
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        folder_ = TestProgram::makeProgramFolder(temp_->path());
        shared_ = temp_->filePath(QStringLiteral("archivi"));
        QVERIFY(QDir().mkpath(shared_));
        const QString inData = folder_ + QStringLiteral("/perCensaria/dbcensaria.mdb");
        QVERIFY(QFile::rename(inData, archivePath()));
        QVERIFY(QFile::link(archivePath(), inData));
        QVERIFY(QFile(journal()).open(QIODevice::WriteOnly));
    }
    void cleanup()
    {
        temp_.reset();
        TypeScale::setFactor(1.0);
    }

    // Saving never makes nor deletes a file beside the archive: the journal stays, empty.
    void resultsSavedWithTheJournalKept()
    {
        TestProgram program(folder_);
        QVERIFY(program.start());
        program.module().nomealunno = QStringLiteral("ROSSI MARIO");
        QVERIFY(program.module().recordResult(resulttopics::questionnaireTable, {{2, 8}}, 3));
        QVERIFY(program.module().recordResult(resulttopics::exerciseTable, {{10, 3}, {11, 1}, {12, 75}}, 13));
        QCOMPARE(sharedEntries(), (QStringList{QStringLiteral("dbcensaria.mdb"), QStringLiteral("dbcensaria.mdb-journal")}));
        QCOMPARE(QFileInfo(journal()).size(), 0);
        QCOMPARE(program.module().dbrisultati().findRow(resulttopics::questionnaireTable, QStringLiteral("ROSSI MARIO"))->at(2).toInt(), 8);
    }

    // A write cut short leaves its journal beside the real archive, not beside the link:
    // the next start finds it there and rolls the write back.
    void aWriteCutShortIsRolledBackThroughTheLink()
    {
        {
            Archive archive(archivePath());
            QCOMPARE(archive.open(), ArchiveProblem::None);
            QList<ArchiveRow> rows;
            for (int i = 0; i < 300; ++i) {
                ArchiveRow row(22);
                row[0] = QStringLiteral("ALUNNO NUMERO %1 CON UN NOME LUNGO").arg(i);
                row[2] = i % 11;
                rows.append(row);
            }
            QVERIFY(archive.appendRows(resulttopics::questionnaireTable, rows));
        }
        QVERIFY(leaveInterruptedWrite(archivePath()));
        TestProgram program(folder_);
        QVERIFY2(program.start(), qPrintable(program.dialogs().messages.value(0).text));
        const QList<ArchiveRow> rows = *program.module().dbrisultati().rows(resulttopics::questionnaireTable);
        QCOMPARE(rows.size(), 300);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i].at(2).toInt(), i % 11);
        QVERIFY(QFileInfo::exists(journal()));
    }

    // Each account keeps its own choice of type size, and nothing of it is written in a
    // folder the accounts share.
    void theLargerTypeIsEachAccountsOwn()
    {
        // Starts the program as the account, presses Ctrl + presses times; the size it started with.
        auto runAs = [&](const QString &account, int presses) {
            TestProgram program(folder_);
            qputenv("XDG_CONFIG_HOME", temp_->filePath(account).toLocal8Bit());
            TypeScale::setFactor(1.0);
            if (!program.start())
                return -1.0;
            const double atStart = TypeScale::factor();
            for (int i = 0; i < presses; ++i)
                QTest::keyClick(program.open(forms::menu), Qt::Key_Plus, Qt::ControlModifier);
            return atStart;
        };
        QCOMPARE(runAs(QStringLiteral("anna"), 1), 1.0);
        QCOMPARE(runAs(QStringLiteral("luca"), 2), 1.0);
        QCOMPARE(runAs(QStringLiteral("anna"), 0), 1.25);
        QCOMPARE(runAs(QStringLiteral("luca"), 0), 1.5);
        QCOMPARE(sharedEntries(), (QStringList{QStringLiteral("dbcensaria.mdb"), QStringLiteral("dbcensaria.mdb-journal")}));
        QVERIFY(!QFileInfo::exists(folder_ + QStringLiteral("/perCensaria/impostazioni.ini")));
    }

    // The register's copy before a tidy-up goes beside the real archive, into the folder
    // the package opens to every account of its group: the data folder's copie is the
    // package's daily copies, which no pupil's account may write. The tidy-up writes in
    // the archive's own journal mode.
    void registerCopiesGoBesideTheRealArchive()
    {
        TestProgram program(folder_);
        QVERIFY(program.start());
        Module &module = program.module();
        for (const QString &name : {QStringLiteral("ROSSI MARIO"), QStringLiteral("BIANCHI ANNA")}) {
            module.nomealunno = name;
            QVERIFY(module.recordResult(resulttopics::questionnaireTable, {{2, 8}}, 3));
        }
        program.dialogs().passwords = {QStringLiteral("segreto8"), QStringLiteral("segreto8")};
        module.navigation().show(forms::results);
        program.click(forms::results, QStringLiteral("LabREGISTRO"));
        auto *table = program.control<QTableView>(forms::classRegister, QStringLiteral("registerTable"));
        QVERIFY(table);
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (table->model()->index(row, 0).data().toString() == QStringLiteral("BIANCHI ANNA"))
                table->selectionModel()->select(table->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        program.dialogs().choices = {0};
        program.click(forms::classRegister, QStringLiteral("deleteButton"));
        QCOMPARE(module.dbrisultati().names(), QStringList{QStringLiteral("ROSSI MARIO")});
        const QStringList copies = QDir(shared_ + QStringLiteral("/copie")).entryList({QStringLiteral("registro-*.mdb")}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(QDir(folder_ + QStringLiteral("/perCensaria/copie")).entryList({QStringLiteral("registro-*")}).isEmpty());
        // The tidy-up's own write kept the journal too.
        QVERIFY(QFileInfo::exists(journal()));
    }
};

QTEST_MAIN(TestPackageLayout)
#include "tst_packagelayout.moc"
