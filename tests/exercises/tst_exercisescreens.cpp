#include "exercisefixture.h"
#include "exercises/exercisescreen.h"
#include "exercises/fesercizi.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace censaria;

namespace {

const QColor orange(255, 192, 128);
const QColor lightBlue(192, 192, 255);
const QColor red(255, 0, 0);

QColor colourOf(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) ? control->palette().color(QPalette::Base)
                                                     : control->palette().color(control->backgroundRole());
}

} // namespace

class TestExerciseScreens : public ExerciseFixture
{
    Q_OBJECT

    template <typename T = QWidget>
    T *rates(const QString &name) { return in<T>(forms::rates, name); }
    template <typename T = QWidget>
    T *balances(const QString &name) { return in<T>(forms::balances, name); }
    void keys(const QString &form, const QStringList &names)
    {
        for (const QString &name : names)
            click(form, name);
    }
    // Right and wrong this time, then in all.
    QStringList ratesCounters() { return labels(forms::rates, {"Label2", "Label6", "Label4", "Label11"}); }
    QStringList balancesCounters() { return labels(forms::balances, {"Labcalcgiusti", "LabcalcSB", "Labcompgiusti", "LabcompSB"}); }
    QList<int> storedCounts(const QStringList &columns)
    {
        QList<int> counts;
        for (const QString &column : columns)
            counts.append(stored(column).toInt());
        return counts;
    }
    QList<QColor> colours(const QString &form, const QStringList &names)
    {
        QList<QColor> found;
        for (const QString &name : names)
            found.append(colourOf(in(form, name)));
        return found;
    }
    StandInResults *results() { return static_cast<StandInResults *>(program_->screen(forms::results)); }

    void answerBalancesRightly()
    {
        type(forms::balances, "TXTPOP", "90550");
        type(forms::balances, "TXTSNATURALE", "50");
        type(forms::balances, "TXTSMIGRATORIO", "500");
        for (const char *box : {"Check2(0)", "Check3(0)", "Check1(0)", "Check1(2)", "Check1(4)"})
            balances<QCheckBox>(box)->setChecked(true);
        balances<QRadioButton>("Option3(0)")->setChecked(true);
    }

private slots:
    void init() { start(); }
    void cleanup() { program_.reset(); }

    void menuOpensBothExercises()
    {
        QVERIFY(program_->control<QPushButton>(forms::menu, QStringLiteral("cmdesdin"))->isEnabled());
        QVERIFY(program_->control<QPushButton>(forms::menu, QStringLiteral("Cmdesercizi1"))->isEnabled());
    }

