// The register screen driven as the teacher does, offscreen through the seam.
#include "pdftext.h"
#include "programtest.h"
#include "register/registerchart.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "registerfixtures.h"
#include "archive/otherprogram.h"

#include <QChartView>
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>

using namespace censaria;
using namespace censaria::classregister;
using namespace censaria::registertest;
using censaria::test::SqlConnection;

class TestRegisterScreen : public ProgramTest
{
    Q_OBJECT

    RegisterScreen *screen() { return static_cast<RegisterScreen *>(program_->screen(forms::classRegister)); }
    template <typename T = QAbstractButton>
    T *control(const QString &name)
    {
        return program_->control<T>(forms::classRegister, name);
    }
    void click(const QString &name) { control(name)->click(); }
    QString lastMessage() { return program_->dialogs().messages.isEmpty() ? QString() : program_->dialogs().messages.last().text; }

    // The results screen's new label, as the teacher presses it.
    void openRegister(const QStringList &passwords)
    {
        program_->dialogs().passwords = passwords;
        program_->module().nomealunno = QStringLiteral("ROSSI MARIO");
        program_->module().navigation().show(forms::results);
        program_->click(forms::results, QStringLiteral("LabREGISTRO"));
    }
    bool registerShown() { return program_->visibleScreens().contains(forms::classRegister); }
    QStringList shownNames()
    {
        QStringList names;
        const RegisterFilter &filter = screen()->filter();
        for (int row = 0; row < filter.rowCount(); ++row)
            names << filter.index(row, 0).data().toString();
        return names;
    }
    void selectNames(const QStringList &names)
    {
        auto *table = control<QTableView>(QStringLiteral("registerTable"));
        table->clearSelection();
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (names.contains(table->model()->index(row, 0).data().toString()))
                table->selectionModel()->select(table->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QString collected(const QString &name, const QList<ArchiveRow> &rows)
    {
        const QString path = QDir(program_->driveA()).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        makeArchive(path, rows);
        return path;
    }

    void afterStart() override
    {
        Archive &archive = program_->module().dbrisultati();
        QVERIFY(archive.appendTables(
            {{resulttopics::questionnaireTable,
              {questionnaireRow(QStringLiteral("ROSSI MARIO"), {{0, 8, at(2)}}), questionnaireRow(QStringLiteral("ROSSI MARO"), {{1, 6, at(3)}}),
               questionnaireRow(QStringLiteral("BIANCHI ANNA"), {{0, 4, at(2)}})}},
             {resulttopics::exerciseTable, {exerciseRow(QStringLiteral("VERDI LEO"), 0, 3, 1, 75, at(4))}}}));
    }

private slots:
    void aPasswordGuardsTheRegister()
    {
        // Seven characters are too few for a new password.
        openRegister({QStringLiteral("segreto"), QStringLiteral("segreto")});
        QVERIFY(!registerShown());
        QVERIFY(lastMessage().contains(QStringLiteral("almeno 8 caratteri")));
        QCOMPARE(program_->dialogs().passwordPrompts.size(), 1);
        QVERIFY(!TeacherGate(program_->module()).guards());

        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segretO-1")});
        QVERIFY(!registerShown());
        QVERIFY(lastMessage().contains(QStringLiteral("non sono uguali")));
        QVERIFY(program_->visibleScreens().contains(forms::results));

        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        QVERIFY(registerShown());
        QVERIFY(!program_->visibleScreens().contains(forms::results));
        QCOMPARE(program_->dialogs().passwordPrompts.size(), 5);
        QFile settings(screen()->settingsFile());
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(!settings.readAll().contains("segreto"));
        // Every pupil of either table, in register order.
        QCOMPARE(shownNames(), (QStringList{"BIANCHI ANNA", "ROSSI MARIO", "ROSSI MARO", "VERDI LEO"}));
        QVERIFY(control<QLabel>(QStringLiteral("sourcesLabel"))->text().contains(QStringLiteral("questo computer")));

        // Back to the results screen, whose own back button still knows where to go.
        program_->module().chiamante = forms::menu;
        click(QStringLiteral("backButton"));
        QVERIFY(!registerShown());
        QVERIFY(program_->visibleScreens().contains(forms::results));
        QCOMPARE(program_->module().chiamante, forms::menu);

        // Later openings ask once; cancelled, the question opens nothing. (Wrong tries and
        // their pause are tst_teachergate's.)
        openRegister({QStringLiteral("segreto-1")});
        QVERIFY(registerShown());
        click(QStringLiteral("menuButton"));
        QVERIFY(!registerShown());
        QVERIFY(program_->visibleScreens().contains(forms::menu));
        openRegister({});
        QCOMPARE(program_->dialogs().passwordPrompts.size(), 7);
        QVERIFY(!registerShown());
    }

    void filterFollowsTheTotalsAndTheChart()
    {
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        auto *totals = control<QTableView>(QStringLiteral("totalsTable"));
        QCOMPARE(totals->model()->index(0, 1).data().toString(), QStringLiteral("6,0")); // (8 + 4) / 2
        QCOMPARE(screen()->chart().averages().at(0), 6.0);
        QCOMPARE(screen()->chart().distribution().at(8), 1);
        QCOMPARE(screen()->chart().distribution().at(4), 1);

        QTest::keyClicks(control<QLineEdit>(QStringLiteral("filterBox")), QStringLiteral("ross"));
        QCOMPARE(shownNames(), (QStringList{"ROSSI MARIO", "ROSSI MARO"}));
        QCOMPARE(totals->model()->index(0, 1).data().toString(), QStringLiteral("8,0"));
        QCOMPARE(screen()->chart().averages().at(0), 8.0);
        QCOMPARE(screen()->chart().distribution().at(4), 0);

        // Scrolled to the last column, the names stay in view beside it.
        auto *table = control<QTableView>(QStringLiteral("registerTable"));
        auto *names = control<QTableView>(QStringLiteral("registerTableNames"));
        QVERIFY(names && names->isVisibleTo(screen()));
        table->scrollTo(table->model()->index(0, table->model()->columnCount() - 1));
        QVERIFY(table->horizontalScrollBar()->value() > 0);
        QCOMPARE(names->geometry().topLeft(), QPoint(table->frameWidth(), table->frameWidth()));
        QCOMPARE(names->width(), table->columnWidth(0));
        QCOMPARE(names->model()->index(0, 0).data().toString(), QStringLiteral("ROSSI MARIO"));
        // Its rows beside the table's rows: the same heading height above them.
        QCOMPARE(names->horizontalHeader()->height(), table->horizontalHeader()->height());
        QCOMPARE(names->rowViewportPosition(1), table->rowViewportPosition(1));

        // Sorting by a column: a topic not done below a result.
        table->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(shownNames(), (QStringList{"ROSSI MARO", "ROSSI MARIO"}));
    }

    void collectedArchivesMergedOrRefused()
    {
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        const QString first = collected(QStringLiteral("pc1/exportcensa.mdb"),
                                        {questionnaireRow(QStringLiteral("NERI ADA"), {{0, 3, at(2)}}),
                                         questionnaireRow(QStringLiteral("GIALLI UGO"), {{0, 9, at(2)}})});
        const QString second = collected(QStringLiteral("pc2/exportcensa.mdb"), {questionnaireRow(QStringLiteral("NERI ADA"), {{0, 7, at(5)}})});
        program_->dialogs().fileChoices = {{first, second}};
        click(QStringLiteral("collectedButton"));
        QCOMPARE(program_->dialogs().openFolders, QStringList{program_->driveA()});
        QCOMPARE(shownNames(), (QStringList{"GIALLI UGO", "NERI ADA"}));
        // Named as the teacher knows them (tst_registerlogic): the screen names the sticks.
        const QString sources = control<QLabel>(QStringLiteral("sourcesLabel"))->text();
        QVERIFY2(sources.contains(QStringLiteral("sulla chiavetta «%1»").arg(QDir(program_->driveA()).dirName())), qPrintable(sources));
        QCOMPARE(program_->progress().labels.size(), 1);

        // One bad file among them: its name in the message, and the table as it was.
        const QString bad = QDir(program_->driveA()).filePath(QStringLiteral("pc3/exportcensa.mdb"));
        QDir().mkpath(QFileInfo(bad).path());
        QVERIFY(writeBytes(bad, "non sono un archivio"));
        program_->dialogs().fileChoices = {{first, bad}};
        click(QStringLiteral("collectedButton"));
        QVERIFY(lastMessage().contains(QDir::toNativeSeparators(bad)));
        QCOMPARE(shownNames(), (QStringList{"GIALLI UGO", "NERI ADA"}));

        // Collected archives are only looked at: the tidy-up asks for this computer's.
        click(QStringLiteral("deleteButton"));
        QVERIFY(lastMessage().contains(QStringLiteral("Questo computer")));
        QVERIFY(program_->dialogs().choiceTexts.isEmpty());

        // Cancelling the merge half way leaves the table as it was.
        program_->progress().cancelAt = 1;
        program_->dialogs().fileChoices = {{second, first}};
        click(QStringLiteral("collectedButton"));
        QCOMPARE(shownNames(), (QStringList{"GIALLI UGO", "NERI ADA"}));
    }

    void csvAndPdfFiles()
    {
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        control<QLineEdit>(QStringLiteral("classBox"))->setText(QStringLiteral("3ª B"));
        const QString csv = QDir(program_->driveA()).filePath(QStringLiteral("registro"));
        program_->dialogs().savePaths = {csv};
        click(QStringLiteral("csvButton"));
        QVERIFY(program_->dialogs().suggestedSavePaths.last().endsWith(QStringLiteral("registro-3-B-2026-03-12.csv")));
        QFile written(csv + QStringLiteral(".csv"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("\r\n"), 5); // the heading and four pupils

        // A stick pulled out before writing: a message, no file.
        const QString gone = QDir(program_->driveA()).filePath(QStringLiteral("tolta/registro.csv"));
        program_->dialogs().savePaths = {gone};
        click(QStringLiteral("csvButton"));
        QVERIFY(lastMessage().contains(QStringLiteral("Nessun file è rimasto a metà")));
        QVERIFY(!QFileInfo::exists(gone));

        const QString pdf = QDir(program_->driveA()).filePath(QStringLiteral("registro.pdf"));
        program_->dialogs().savePaths = {pdf};
        click(QStringLiteral("pdfButton"));
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

    void printedOrCancelled()
    {
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        click(QStringLiteral("printButton"));
        QCOMPARE(program_->pagePrinter().documents.size(), 1);
        QCOMPARE(program_->pagePrinter().documents[0].count("/Type /Page\n"), 1);
        QCOMPARE(program_->progress().labels.last(), QStringLiteral("Stampo 1 pagina..."));

        // Cancelled from the progress bar: nothing goes to the printer.
        program_->progress().cancelAt = 0;
        click(QStringLiteral("printButton"));
        QCOMPARE(program_->pagePrinter().documents.size(), 1);
        QCOMPARE(program_->pagePrinter().aborted, 1);
    }

    // On a board no mouse hovers: "Mostra le date" writes each date under its result; a mark
    // below 6 is red and carries its sign, on screen and on paper; the printed register has
    // the class averages and both charts, says when they show only the pupils found, and
    // calls every column as the screen does.
    void registerAtAGlance()
    {
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        control<QCheckBox>(QStringLiteral("datesBox"))->click();
        auto *table = control<QTableView>(QStringLiteral("registerTable"));
        QCOMPARE(table->model()->index(1, 1).data().toString(), QStringLiteral("8\n02/03/26")); // ROSSI MARIO
        QVERIFY(table->rowHeight(0) >= 2 * table->fontMetrics().height());
        QVERIFY(table->columnWidth(1) >= table->fontMetrics().horizontalAdvance(QStringLiteral("02/03/26")));

        click(QStringLiteral("printButton"));
        std::optional<QStringList> pages = pdftest::pageTexts(program_->pagePrinter().documents.last());
        QVERIFY(pages);
        QString paper = pages->join(u' ');
        // The long word breaks in its narrow column: "Compren-" over "sione saldi".
        for (const QString &expected : {QStringLiteral("Compren-"), QStringLiteral("sione"), QStringLiteral("4,0 ▼"), QStringLiteral("02/03/26"),
                                        QStringLiteral("Media della classe"), QStringLiteral("Media della classe (su 10)"),
                                        QStringLiteral("Alunni per risultato (su 10)")})
            QVERIFY2(paper.contains(expected), qPrintable(expected + QStringLiteral(" in ") + paper));
        QVERIFY(!paper.contains(QStringLiteral("Uso saldi")));
        QVERIFY(!paper.contains(QStringLiteral("Solo gli alunni")));

        // The found pupils only: the charts and the paper say so.
        QTest::keyClicks(control<QLineEdit>(QStringLiteral("filterBox")), QStringLiteral("ross"));
        const QString note = QStringLiteral("Solo gli alunni con «ross» nel nome: 2 su 4");
        QCOMPARE(screen()->chart().figures().note, note);
        // Whole over both charts on the screen, as on paper: never cut short.
        for (const char *name : {"averagesChart", "distributionChart"}) {
            QChart *chart = control<QChartView>(QString::fromLatin1(name))->chart();
            const auto texts = [chart] {
                QStringList shown;
                for (QGraphicsItem *item : chart->scene()->items())
                    if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item))
                        shown.append(text->toPlainText());
                return shown.join(u'\n');
            };
            QTRY_VERIFY2(texts().simplified().contains(note), qPrintable(texts()));
        }
        click(QStringLiteral("printButton"));
        pages = pdftest::pageTexts(program_->pagePrinter().documents.last());
        QVERIFY(pages);
        paper = pages->join(u' ');
        QVERIFY2(paper.count(note) >= 2, qPrintable(paper)); // in the heading and over the charts
        QVERIFY(!paper.contains(QStringLiteral("BIANCHI")));
    }

    void tidyUpBehindConfirmation()
    {
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        const QDir copies(program_->module().paths().resolve(QStringLiteral("perCensaria\\copie")));
        const QStringList copiesBefore = copies.entryList(QDir::Files);

        // Join: two rows chosen, then the name to keep; cancelled first, then done.
        selectNames({QStringLiteral("ROSSI MARIO"), QStringLiteral("ROSSI MARO")});
        program_->dialogs().choices = {2};
        click(QStringLiteral("joinButton"));
        QCOMPARE(shownNames().size(), 4);
        QCOMPARE(copies.entryList(QDir::Files), copiesBefore);
        selectNames({QStringLiteral("ROSSI MARIO"), QStringLiteral("ROSSI MARO")});
        program_->dialogs().choices = {0};
        click(QStringLiteral("joinButton"));
        QCOMPARE(shownNames(), (QStringList{"BIANCHI ANNA", "ROSSI MARIO", "VERDI LEO"}));
        QCOMPARE(copies.entryList(QDir::Files).size(), copiesBefore.size() + 1);
        QCOMPARE(program_->module().dbrisultati().names().count(QStringLiteral("ROSSI MARO")), 0);

        // Delete: one row, confirmed.
        selectNames({QStringLiteral("VERDI LEO")});
        program_->dialogs().choices = {0};
        click(QStringLiteral("deleteButton"));
        QCOMPARE(shownNames(), (QStringList{"BIANCHI ANNA", "ROSSI MARIO"}));
        QCOMPARE(copies.entryList(QDir::Files).size(), copiesBefore.size() + 2);

        // A new school year: the archive kept, the register empty, the program still writing.
        program_->dialogs().choices = {0};
        click(QStringLiteral("newYearButton"));
        QVERIFY(copies.exists(QStringLiteral("anno-2025-26.mdb")));
        QCOMPARE(shownNames(), QStringList());
        QVERIFY(program_->module().recordResult(resulttopics::questionnaireTable, {{2, 9}}, 3));
        click(QStringLiteral("thisComputerButton"));
        QCOMPARE(shownNames(), QStringList{QStringLiteral("ROSSI MARIO")});
    }

    // The tidy-ups go through the archive's own checks and write: an archive another
    // program is writing is said to be in use, never damaged; damage that only the full
    // check finds (another program wrote since the start) stops a tidy-up before its copy.
    // Either way the archive is left as it was.
    void aTidyUpOfAnArchiveItCannotTrustChangesNothing_data()
    {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("said");
        QTest::newRow("busy") << true << QStringLiteral("in uso da un altro programma");
        QTest::newRow("damaged") << false << QStringLiteral("danneggiato");
    }
    void aTidyUpOfAnArchiveItCannotTrustChangesNothing()
    {
        QFETCH(bool, busy);
        QFETCH(QString, said);
        openRegister({QStringLiteral("segreto-1"), QStringLiteral("segreto-1")});
        const QDir copies(program_->module().paths().resolve(QStringLiteral("perCensaria\\copie")));
        const QStringList copiesBefore = copies.entryList(QDir::Files);
        SqlConnection other(program_->archivePath(), QStringLiteral("holder"));
        if (busy) {
            QVERIFY(other.db.open());
            QVERIFY(QSqlQuery(other.db).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(QSqlQuery(other.db).exec(QStringLiteral("INSERT INTO questionari (nome) VALUES ('ALTRO PROGRAMMA')")));
        } else {
            QVERIFY(test::loseAnIndexEntry(program_->archivePath()));
        }
        selectNames({QStringLiteral("BIANCHI ANNA")});
        program_->dialogs().choices = {0};
        click(QStringLiteral("deleteButton"));
        const QString told = program_->dialogs().messageTexts().join(u'\n');
        QVERIFY2(told.contains(said), qPrintable(told));
        QVERIFY2(!busy || !told.contains(QStringLiteral("danneggiato")), qPrintable(told));
        if (busy)
            QVERIFY(QSqlQuery(other.db).exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(copies.entryList(QDir::Files), copiesBefore);
        QVERIFY(program_->module().dbrisultati().names().contains(QStringLiteral("BIANCHI ANNA")));
    }
};

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
