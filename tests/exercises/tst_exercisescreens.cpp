#include "exercisefixture.h"
#include "exercises/calculatorengine.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace censaria;

namespace {

const QColor orange(255, 192, 128);

QColor colourOf(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) ? control->palette().color(QPalette::Base)
                                                    : control->palette().color(control->backgroundRole());
}

} // namespace

class TestExerciseScreens : public ExerciseFixture
{
    Q_OBJECT

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
    StandInResults *results() { return static_cast<StandInResults *>(program_->screen(forms::results)); }

    void answerBalancesRightly()
    {
        type(forms::balances, "TXTPOP", "90550");
        type(forms::balances, "TXTSNATURALE", "50");
        type(forms::balances, "TXTSMIGRATORIO", "500");
        for (const char *box : {"Check2(0)", "Check3(0)", "Check1(0)", "Check1(2)", "Check1(4)"})
            in<QCheckBox>(forms::balances, box)->setChecked(true);
        in<QRadioButton>(forms::balances, "Option3(0)")->setChecked(true);
    }

private slots:
    void ratesCorrectionPaintsCountsAndRecords()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("rossi  mario"));
        // Wrong: deaths, final population 2 (thousands points); right within one: births, the rest.
        // The colours, counters and the locked button are in the snapshot Fesercizi-corretto.
        typeRates({"41", "6", "-20", "1980", "12", "8", "15", "5.015"});
        click(forms::rates, "CMDRISULT");
        QCOMPARE(storedCounts({"calcolo Tassi", "tassiSB", "tassi%"}), (QList<int>{6, 2, 75}));
        QCOMPARE(stored("data3").toDateTime(), program_->clock().time);
        QVERIFY(stored("data1").isNull());

        // A new situation keeps the totals; the second correction adds to them.
        program_->random().queue(ratesDraws(3, 10, 10, 4, 25, 20, 5, 8));
        click(forms::rates, "CmdNUOVO");
        QVERIFY(in(forms::rates, "CMDRISULT")->isEnabled());
        QCOMPARE(ratesCounters(), (QStringList{"", "", "6", "2"}));
        QCOMPARE(in<QLineEdit>(forms::rates, "txtmorti")->text(), QString());
        QCOMPARE(colourOf(in(forms::rates, "txtmorti")), orange);
        QCOMPARE(labels(forms::rates, {"Labtassomort", "Lab1morti"}), (QStringList{"10", "80"}));
        typeRates({"30", "30", "0", "3000", "25", "20", "20", "4020"});
        click(forms::rates, "CMDRISULT");
        QCOMPARE(ratesCounters(), (QStringList{"8", "0", "14", "2"}));
        QCOMPARE(storedCounts({"calcolo Tassi", "tassi%"}), (QList<int>{14, 87}));
        QCOMPARE(program_->dialogs().prompts.size(), 1);
    }

    // The roads to the results are walked on the real screens; here, who asks the name
    // before the results are refreshed.
    void onlyTheRatesAskTheNameBeforeTheResults()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("rossi mario"));
        click(forms::rates, "Cmdarchivio");
        QCOMPARE(results()->namesAtRefresh, QStringList{QStringLiteral("ROSSI MARIO")});

        init(); // a program started afresh
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
                QTest::newRow(qPrintable(QStringLiteral("%1 %2x%3").arg(form).arg(display.width()).arg(display.height()))) << display << form;
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

    // The calculator from the keyboard, on both screens.
    void calculatorTakesTheKeyboard_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("rates") << forms::rates;
        QTest::newRow("balances") << forms::balances;
    }

    void calculatorTakesTheKeyboard()
    {
        QFETCH(QString, form);
        in<QPushButton>(forms::menu, form == forms::rates ? QStringLiteral("cmdesdin") : QStringLiteral("Cmdesercizi1"))->click();
        auto *panel = in(form, QStringLiteral("Frame3"));
        panel->setFocus();
        const auto readout = [&] { return text(form, "Readout"); };
        QTest::keyClicks(panel, QStringLiteral("12+30="));
        QCOMPARE(readout(), QStringLiteral("42"));
        QTest::keyClicks(panel, QStringLiteral("7*2"));
        QTest::keyClick(panel, Qt::Key_Return);
        QCOMPARE(readout(), QStringLiteral("14"));
        QTest::keyClicks(panel, QStringLiteral("45/5"));
        QTest::keyClick(panel, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(readout(), QStringLiteral("9"));
        // Both the comma and the point are the decimal key.
        QTest::keyClicks(panel, QStringLiteral("7,5"));
        QCOMPARE(readout(), QStringLiteral("7,5"));
        QTest::keyClicks(panel, QStringLiteral("+9.25"));
        QCOMPARE(readout(), QStringLiteral("9,25"));
        QTest::keyClick(panel, Qt::Key_Escape);
        QTest::keyClicks(panel, QStringLiteral("50%"));
        QCOMPARE(readout(), QStringLiteral("0,5"));
        QTest::keyClick(panel, Qt::Key_Escape);
        QTest::keyClicks(panel, QStringLiteral("8-3"));
        QTest::keyClick(panel, Qt::Key_Backspace); // the 3 goes: 8 - 4 = 4
        QCOMPARE(readout(), QStringLiteral("0,"));
        QTest::keyClicks(panel, QStringLiteral("4="));
        QCOMPARE(readout(), QStringLiteral("4"));
        QTest::keyClicks(panel, QStringLiteral("6x7="));
        QCOMPARE(readout(), QStringLiteral("42"));
        // Esc clears the calculator and leaves the pupil on the exercise.
        QTest::keyClicks(panel, QStringLiteral("5+"));
        QTest::keyClick(panel, Qt::Key_Escape);
        QCOMPARE(readout(), QStringLiteral("0,"));
        QCOMPARE(program_->visibleScreens(), QStringList{form});
        // Letters and keys with Ctrl press nothing.
        QTest::keyClick(panel, Qt::Key_A);
        QTest::keyClick(panel, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(readout(), QStringLiteral("0,"));
        // A key clicked with the mouse leaves the keyboard on the calculator.
        in<QLineEdit>(form, form == forms::rates ? QStringLiteral("txtnati") : QStringLiteral("TXTPOP"))->setFocus();
        QTest::mouseClick(in<QPushButton>(form, QStringLiteral("Number(3)")), Qt::LeftButton);
        QCOMPARE(program_->screen(form)->focusWidget(), panel);
        QTest::keyClicks(panel, QStringLiteral("1"));
        QCOMPARE(readout(), QStringLiteral("31,"));
    }
};

QTEST_MAIN(TestExerciseScreens)
#include "tst_exercisescreens.moc"