    void ratesScreenAtLoad()
    {
        openRates();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::rates});
        QCOMPARE(program_->screen(forms::rates)->windowTitle(), QStringLiteral("Calcolare..."));
        QCOMPARE(text(forms::rates, QStringLiteral("Readout")), QStringLiteral("0,"));
        QCOMPARE(labels(forms::rates, {"labpopiniz", "Labtassonat", "Labtassomort", "Lab1popinizio", "Lab1nati", "Lab1morti"}),
                 (QStringList{"2000", "20", "30", "5000", "60", "45"}));
        QCOMPARE(ratesCounters(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(colourOf(rates(QStringLiteral("Txtpopfine"))), orange);
        QVERIFY(!rates(QStringLiteral("Label20"))->isVisible());
        QVERIFY(!rates(QStringLiteral("cmdok"))->isVisible());
        QCOMPARE(rates<QGroupBox>(QStringLiteral("Frame1"))->title(), QStringLiteral("Primo esercizio"));
        QCOMPARE(rates<QGroupBox>(QStringLiteral("Frame3"))->title(), QStringLiteral("CALCOLATRICE"));
    }

    void ratesCorrectionPaintsCountsAndRecords()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("rossi  mario"));
        // Wrong: deaths, final population 2 (thousands points); right within one: births, the rest.
        typeRates({QStringLiteral("41"), QStringLiteral("6"), QStringLiteral("-20"), QStringLiteral("1980"),
                   QStringLiteral("12"), QStringLiteral("8"), QStringLiteral("15"), QStringLiteral("5.015")});
        click(forms::rates, QStringLiteral("CMDRISULT"));
        QCOMPARE(colours(forms::rates, {"txtnati", "txtmorti", "txt1morti", "txt1popfine"}), (QList<QColor>{orange, red, orange, red}));
        QCOMPARE(ratesCounters(), (QStringList{"6", "2", "6", "2"}));
        QVERIFY(!rates(QStringLiteral("CMDRISULT"))->isEnabled());
        QCOMPARE(storedCounts({"calcolo Tassi", "tassiSB", "tassi%"}), (QList<int>{6, 2, 75}));
        QCOMPARE(stored(QStringLiteral("data3")).toDateTime(), program_->clock().time);
        QVERIFY(stored(QStringLiteral("data1")).isNull());

        // A new situation keeps the totals; the second correction adds to them.
        program_->random().queue(ratesDraws(3, 10, 10, 4, 25, 20, 5, 8));
        click(forms::rates, QStringLiteral("CmdNUOVO"));
        QVERIFY(rates(QStringLiteral("CMDRISULT"))->isEnabled());
        QCOMPARE(ratesCounters(), (QStringList{"", "", "6", "2"}));
        QCOMPARE(rates<QLineEdit>(QStringLiteral("txtmorti"))->text(), QString());
        QCOMPARE(colourOf(rates(QStringLiteral("txtmorti"))), orange);
        QCOMPARE(text(forms::rates, QStringLiteral("Labtassomort")), QStringLiteral("10"));
        QCOMPARE(text(forms::rates, QStringLiteral("Lab1morti")), QStringLiteral("80"));
        typeRates({QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("3000"),
                   QStringLiteral("25"), QStringLiteral("20"), QStringLiteral("20"), QStringLiteral("4020")});
        click(forms::rates, QStringLiteral("CMDRISULT"));
        QCOMPARE(ratesCounters(), (QStringList{"8", "0", "14", "2"}));
        QCOMPARE(storedCounts({"calcolo Tassi", "tassi%"}), (QList<int>{14, 87}));
        QCOMPARE(program_->dialogs().prompts.size(), 1);
    }

    void ratesIncompleteCountsNothing()
    {
        openRates();
        typeRates({QStringLiteral("40"), QString(), QStringLiteral("-20"), QStringLiteral("1980"),
                   QStringLiteral("12"), QStringLiteral("9"), QStringLiteral("15"), QStringLiteral("5015")});
        click(forms::rates, QStringLiteral("CMDRISULT"));
        QCOMPARE(program_->dialogs().messages.size(), 1);
        QCOMPARE(program_->dialogs().messages[0].text, QStringLiteral("Devi completare la risposta..."));
        QCOMPARE(program_->dialogs().messages[0].title, QStringLiteral("Censaria"));
        QCOMPARE(text(forms::rates, QStringLiteral("Label4")), QStringLiteral("0"));
        QVERIFY(rates(QStringLiteral("CMDRISULT"))->isEnabled());
        QVERIFY(program_->dialogs().prompts.isEmpty());
        // A blank is an answer: it passes and reads 0.
        type(forms::rates, QStringLiteral("txtmorti"), QStringLiteral(" "));
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        click(forms::rates, QStringLiteral("CMDRISULT"));
        QCOMPARE(text(forms::rates, QStringLiteral("Label6")), QStringLiteral("1"));
        QCOMPARE(colourOf(rates(QStringLiteral("txtmorti"))), red);
    }

    void ratesWithoutANameRecordNothing()
    {
        openRates();
        typeRates(QStringList(8, QStringLiteral("1")));
        click(forms::rates, QStringLiteral("CMDRISULT")); // the name question is cancelled
        QCOMPARE(text(forms::rates, QStringLiteral("Label11")), QStringLiteral("8"));
        QCOMPARE(program_->dialogs().prompts.size(), 1);
        const auto rows = program_->module().dbrisultati().rows(QStringLiteral("esercizi"));
        QVERIFY(rows && rows->isEmpty());
    }

    void ratesHelpPanels()
    {
        openRates();
        click(forms::rates, QStringLiteral("Cmdhelp2"));
        auto *panel = rates<QLabel>(QStringLiteral("Label20"));
        QVERIFY(panel->isVisible());
        QVERIFY(rates(QStringLiteral("cmdok"))->isVisible());
        QVERIFY(!rates(QStringLiteral("Frame1"))->isVisible());
        QVERIFY(!rates(QStringLiteral("Frame2"))->isVisible());
        QVERIFY(!rates(QStringLiteral("Image2"))->isVisible());
        QCOMPARE(panel->geometry(), Twips::rect(200, 120, 8400, 5880));
        QCOMPARE(panel->text(), QStringLiteral("\n\n\n      Saldo naturale = numero di nati - numero di morti\n\n"
                                               "      Popolazione finale= popolazione iniziale + saldo naturale\n\n"
                                               "      Tasso di natalità = numero di nati x 1000 / popolazione iniziale\n\n"
                                               "      Tasso di mortalità = numero di morti x 1000 / popolazione iniziale"));
        click(forms::rates, QStringLiteral("Cmdhelp1"));
        QVERIFY(panel->text().startsWith(QStringLiteral("\n\n\n      Numero di nati = popolazione iniziale / 1000 x tasso di natalità\n\n")));
        click(forms::rates, QStringLiteral("cmdok"));
        QVERIFY(!panel->isVisible());
        QVERIFY(!rates(QStringLiteral("cmdok"))->isVisible());
        QVERIFY(rates(QStringLiteral("Frame1"))->isVisible());
        QVERIFY(rates(QStringLiteral("Image2"))->isVisible());
    }

    void ratesArchiveAsksTheNameBeforeTheRefresh()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("rossi mario"));
        click(forms::rates, QStringLiteral("Cmdarchivio"));
        QCOMPARE(results()->namesAtRefresh, QStringList{QStringLiteral("ROSSI MARIO")});
        QCOMPARE(program_->module().chiamante, forms::rates);
        QCOMPARE(program_->visibleScreens(), QStringList{forms::results});
    }

    void ratesNavigation()
    {
        openRates();
        click(forms::rates, QStringLiteral("Cmdtorno"));
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
        openRates(); // shown again, not made anew: the queued draws stay unused
        click(forms::rates, QStringLiteral("cmdmenu"));
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
        click(forms::menu, QStringLiteral("cmdesdin"));
        click(forms::rates, QStringLiteral("Cmdfine"));
        QCOMPARE(program_->exitCode().value_or(-1), 0);
    }

    void calculatorPanelKeys()
    {
        openRates();
        const QString form = forms::rates;
        QCOMPARE(program_->screen(form)->findChild<QGroupBox *>(QStringLiteral("Frame3"))->findChildren<QPushButton *>().size(), 19);
        QCOMPARE(in<QPushButton>(form, QStringLiteral("Operator(2)"))->text(), QStringLiteral("X"));
        QCOMPARE(in<QPushButton>(form, QStringLiteral("Decimal"))->text(), QStringLiteral("."));
        keys(form, {QStringLiteral("Number(1)"), QStringLiteral("Number(2)"), QStringLiteral("Decimal"), QStringLiteral("Number(5)")});
        QCOMPARE(text(form, QStringLiteral("Readout")), QStringLiteral("12,5"));
        keys(form, {QStringLiteral("Operator(2)"), QStringLiteral("Number(2)"), QStringLiteral("Operator(4)")});
        QCOMPARE(text(form, QStringLiteral("Readout")), QStringLiteral("25"));
        keys(form, {QStringLiteral("Cancel"), QStringLiteral("Number(6)"), QStringLiteral("Operator(0)"), QStringLiteral("Number(0)"),
                    QStringLiteral("Operator(4)")});
        QCOMPARE(program_->dialogs().messages.size(), 1);
        const RecordedMessage &m = program_->dialogs().messages[0];
        QCOMPARE(m.text, QStringLiteral("Impossibile dividere per zero"));
        QCOMPARE(m.title, QStringLiteral("Calcolatrice"));
        QCOMPARE(m.icon, MessageIcon::Exclamation);
        QCOMPARE(text(form, QStringLiteral("Readout")), QStringLiteral("6,"));
        keys(form, {QStringLiteral("Number(5)"), QStringLiteral("Operator(1)"), QStringLiteral("Number(3)"), QStringLiteral("CancelEntry"),
                    QStringLiteral("Number(4)"), QStringLiteral("Percent")});
        QCOMPARE(text(form, QStringLiteral("Readout")), QStringLiteral("0,04"));

        // Multiplying by 10^15 until the double range is left: a message, and the operand kept.
        const QStringList fifteenNines(15, QStringLiteral("Number(9)"));
        keys(form, QStringList{QStringLiteral("Cancel")} + fifteenNines);
        for (int i = 0; i < 30 && program_->dialogs().messages.size() == 1; ++i)
            keys(form, QStringList{QStringLiteral("Operator(2)")} + fifteenNines + QStringList{QStringLiteral("Operator(4)")});
        QCOMPARE(program_->dialogs().messages.size(), 2);
        QCOMPARE(program_->dialogs().messages[1].title, QStringLiteral("Calcolatrice"));
        QCOMPARE(program_->dialogs().messages[1].text, QStringLiteral("Il risultato è troppo grande per la calcolatrice"));
        const QString ratesReadout = text(form, QStringLiteral("Readout"));
        QVERIFY(ratesReadout.endsWith(QStringLiteral("E+299")));

        // Each screen has a calculator of its own, and the balances one is never reset.
        openBalances();
        QCOMPARE(text(forms::balances, QStringLiteral("Readout")), QStringLiteral("0."));
        click(forms::balances, QStringLiteral("Number(7)"));
        QCOMPARE(text(forms::balances, QStringLiteral("Readout")), QStringLiteral("7,"));
        QCOMPARE(text(form, QStringLiteral("Readout")), ratesReadout);
        // A new problem leaves the calculator alone.
        click(forms::balances, QStringLiteral("CmdNUOVO"));
        QCOMPARE(text(forms::balances, QStringLiteral("Readout")), QStringLiteral("7,"));
    }

    void balancesScreenAtLoad()
    {
        openBalances();
        Screen *screen = program_->screen(forms::balances);
        QCOMPARE(program_->visibleScreens(), QStringList{forms::balances});
        QCOMPARE(program_->module().chiamante, forms::menu);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Saldo naturale e migratorio"));
        // The page keeps its designed size, on a backdrop that covers the display.
        QCOMPARE(screen->pos(), QPoint(0, 0));
        QCOMPARE(screen->size(), program_->display().displaySize);
        QCOMPARE(screen->canvas()->size(), Twips::size(12000, 9000));
        QCOMPARE(labels(forms::balances, {"LabPOP", "Labnati", "Labtassonat", "Labtassomort", "Labemig", "Labimmig"}),
                 (QStringList{"90000", "950", "10,6", "10", "300", "800"}));
        QCOMPARE(balancesCounters(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(colours(forms::balances, {"TXTPOP", "Check3(1)"}), (QList<QColor>{lightBlue, lightBlue}));
        QCOMPARE(colourOf(balances(QStringLiteral("Option3(2)"))), QApplication::palette().color(QPalette::Button));
        QCOMPARE(balances<QCheckBox>(QStringLiteral("Check1(1)"))->text(), QStringLiteral("il saldo naturale è fortemente positivo "));
        QCOMPARE(balances<QRadioButton>(QStringLiteral("Option3(3)"))->text(), QStringLiteral("una regione povera, in un paese povero"));
    }

    void balancesCompleteness()
    {
        openBalances();
        answerBalancesRightly();
        balances<QRadioButton>(QStringLiteral("Option3(0)"))->setAutoExclusive(false);
        balances<QRadioButton>(QStringLiteral("Option3(0)"))->setChecked(false);
        click(forms::balances, QStringLiteral("AniPushButton1"));
        QCOMPARE(program_->dialogs().messageTexts(), QStringList{QStringLiteral("Non hai completato la risposta")});
        QCOMPARE(text(forms::balances, QStringLiteral("Labcalcgiusti")), QStringLiteral("0"));
        QVERIFY(program_->dialogs().prompts.isEmpty());
    }

    // One check of one set of answers counts once, however often the button is pressed.
    void balancesCheckAgainWithoutChangesCountsNothing()
    {
        openBalances();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        answerBalancesRightly();
        type(forms::balances, QStringLiteral("TXTPOP"), QStringLiteral("90551")); // one away
        balances<QCheckBox>(QStringLiteral("Check2(1)"))->setChecked(true);      // both signs
        balances<QCheckBox>(QStringLiteral("Check1(4)"))->setChecked(false);     // two facts of three
        click(forms::balances, QStringLiteral("AniPushButton1"));
        const QStringList firstCounts = {"4", "2", "6", "1"};
        QCOMPARE(balancesCounters(), firstCounts);
        QCOMPARE(colours(forms::balances, {"TXTPOP", "TXTSNATURALE", "Check2(1)", "Check2(0)", "Check1(4)"}),
                 (QList<QColor>{red, lightBlue, red, lightBlue, red}));
        QCOMPARE(storedCounts({"calcolo Saldi", "saldiSB", "saldi%", "comprensione%"}), (QList<int>{4, 2, 66, 85}));
        const QDateTime firstTime = program_->clock().time;
        QCOMPARE(stored(QStringLiteral("data1")).toDateTime(), firstTime);

        program_->clock().time = program_->clock().time.addSecs(60);
        for (int press = 0; press < 10; ++press)
            click(forms::balances, QStringLiteral("AniPushButton1"));
        QCOMPARE(balancesCounters(), firstCounts);
        QCOMPARE(colours(forms::balances, {"TXTPOP", "Check1(4)"}), (QList<QColor>{red, red}));
        QCOMPARE(stored(QStringLiteral("calcolo Saldi")).toInt(), 4);
        QCOMPARE(stored(QStringLiteral("data1")).toDateTime(), firstTime);
        QCOMPARE(stored(QStringLiteral("data2")).toDateTime(), firstTime);

        // A corrected answer is a new check: counted and recorded, the red marks kept.
        type(forms::balances, QStringLiteral("TXTPOP"), QStringLiteral("90550"));
        click(forms::balances, QStringLiteral("AniPushButton1"));
        QCOMPARE(balancesCounters(), (QStringList{"9", "3", "12", "2"}));
        QCOMPARE(colourOf(balances(QStringLiteral("TXTPOP"))), red);
        QCOMPARE(storedCounts({"calcolo Saldi", "comprensioneSB"}), (QList<int>{9, 2}));
        QCOMPARE(stored(QStringLiteral("data2")).toDateTime(), program_->clock().time);
        QVERIFY(stored(QStringLiteral("data3")).isNull());
        QCOMPARE(program_->dialogs().prompts.size(), 1);
    }

    // The name refused at the first check: pressing again stores the same counts once.
    void balancesCheckAgainAfterARefusedNameRecordsTheSameCounts()
    {
        openBalances();
        answerBalancesRightly();
        click(forms::balances, QStringLiteral("AniPushButton1")); // the name question is cancelled
        QCOMPARE(text(forms::balances, QStringLiteral("Labcalcgiusti")), QStringLiteral("5"));
        QCOMPARE(stored(QStringLiteral("calcolo Saldi")), QVariant());
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        click(forms::balances, QStringLiteral("AniPushButton1"));
        QCOMPARE(balancesCounters(), (QStringList{"5", "0", "7", "0"}));
        QCOMPARE(storedCounts({"calcolo Saldi", "comprensione"}), (QList<int>{5, 7}));
        click(forms::balances, QStringLiteral("AniPushButton1"));
        QCOMPARE(program_->dialogs().prompts.size(), 2);
        QCOMPARE(stored(QStringLiteral("calcolo Saldi")).toInt(), 5);
    }

    // CORREGGI is disabled after a correction; should it run again, it counts nothing.
    void ratesCorrectionOfUnchangedAnswersCountsNothing()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        typeRates(QStringList(8, QStringLiteral("1")));
        click(forms::rates, QStringLiteral("CMDRISULT"));
        QCOMPARE(text(forms::rates, QStringLiteral("Label11")), QStringLiteral("8"));
        const QDateTime firstTime = program_->clock().time;
        program_->clock().time = firstTime.addSecs(60);
        static_cast<Fesercizi *>(program_->screen(forms::rates))->CMDRISULT_Click();
        QCOMPARE(text(forms::rates, QStringLiteral("Label6")), QStringLiteral("8"));
        QCOMPARE(text(forms::rates, QStringLiteral("Label11")), QStringLiteral("8"));
        QCOMPARE(stored(QStringLiteral("tassiSB")).toInt(), 8);
        QCOMPARE(stored(QStringLiteral("data3")).toDateTime(), firstTime);
    }

    void balancesRedStaysUntilANewExercise()
    {
        openBalances();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        answerBalancesRightly();
        type(forms::balances, QStringLiteral("TXTSMIGRATORIO"), QStringLiteral("-500"));
        balances<QCheckBox>(QStringLiteral("Check1(5)"))->setChecked(true);
        click(forms::balances, QStringLiteral("AniPushButton1"));
        type(forms::balances, QStringLiteral("TXTSMIGRATORIO"), QStringLiteral("500"));
        balances<QCheckBox>(QStringLiteral("Check1(5)"))->setChecked(false);
        click(forms::balances, QStringLiteral("AniPushButton1"));
        QCOMPARE(colours(forms::balances, {"TXTSMIGRATORIO", "Check1(5)"}), (QList<QColor>{red, red}));
        QCOMPARE(balancesCounters(), (QStringList{"9", "1", "12", "2"}));

        program_->random().queue(balancesDraws(85000, 3, 1800, 1300, 900, 150, {1500, 1200, 500, 100}, {501, 301, 501, 101}));
        click(forms::balances, QStringLiteral("CmdNUOVO"));
        QCOMPARE(colourOf(balances(QStringLiteral("TXTSMIGRATORIO"))), lightBlue);
        QCOMPARE(colourOf(balances(QStringLiteral("Check1(5)"))), QApplication::palette().color(QPalette::Button));
        QCOMPARE(balances<QLineEdit>(QStringLiteral("TXTPOP"))->text(), QString());
        QVERIFY(!balances<QRadioButton>(QStringLiteral("Option3(0)"))->isChecked());
        QVERIFY(!balances<QCheckBox>(QStringLiteral("Check1(0)"))->isChecked());
        QCOMPARE(text(forms::balances, QStringLiteral("LabPOP")), QStringLiteral("85000"));
        QCOMPARE(text(forms::balances, QStringLiteral("Labtassonat")), QStringLiteral("21,2"));
        QCOMPARE(text(forms::balances, QStringLiteral("LabcompSB")), QStringLiteral("2"));
    }

    void balancesHelpAndArchive()
    {
        openBalances();
        click(forms::balances, QStringLiteral("CmdAIUTO"));
        QCOMPARE(program_->dialogs().messages.size(), 1);
        const QStringList lines = program_->dialogs().messages[0].text.split(u'\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[2], QStringLiteral("POPOLAZIONE alla FINE dell'anno = popolazione iniziale - morti - emigrati + nati + immigrati"));
        QCOMPARE(lines[6], QStringLiteral("I paesi in rapido sviluppo ricevono molti Immigrati e perdono pochi Emigrati"));
        QCOMPARE(program_->dialogs().messages[0].title, QStringLiteral("Censaria"));

        click(forms::balances, QStringLiteral("Cmdarchivio"));
        QCOMPARE(program_->dialogs().prompts.size(), 0); // this screen does not ask the name
        QCOMPARE(results()->namesAtRefresh.size(), 1);
        QCOMPARE(program_->module().chiamante, forms::balances);
        QCOMPARE(program_->visibleScreens(), QStringList{forms::results});
        program_->module().navigation().back(results());
        QCOMPARE(program_->visibleScreens(), QStringList{forms::balances});
        click(forms::balances, QStringLiteral("Cmdesco"));
        QCOMPARE(program_->exitCode().value_or(-1), 0);
    }
};

QTEST_MAIN(TestExerciseScreens)
#include "tst_exercisescreens.moc"
