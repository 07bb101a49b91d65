#include "programtest.h"
#include "results/resultsbrowser.h"
#include "results/resultsscreen.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTableWidget>

using namespace censaria;

namespace {

const QString rossi = QStringLiteral("ROSSI MARIO");
const QString bianchi = QStringLiteral("BIANCHI GIULIA");
const QDateTime morning(QDate(2026, 3, 9), QTime(9, 12, 5));
const QDateTime midnight(QDate(2026, 3, 12), QTime(0, 0));
const QString notInQuestionnaires = QStringLiteral("Nome non trovato in 'QUESTIONARI'");
const QString notInExercises = QStringLiteral("Nome non trovato in 'Esercizi'");

QStringList column(QTableWidget *grid, int column)
{
    QStringList texts;
    for (int row = 1; row < grid->rowCount(); ++row)
        texts.append(grid->item(row, column)->text());
    return texts;
}

QColor textColour(QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

} // namespace

class TestResultsScreen : public ProgramTest
{
    Q_OBJECT

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        return program_->control<T>(forms::results, name);
    }
    ResultsBrowser &browser() { return static_cast<ResultsScreen *>(program_->screen(forms::results))->browser(); }
    QStringList messages() { return program_->dialogs().messageTexts(); }

    void openFromMenu() { program_->click(forms::menu, QStringLiteral("Cmdarchivio")); }
    void search(const QString &surname, const QString &firstName)
    {
        control<QLineEdit>(QStringLiteral("Text2"))->setText(surname);
        control<QLineEdit>(QStringLiteral("Text1"))->setText(firstName);
        control<ClickLabel>(QStringLiteral("LabCERCA"))->click();
    }
    void moveMouseOver(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    // Rows of both tables in the collecting archive on a medium; {-1, -1} when there is none.
    static QPair<int, int> collectedRows(const QString &medium)
    {
        const QString file = QDir(medium).filePath(QStringLiteral("exportcensa.mdb"));
        if (!QFileInfo::exists(file))
            return {-1, -1};
        Archive collecting(file);
        if (collecting.open() != ArchiveProblem::None)
            return {-1, -1};
        return {int(collecting.rows(QStringLiteral("questionari"))->size()), int(collecting.rows(QStringLiteral("esercizi"))->size())};
    }
    // The export with no medium in the PC, the teacher choosing folder.
    void exportWithNoMediumTo(const QString &folder)
    {
        program_->drive().roots.clear();
        program_->dialogs().mediumChoices = {folder};
        control<ClickLabel>(QStringLiteral("LabEXPORT"))->click();
    }
    QString newMedium(const QString &name)
    {
        const QString root = QDir(program_->programFolder()).filePath(name);
        QDir().mkpath(root);
        return root;
    }

    void afterStart() override
    {
        Archive &archive = program_->module().dbrisultati();
        archive.writeResult(QStringLiteral("questionari"), rossi, {{2, 8}, {3, morning}, {10, 10}, {11, midnight}, {20, 0}});
        archive.writeResult(QStringLiteral("esercizi"), rossi, {{2, 7}, {3, 2}, {4, 78}, {5, morning}, {12, 100}});
        archive.writeResult(QStringLiteral("questionari"), bianchi, {{8, 9}, {9, midnight}});
        archive.writeResult(QStringLiteral("esercizi"), bianchi, {{10, 4}, {11, 1}, {12, 80}, {13, morning}});
        archive.writeResult(QStringLiteral("questionari"), QStringLiteral("VERDI"), {{4, 6}});
        program_->module().nomealunno = rossi;
        // Each test starts on the screen, opened for ROSSI MARIO; one test opens it without a name.
        if (qstrcmp(QTest::currentTestFunction(), "withoutANameEveryLoaderOffersTheQuestion") != 0)
            openFromMenu();
    }

private slots:
    void theMenuOpensTheCurrentPupilsResults()
    {
        QVERIFY(messages().isEmpty());
        QVERIFY(program_->dialogs().prompts.isEmpty());
        QCOMPARE(browser().nomemostrato(), QStringLiteral("mionome"));

        // The grids' rows are in the snapshot FRisultati-di-un-alunno; here, their columns.
        auto *grid1 = control<QTableWidget>(QStringLiteral("Grid1"));
        QCOMPARE(grid1->columnWidth(0), Twips::px(3000));
        QCOMPARE(grid1->columnWidth(2), Twips::px(1800));
        QCOMPARE(grid1->editTriggers(), QAbstractItemView::NoEditTriggers);

        QCOMPARE(control<QTableWidget>(QStringLiteral("Grid3"))->columnWidth(4), Twips::px(1700));
    }

    void aSearchLooksUpTheNameAsTypedUpperCasedAndTrimmed_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("sought");
        QTest::newRow("both") << QStringLiteral("  bianchi ") << QStringLiteral("Giulia  ") << QStringLiteral("BIANCHI GIULIA");
        QTest::newRow("surname alone") << QStringLiteral("verdi") << QString() << QStringLiteral("VERDI");
        QTest::newRow("first name alone") << QString() << QStringLiteral(" giulia") << QStringLiteral("GIULIA");
        QTest::newRow("blanks inside stay") << QStringLiteral("de  luca") << QStringLiteral("anna") << QStringLiteral("DE  LUCA ANNA");
        QTest::newRow("accents") << QStringLiteral("nicolò") << QString() << QStringLiteral("NICOLÒ");
    }
    void aSearchLooksUpTheNameAsTypedUpperCasedAndTrimmed()
    {
        QFETCH(QString, surname);
        QFETCH(QString, firstName);
        QFETCH(QString, sought);
        search(surname, firstName);
        QCOMPARE(browser().nomecercato(), sought);
        QVERIFY(control<QLineEdit>(QStringLiteral("Text1"))->text().isEmpty());
        QVERIFY(control<QLineEdit>(QStringLiteral("Text2"))->text().isEmpty());
    }

