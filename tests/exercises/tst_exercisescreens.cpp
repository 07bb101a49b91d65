#include "exercisefixture.h"
#include "exercises/calculatorengine.h"
#include "exercises/ratesscreen.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

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

    void ratesScreenAtLoad()
    {
        openRates();
        QCOMPARE(program_->screen(forms::rates)->windowTitle(), QStringLiteral("Calcolare..."));
        QCOMPARE(text(forms::rates, "Readout"), QStringLiteral("0,"));
        QCOMPARE(labels(forms::rates, {"labpopiniz", "Labtassonat", "Labtassomort", "Lab1popinizio", "Lab1nati", "Lab1morti"}),
                 (QStringList{"2000", "20", "30", "5000", "60", "45"}));
        QCOMPARE(ratesCounters(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(colourOf(rates("Txtpopfine")), orange);
        QVERIFY(!rates("Label20")->isVisible() && !rates("cmdok")->isVisible());
        QCOMPARE(rates<QGroupBox>("Frame1")->title(), QStringLiteral("Primo esercizio"));
        QCOMPARE(rates<QGroupBox>("Frame3")->title(), QStringLiteral("CALCOLATRICE"));
    }

    void ratesCorrectionPaintsCountsAndRecords()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("rossi  mario"));
        // Wrong: deaths, final population 2 (thousands points); right within one: births, the rest.
        typeRates({"41", "6", "-20", "1980", "12", "8", "15", "5.015"});
        click(forms::rates, "CMDRISULT");
        QCOMPARE(colours(forms::rates, {"txtnati", "txtmorti", "txt1morti", "txt1popfine"}), (QList<QColor>{orange, red, orange, red}));
        QCOMPARE(ratesCounters(), (QStringList{"6", "2", "6", "2"}));
        QVERIFY(!rates("CMDRISULT")->isEnabled());
        QCOMPARE(storedCounts({"calcolo Tassi", "tassiSB", "tassi%"}), (QList<int>{6, 2, 75}));
        QCOMPARE(stored("data3").toDateTime(), program_->clock().time);
        QVERIFY(stored("data1").isNull());

        // A new situation keeps the totals; the second correction adds to them.
        program_->random().queue(ratesDraws(3, 10, 10, 4, 25, 20, 5, 8));
        click(forms::rates, "CmdNUOVO");
        QVERIFY(rates("CMDRISULT")->isEnabled());
        QCOMPARE(ratesCounters(), (QStringList{"", "", "6", "2"}));
        QCOMPARE(rates<QLineEdit>("txtmorti")->text(), QString());
        QCOMPARE(colourOf(rates("txtmorti")), orange);
        QCOMPARE(labels(forms::rates, {"Labtassomort", "Lab1morti"}), (QStringList{"10", "80"}));
        typeRates({"30", "30", "0", "3000", "25", "20", "20", "4020"});
        click(forms::rates, "CMDRISULT");
        QCOMPARE(ratesCounters(), (QStringList{"8", "0", "14", "2"}));
        QCOMPARE(storedCounts({"calcolo Tassi", "tassi%"}), (QList<int>{14, 87}));
        QCOMPARE(program_->dialogs().prompts.size(), 1);
    }

    void ratesIncompleteCountsNothing()
    {
        openRates();
        typeRates({"40", "", "-20", "1980", "12", "9", "15", "5015"});
        click(forms::rates, "CMDRISULT");
        // The message names the empty box, which takes the keyboard.
        QCOMPARE(program_->dialogs().messageTexts(),
                 QStringList{QStringLiteral("Devi completare la risposta...\nÈ vuota la casella «Numero di morti» del primo esercizio.")});
        QCOMPARE(program_->dialogs().messages[0].title, QStringLiteral("Censaria"));
        QCOMPARE(program_->screen(forms::rates)->focusWidget(), rates("txtmorti"));
        QCOMPARE(text(forms::rates, "Label4"), QStringLiteral("0"));
        QVERIFY(rates("CMDRISULT")->isEnabled());
        QVERIFY(program_->dialogs().prompts.isEmpty());
        // A blank is an answer: it passes and reads 0.
        type(forms::rates, "txtmorti", " ");
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        click(forms::rates, "CMDRISULT");
        QCOMPARE(text(forms::rates, "Label6"), QStringLiteral("1"));
        QCOMPARE(colourOf(rates("txtmorti")), red);
    }

    void ratesWithoutANameRecordNothing()
    {
        openRates();
        typeRates(QStringList(8, QStringLiteral("1")));
        click(forms::rates, "CMDRISULT"); // the name question is cancelled
        QCOMPARE(text(forms::rates, "Label11"), QStringLiteral("8"));
        QCOMPARE(program_->dialogs().prompts.size(), 1);
        const auto rows = program_->module().dbrisultati().rows(QStringLiteral("esercizi"));
        QVERIFY(rows && rows->isEmpty());
    }

    // CORREGGI is disabled after a correction; should it run again, it counts nothing.
    void ratesCorrectionOfUnchangedAnswersCountsNothing()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        typeRates(QStringList(8, QStringLiteral("1")));
        click(forms::rates, "CMDRISULT");
        const QDateTime firstTime = program_->clock().time;
        program_->clock().time = firstTime.addSecs(60);
        static_cast<RatesScreen *>(program_->screen(forms::rates))->CMDRISULT_Click();
        QCOMPARE(labels(forms::rates, {"Label6", "Label11"}), (QStringList{"8", "8"}));
        QCOMPARE(stored("tassiSB").toInt(), 8);
        QCOMPARE(stored("data3").toDateTime(), firstTime);
    }

    void ratesHelpPanels()
    {
        openRates();
        click(forms::rates, "Cmdhelp2");
        auto *panel = rates<QLabel>("Label20");
        QVERIFY(panel->isVisible() && rates("cmdok")->isVisible());
        QVERIFY(!rates("Frame1")->isVisible() && !rates("Frame2")->isVisible() && !rates("Image2")->isVisible());
        QCOMPARE(panel->geometry(), Twips::rect(200, 120, 8400, 5880));
        QCOMPARE(panel->text(), QStringLiteral("\n\n\n      Saldo naturale = numero di nati - numero di morti\n\n"
                                               "      Popolazione finale = popolazione iniziale + saldo naturale\n\n"
                                               "      Tasso di natalità = numero di nati x 1000 / popolazione iniziale\n\n"
                                               "      Tasso di mortalità = numero di morti x 1000 / popolazione iniziale"));
        click(forms::rates, "Cmdhelp1");
        QVERIFY(panel->text().startsWith(QStringLiteral("\n\n\n      Numero di nati = popolazione iniziale / 1000 x tasso di natalità\n\n")));
        click(forms::rates, "cmdok");
        QVERIFY(!panel->isVisible() && !rates("cmdok")->isVisible());
        QVERIFY(rates("Frame1")->isVisible() && rates("Image2")->isVisible());
    }

    // The roads to the results are walked on the real screens; here, who asks the name
    // before the results are refreshed.
    void onlyTheRatesAskTheNameBeforeTheResults()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("rossi mario"));
        click(forms::rates, "Cmdarchivio");
        QCOMPARE(results()->namesAtRefresh, QStringList{QStringLiteral("ROSSI MARIO")});

        program_.reset();
        start();
        openBalances();
        click(forms::balances, "Cmdarchivio");
        QCOMPARE(program_->dialogs().prompts.size(), 0);
        QCOMPARE(results()->namesAtRefresh, QStringList{QString()});
    }

    // The longest numbers each calculator can show, typed or computed, on the smallest and
    // the largest classroom display: every one whole, its minus sign included.
    void theDisplayHoldsEveryNumberWhole_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<QString>("form");
        for (const QSize &display : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)})
            for (const QString &form : {forms::rates, forms::balances})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2x%3").arg(form).arg(display.width()).arg(display.height())))
                    << display << form;
    }

    void theDisplayHoldsEveryNumberWhole()
    {
        QFETCH(QSize, display);
        QFETCH(QString, form);
        program_ = std::make_unique<TestProgram>();
        program_->display().displaySize = display;
        QVERIFY(program_->start());
        program_->open(form);
        const auto *readout = in<QLabel>(form, "Readout");
        const QStringList nines(15, QStringLiteral("Number(9)"));
        const QStringList third = {"Number(1)", "Operator(0)", "Number(3)", "Operator(4)"};
        const QStringList ninesSquared = nines + QStringList{"Operator(2)"} + nines + QStringList{"Operator(4)"};
        const QStringList tiny = {"Number(2)", "Operator(0)", "Number(3)", "Operator(0)"};
        const QList<std::pair<QStringList, bool>> cases = {
            {QStringList{"Operator(3)"} + nines, true},
            {third, false},
            {QStringList{"Number(0)", "Operator(3)"} + third, true},
            {ninesSquared, false},
            {QStringList{"Operator(3)"} + ninesSquared, true},
            {tiny + nines + QStringList{"Operator(4)"}, false},
            {QStringList{"Operator(3)"} + tiny + nines + QStringList{"Operator(4)"}, true},
        };
        for (const auto &[presses, negative] : cases) {
            keys(form, QStringList{"Cancel"} + presses);
            const QString shown = readout->text();
            QVERIFY2(shown.size() <= CalculatorEngine::displayPlaces, qPrintable(shown));
            QVERIFY2(QFontMetrics(readout->font()).horizontalAdvance(shown) <= readout->contentsRect().width(), qPrintable(shown));
            QCOMPARE(shown.startsWith(u'-'), negative);
        }
        QVERIFY(program_->dialogs().messages.isEmpty());
    }

    void calculatorPanelKeys()
    {
        openRates();
        const QString form = forms::rates;
        QCOMPARE(program_->screen(form)->findChild<QGroupBox *>(QStringLiteral("Frame3"))->findChildren<QPushButton *>().size(), 19);
        QCOMPARE(in<QPushButton>(form, "Operator(2)")->text(), QStringLiteral("X"));
        QCOMPARE(in<QPushButton>(form, "Decimal")->text(), QStringLiteral("."));
        keys(form, {"Number(1)", "Number(2)", "Decimal", "Number(5)"});
        QCOMPARE(text(form, "Readout"), QStringLiteral("12,5"));
        keys(form, {"Operator(2)", "Number(2)", "Operator(4)"});
        QCOMPARE(text(form, "Readout"), QStringLiteral("25"));
        keys(form, {"Cancel", "Number(6)", "Operator(0)", "Number(0)", "Operator(4)"});
        QCOMPARE(program_->dialogs().messageTexts(), QStringList{QStringLiteral("Impossibile dividere per zero")});
        QCOMPARE(program_->dialogs().messages[0].title, QStringLiteral("Calcolatrice"));
        QCOMPARE(program_->dialogs().messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(text(form, "Readout"), QStringLiteral("6,"));
        keys(form, {"Number(5)", "Operator(1)", "Number(3)", "CancelEntry", "Number(4)", "Percent"});
        QCOMPARE(text(form, "Readout"), QStringLiteral("0,04"));

        // Multiplying by 10^15 until the double range is left: a message, and the operand kept.
        const QStringList fifteenNines(15, QStringLiteral("Number(9)"));
        keys(form, QStringList{"Cancel"} + fifteenNines);
        for (int i = 0; i < 30 && program_->dialogs().messages.size() == 1; ++i)
            keys(form, QStringList{"Operator(2)"} + fifteenNines + QStringList{"Operator(4)"});
        QCOMPARE(program_->dialogs().messages.size(), 2);
        QCOMPARE(program_->dialogs().messages[1].title, QStringLiteral("Calcolatrice"));
        QCOMPARE(program_->dialogs().messages[1].text, QStringLiteral("Il risultato è troppo grande per la calcolatrice"));
        const QString ratesReadout = text(form, "Readout");
        // 9,99999999999985E+299 rounded to what the display holds.
        QCOMPARE(ratesReadout, QStringLiteral("1E+300"));

        // Each screen has a calculator of its own, and the balances one is never reset,
        // not even by a new problem.
        openBalances();
        QCOMPARE(text(forms::balances, "Readout"), QStringLiteral("0,")); // the same decimal comma as the rates screen
        click(forms::balances, "Number(7)");
        click(forms::balances, "CmdNUOVO");
        QCOMPARE(text(forms::balances, "Readout"), QStringLiteral("7,"));
        QCOMPARE(text(form, "Readout"), ratesReadout);
    }

    void balancesScreenAtLoad()
    {
        openBalances();
        QCOMPARE(program_->screen(forms::balances)->windowTitle(), QStringLiteral("Saldo naturale e migratorio"));
        QCOMPARE(program_->screen(forms::balances)->canvas()->size(), Twips::size(12000, 9000));
        QCOMPARE(labels(forms::balances, {"LabPOP", "Labnati", "Labtassonat", "Labtassomort", "Labemig", "Labimmig"}),
                 (QStringList{"90000", "950", "10,6", "10", "300", "800"}));
        QCOMPARE(balancesCounters(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(colours(forms::balances, {"TXTPOP", "Check3(1)"}), (QList<QColor>{lightBlue, lightBlue}));
        QCOMPARE(colourOf(balances("Option3(2)")), QApplication::palette().color(QPalette::Button));
        QCOMPARE(balances<QCheckBox>("Check1(1)")->text(), QStringLiteral("il saldo naturale è fortemente positivo "));
        QCOMPARE(balances<QRadioButton>("Option3(3)")->text(), QStringLiteral("una regione povera, in un paese povero"));

        click(forms::balances, "CmdAIUTO");
        const QStringList lines = program_->dialogs().messages.value(0).text.split(u'\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[2], QStringLiteral("POPOLAZIONE alla FINE dell'anno = popolazione iniziale - morti - emigrati + nati + immigrati"));
        QCOMPARE(lines[6], QStringLiteral("I paesi in rapido sviluppo ricevono molti Immigrati e perdono pochi Emigrati"));
        QCOMPARE(program_->dialogs().messages[0].title, QStringLiteral("Censaria"));
    }

    void balancesCompleteness()
    {
        openBalances();
        answerBalancesRightly();
        balances<QRadioButton>("Option3(0)")->setAutoExclusive(false);
        balances<QRadioButton>("Option3(0)")->setChecked(false);
        click(forms::balances, "AniPushButton1");
        QCOMPARE(program_->dialogs().messageTexts(),
                 QStringList{QStringLiteral("Non hai completato la risposta: manca il tipo di regione («Questi dati sono tipici di:»).")});
        QCOMPARE(program_->screen(forms::balances)->focusWidget(), balances<QRadioButton>("Option3(0)"));
        QCOMPARE(text(forms::balances, "Labcalcgiusti"), QStringLiteral("0"));
        QVERIFY(program_->dialogs().prompts.isEmpty());
    }

    // One check of one set of answers counts once, however often the button is pressed.
    void balancesCheckAgainWithoutChangesCountsNothing()
    {
        openBalances();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        answerBalancesRightly();
        type(forms::balances, "TXTPOP", "90551");             // one away
        balances<QCheckBox>("Check2(1)")->setChecked(true);  // both signs
        balances<QCheckBox>("Check1(4)")->setChecked(false); // two facts of three
        click(forms::balances, "AniPushButton1");
        const QStringList firstCounts = {"4", "2", "6", "1"};
        QCOMPARE(balancesCounters(), firstCounts);
        QCOMPARE(colours(forms::balances, {"TXTPOP", "TXTSNATURALE", "Check2(1)", "Check2(0)", "Check1(4)"}),
                 (QList<QColor>{red, lightBlue, red, lightBlue, red}));
        QCOMPARE(storedCounts({"calcolo Saldi", "saldiSB", "saldi%", "comprensione%"}), (QList<int>{4, 2, 66, 85}));
        const QDateTime firstTime = program_->clock().time;

        program_->clock().time = program_->clock().time.addSecs(60);
        for (int press = 0; press < 10; ++press)
            click(forms::balances, "AniPushButton1");
        QCOMPARE(balancesCounters(), firstCounts);
        QCOMPARE(colours(forms::balances, {"TXTPOP", "Check1(4)"}), (QList<QColor>{red, red}));
        QCOMPARE(stored("calcolo Saldi").toInt(), 4);
        QCOMPARE(stored("data1").toDateTime(), firstTime);
        QCOMPARE(stored("data2").toDateTime(), firstTime);

        // A corrected answer is a new check: counted and recorded, the red marks kept.
        type(forms::balances, "TXTPOP", "90550");
        click(forms::balances, "AniPushButton1");
        QCOMPARE(balancesCounters(), (QStringList{"9", "3", "12", "2"}));
        QCOMPARE(colourOf(balances("TXTPOP")), red);
        QCOMPARE(storedCounts({"calcolo Saldi", "comprensioneSB"}), (QList<int>{9, 2}));
        QCOMPARE(stored("data2").toDateTime(), program_->clock().time);
        QVERIFY(stored("data3").isNull());
        QCOMPARE(program_->dialogs().prompts.size(), 1);
    }

    // The name refused at the first check: pressing again stores the same counts once.
    void balancesCheckAgainAfterARefusedNameRecordsTheSameCounts()
    {
        openBalances();
        answerBalancesRightly();
        click(forms::balances, "AniPushButton1"); // the name question is cancelled
        QCOMPARE(text(forms::balances, "Labcalcgiusti"), QStringLiteral("5"));
        QCOMPARE(stored("calcolo Saldi"), QVariant());
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        click(forms::balances, "AniPushButton1");
        QCOMPARE(balancesCounters(), (QStringList{"5", "0", "7", "0"}));
        QCOMPARE(storedCounts({"calcolo Saldi", "comprensione"}), (QList<int>{5, 7}));
        click(forms::balances, "AniPushButton1");
        QCOMPARE(program_->dialogs().prompts.size(), 2);
        QCOMPARE(stored("calcolo Saldi").toInt(), 5);
    }

    // The red stays on corrected answers (above) until a new exercise clears it with the answers.
    void balancesRedStaysUntilANewExercise()
    {
        openBalances();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        answerBalancesRightly();
        type(forms::balances, "TXTSMIGRATORIO", "-500");
        balances<QCheckBox>("Check1(5)")->setChecked(true);
        click(forms::balances, "AniPushButton1");
        QCOMPARE(colours(forms::balances, {"TXTSMIGRATORIO", "Check1(5)"}), (QList<QColor>{red, red}));

        program_->random().queue(balancesDraws(85000, 3, 1800, 1300, 900, 150, {1800, 1200, 500, 100}, {201, 301, 501, 101}));
        click(forms::balances, "CmdNUOVO");
        QCOMPARE(colours(forms::balances, {"TXTSMIGRATORIO", "Check1(5)"}), (QList<QColor>{lightBlue, QApplication::palette().color(QPalette::Button)}));
        QCOMPARE(balances<QLineEdit>("TXTPOP")->text(), QString());
        QVERIFY(!balances<QRadioButton>("Option3(0)")->isChecked() && !balances<QCheckBox>("Check1(0)")->isChecked());
        QCOMPARE(labels(forms::balances, {"LabPOP", "Labtassonat", "LabcompSB"}), (QStringList{"85000", "21,2", "1"}));
    }
};

QTEST_MAIN(TestExerciseScreens)
#include "tst_exercisescreens.moc"
