// Corrections that teach: a tick or a cross beside the red, the solution of a wrong
// answer on request with its formula, and the calculator and checks from the keyboard.
#include "exercisefixture.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace censaria;

class TestExerciseFeedback : public ExerciseFixture
{
    Q_OBJECT

    // The badge a box shows beside its colour; empty when there is none.
    QString badge(const QString &form, const QString &box)
    {
        auto *mark = in<QLineEdit>(form, box)->findChild<QLabel *>(QStringLiteral("verdict"));
        return mark && !mark->isHidden() ? mark->text() : QString();
    }
    void answerBalances(const QString &pop)
    {
        type(forms::balances, "TXTPOP", pop);
        type(forms::balances, "TXTSNATURALE", "50");
        type(forms::balances, "TXTSMIGRATORIO", "500");
        for (const char *box : {"Check2(0)", "Check3(1)", "Check1(0)", "Check1(2)", "Check1(4)"})
            in<QCheckBox>(forms::balances, box)->setChecked(true);
        in<QRadioButton>(forms::balances, "Option3(0)")->setChecked(true);
    }

private slots:
    void init() { start(); }
    void cleanup() { program_.reset(); }

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

    void ratesVerdictsAndSolutions()
    {
        openRates();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        // 61 deaths is within one, so right; wrong are the balance and the birth rate.
        typeRates({"40", "61", "20", "1980", "14", "9", "15", "5015"});
        in<QPushButton>(forms::rates, QStringLiteral("CMDRISULT"))->click();
        QCOMPARE(text(forms::rates, "Label2"), QStringLiteral("6"));
        QCOMPARE(badge(forms::rates, "Txtsaldo"), QStringLiteral("✗"));
        QCOMPARE(badge(forms::rates, "Txt1nati"), QStringLiteral("✗"));
        QCOMPARE(badge(forms::rates, "txtmorti"), QStringLiteral("✓"));
        QCOMPARE(in(forms::rates, QStringLiteral("Txtsaldo"))->accessibleDescription(), QStringLiteral("sbagliato"));
        QCOMPARE(in(forms::rates, QStringLiteral("txtnati"))->accessibleDescription(), QStringLiteral("giusto"));

        // The box with the focus first, then round the wrong ones in reading order.
        auto *show = in<QPushButton>(forms::rates, QStringLiteral("CmdSOLUZIONE"));
        QVERIFY(show->isVisible());
        QVERIFY(!in(forms::rates, QStringLiteral("Image2"))->isVisible());
        in<QLineEdit>(forms::rates, QStringLiteral("Txt1nati"))->setFocus();
        show->click();
        auto *panel = in<QLabel>(forms::rates, QStringLiteral("solution"));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->text(), QStringLiteral("Tasso di natalità/1000: la soluzione è 12\n"
                                               "Tasso di natalità = numero di nati x 1000 / popolazione iniziale\n= 60 x 1000 / 5000 = 12"));
        show->click();
        QCOMPARE(panel->text(), QStringLiteral("Saldo naturale: la soluzione è -20\n"
                                               "Saldo naturale = numero di nati - numero di morti\n= 40 - 60 = -20"));
        QCOMPARE(in(forms::rates, QStringLiteral("Txtsaldo"))->accessibleDescription(), QStringLiteral("sbagliato: la soluzione è -20"));
        // Looking changes neither the counts nor the archive.
        QCOMPARE(labels(forms::rates, {"Label2", "Label4"}), (QStringList{"6", "6"}));
        QCOMPARE(stored("calcolo Tassi").toInt(), 6);
        QCOMPARE(stored("tassiSB").toInt(), 2);

        in<QPushButton>(forms::rates, QStringLiteral("CmdNUOVO"))->click();
        QCOMPARE(badge(forms::rates, "Txtsaldo"), QString());
        QVERIFY(!show->isVisible());
        QVERIFY(!panel->isVisible());
        QVERIFY(in(forms::rates, QStringLiteral("Image2"))->isVisible());
    }

    // A number whose solution was shown counts wrong at the next check, though now right.
    void balancesSolutionNoLongerCountsRight()
    {
        openBalances();
        program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        answerBalances(QStringLiteral("90000"));
        auto *check = in<QPushButton>(forms::balances, QStringLiteral("AniPushButton1"));
        check->click();
        // Wrong: the population and the migration sign.
        QCOMPARE(labels(forms::balances, {"Labcalcgiusti", "LabcalcSB"}), (QStringList{"3", "2"}));
        QCOMPARE(badge(forms::balances, "TXTPOP"), QStringLiteral("✗"));
        QCOMPARE(badge(forms::balances, "TXTSNATURALE"), QStringLiteral("✓"));
        QVERIFY(!in<QCheckBox>(forms::balances, QStringLiteral("Check3(1)"))->icon().isNull());
        QCOMPARE(in(forms::balances, QStringLiteral("Check3(1)"))->accessibleDescription(), QStringLiteral("sbagliato"));
        QCOMPARE(in(forms::balances, QStringLiteral("Check2(0)"))->accessibleDescription(), QStringLiteral("giusto"));
        QVERIFY(in<QCheckBox>(forms::balances, QStringLiteral("Check2(1)"))->icon().isNull());

        in<QPushButton>(forms::balances, QStringLiteral("CmdSOLUZIONE"))->click();
        QCOMPARE(in<QLabel>(forms::balances, QStringLiteral("solution"))->text(),
                 QStringLiteral("Popolazione alla fine dell'anno: la soluzione è 90550\n"
                                "POPOLAZIONE alla FINE dell'anno = popolazione iniziale - morti - emigrati + nati + immigrati\n"
                                "= 90000 - 900 - 300 + 950 + 800 = 90550"));
        QCOMPARE(text(forms::balances, "LabcalcSB"), QStringLiteral("2"));
        QCOMPARE(stored("saldiSB").toInt(), 2);

        // Copied from the solution: judged again, it is not a right answer.
        in<QLineEdit>(forms::balances, QStringLiteral("TXTPOP"))->setText(QStringLiteral("90550"));
        in<QCheckBox>(forms::balances, QStringLiteral("Check3(1)"))->setChecked(false);
        in<QCheckBox>(forms::balances, QStringLiteral("Check3(0)"))->setChecked(true);
        check->click();
        QCOMPARE(labels(forms::balances, {"Labcalcgiusti", "LabcalcSB"}), (QStringList{"7", "3"}));
        QCOMPARE(stored("calcolo Saldi").toInt(), 7);
    }
};

QTEST_MAIN(TestExerciseFeedback)
#include "tst_exercisefeedback.moc"