    void aFoundSearchShowsTheLookedUpPupil()
    {
        // Enter in a search field searches too.
        control<QLineEdit>(QStringLiteral("Text2"))->setText(QStringLiteral("Bianchi Giulia"));
        QTest::keyClick(control<QLineEdit>(QStringLiteral("Text2")), Qt::Key_Return);
        QVERIFY(messages().isEmpty());
        QCOMPARE(browser().nomecercato(), bianchi);
        QCOMPARE(control<QLabel>(QStringLiteral("LabNOME"))->text(), bianchi);
        QCOMPARE(browser().nomemostrato(), QStringLiteral("nomebis"));
        QCOMPARE(column(control<QTableWidget>(QStringLiteral("Grid1")), 1), (QStringList{"0", "0", "0", "9", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(column(control<QTableWidget>(QStringLiteral("Grid3")), 3), (QStringList{"0", "0", "80"}));

        // The printed page is the looked-up pupil's ...
        control<ClickLabel>(QStringLiteral("LabSTAMPA"))->click();
        QCOMPARE(program_->printer().documents.last().at(1).trimmed(), bianchi);

        // ... until a refresh forgets the looked-up name and shows the current pupil again.
        control<QAbstractButton>(QStringLiteral("CMDAGGIORNA"))->click();
        QVERIFY(browser().nomecercato().isEmpty());
        QCOMPARE(browser().nomemostrato(), QStringLiteral("mionome"));
        QCOMPARE(control<QLabel>(QStringLiteral("LabNOME"))->text(), rossi);
        QCOMPARE(column(control<QTableWidget>(QStringLiteral("Grid1")), 1).first(), QStringLiteral("8"));
        control<ClickLabel>(QStringLiteral("LabSTAMPA"))->click();
        QCOMPARE(program_->printer().documents.last().at(1).trimmed(), rossi);
        QVERIFY(messages().isEmpty());
    }

    void withoutANameEveryLoaderOffersTheQuestion()
    {
        program_->module().nomealunno.clear();
        openFromMenu();                                  // every question cancelled
        QCOMPARE(program_->dialogs().prompts.size(), 4); // the menu, the refresh and both loaders
        QCOMPARE(messages(), (QStringList{notInQuestionnaires, notInExercises}));
        QCOMPARE(program_->visibleScreens(), QStringList{forms::results});

        // A name given at the loader's question is the one looked up.
        program_->dialogs().prompts.clear();
        program_->dialogs().messages.clear();
        program_->dialogs().answers = {QString(), QStringLiteral("rossi   mario")};
        control<QAbstractButton>(QStringLiteral("CMDAGGIORNA"))->click();
        QCOMPARE(program_->dialogs().prompts.size(), 2);
        QVERIFY(messages().isEmpty());
        QCOMPARE(control<QLabel>(QStringLiteral("LabNOME"))->text(), rossi);
    }

    // What is missing on the sheet: the snapshots FRisultati-solo-questionari and -nessuno-da-stampare.
    void printingReportsAFailure()
    {
        program_->printer().fail = true;
        control<ClickLabel>(QStringLiteral("LabSTAMPA"))->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().startsWith(QStringLiteral("Non è stato possibile stampare")));
    }

    void theExportGoesToTheOnlyMediumOrTheChosenOne()
    {
        const QString card = QDir(program_->programFolder()).filePath(QStringLiteral("SCHEDA"));
        program_->drive().roots.append(card); // a card reader with no card in
        control<ClickLabel>(QStringLiteral("LabEXPORT"))->click();
        QVERIFY(program_->dialogs().mediaOffers.isEmpty()); // one medium: no question
        QCOMPARE(collectedRows(program_->driveA()), qMakePair(3, 2));

        // Several: no choice queued is a cancel, with nothing exported and nothing said.
        newMedium(QStringLiteral("SCHEDA"));
        control<ClickLabel>(QStringLiteral("LabEXPORT"))->click();
        QCOMPARE(program_->dialogs().mediaOffers.size(), 1);
        QVERIFY(QDir(card).isEmpty());
        program_->dialogs().mediumChoices = {card};
        control<ClickLabel>(QStringLiteral("LabEXPORT"))->click();
        QCOMPARE(program_->dialogs().mediaOffers[1].size(), 2);
        QCOMPARE(program_->dialogs().mediaOffers[1][1].rootPath, card);
        QCOMPARE(program_->dialogs().mediaOffers[1][1].label, QStringLiteral("SCHEDA"));
        QCOMPARE(collectedRows(card), qMakePair(3, 2));
        QCOMPARE(collectedRows(program_->driveA()), qMakePair(3, 2)); // the other medium is left alone

        // None: the teacher picks a folder.
        const QString folder = newMedium(QStringLiteral("raccolta 3B"));
        exportWithNoMediumTo(folder);
        QCOMPARE(program_->dialogs().mediaOffers.last(), QList<Medium>());
        QCOMPARE(collectedRows(folder), qMakePair(3, 2));
        QVERIFY(messages().isEmpty());
    }

    void theDataFolderOrAMediumGoneIsNoPlaceToCollect()
    {
        const QString data = QDir(program_->programFolder()).filePath(QStringLiteral("perCensaria"));
        exportWithNoMediumTo(data);
        QCOMPARE(messages(), QStringList{QStringLiteral("Questa è la cartella del programma: scegli una chiavetta o un'altra cartella.")});
        QCOMPARE(collectedRows(data), qMakePair(0, 0)); // the empty archive stays empty
        program_->dialogs().messages.clear();
        exportWithNoMediumTo(QDir(program_->programFolder()).filePath(QStringLiteral("estratta")));
        QCOMPARE(messages(), QStringList{QStringLiteral("C'è un problema...")});
    }

    void theLabelsFollowTheMouse()
    {
        auto *cerca = control(QStringLiteral("LabCERCA"));
        moveMouseOver(cerca);
        QCOMPARE(textColour(cerca), QColor(255, 0, 0)); // not undone by the move reaching the screen
        moveMouseOver(control(QStringLiteral("Labesci")));
        QCOMPARE(textColour(control(QStringLiteral("Labesci"))), QColor(255, 0, 0));

        moveMouseOver(control(QStringLiteral("Label5")));
        QCOMPARE(textColour(control(QStringLiteral("Labesci"))), QColor(192, 192, 0));
        QCOMPARE(textColour(cerca), QColor(255, 0, 0)); // the strip leaves the search alone

        moveMouseOver(program_->screen(forms::results)->findChild<QWidget *>(QStringLiteral("canvas")));
        QCOMPARE(textColour(cerca), QColor(192, 192, 192));
        QCOMPARE(textColour(control(QStringLiteral("Labtorna"))), QColor(255, 192, 255));
        QCOMPARE(textColour(control(QStringLiteral("Labmenù"))), QColor(255, 128, 255));
        QCOMPARE(textColour(control(QStringLiteral("LabEXPORT"))), QColor(192, 192, 0));

        moveMouseOver(control(QStringLiteral("Grid1"))); // over a control, not the background
        QCOMPARE(textColour(cerca), QColor(192, 192, 192));
    }
};

QTEST_MAIN(TestResultsScreen)
#include "tst_resultsscreen.moc"
