// The Tab key on the screens: reading order, answers before the buttons acting on them,
// every control reachable once, and the focus on the first answer when a screen opens.
#include "screentest.h"

#include <QSignalSpy>

using namespace censaria;

namespace {

QString nameOf(const QWidget *w)
{
    // The edit field inside a combo box stands for the combo box.
    while (w && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
        w = w->parentWidget();
    return w ? TestProgram::nameOf(w) : QStringLiteral("?");
}

// The controls the Tab key visits, starting from the one with the focus, once round.
QStringList tabWalk(Screen *screen)
{
    QStringList names;
    QWidget *start = screen->focusWidget();
    QWidget *at = start;
    while (at && names.size() < 100) {
        names << nameOf(at);
        QTest::keyClick(at, Qt::Key_Tab);
        at = screen->focusWidget();
        if (at == start)
            break;
    }
    return names;
}

// Every control a pupil could reach now, in no particular order.
QStringList reachable(Screen *screen)
{
    QStringList names;
    for (QWidget *w : screen->canvas()->findChildren<QWidget *>())
        if (w->isVisibleTo(screen) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            names << nameOf(w);
    return names;
}

} // namespace

class TestKeyboardOrder : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsReachedOnce_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : pupilForms)
            QTest::newRow(qPrintable(form)) << form;
    }

    void everyControlIsReachedOnce()
    {
        QFETCH(QString, form);
        TestProgram program;
        QVERIFY(program.start());
        Screen *screen = program.open(form);
        if (!screen->focusWidget())
            QTest::keyClick(screen, Qt::Key_Tab);
        QStringList walk = tabWalk(screen);
        QStringList all = reachable(screen);
        QCOMPARE(walk.size(), QSet<QString>(walk.cbegin(), walk.cend()).size());
        walk.sort();
        all.sort();
        QCOMPARE(walk, all);
    }

    void simulationGoesDownTheDataThenTheButtons()
    {
        TestProgram program;
        QVERIFY(program.start());
        Screen *screen = program.open(forms::simulation);
        QCOMPARE(nameOf(screen->focusWidget()), QStringLiteral("Text1"));
        QCOMPARE(tabWalk(screen), (QStringList{"Text1", "txtpopiniziale", "txtnatal", "Txtmortal", "cmdcalcola", "CmdNUOVO",
                                               "Cmdesercitazione", "Cmdtorno", "Cmdmenù", "Cmdesco"}));
    }

    void ratesExerciseTakesOneProblemAfterTheOther()
    {
        TestProgram program;
        QVERIFY(program.start());
        Screen *screen = program.open(forms::rates);
        QCOMPARE(nameOf(screen->focusWidget()), QStringLiteral("txtnati"));
        QCOMPARE(tabWalk(screen), (QStringList{"txtnati", "txtmorti", "Txtsaldo", "Txtpopfine", "Cmdhelp1", "Txt1nati", "txt1morti",
                                               "txt1saldo", "txt1popfine", "Cmdhelp2", "Frame3", "CMDRISULT", "CmdNUOVO", "printSheetButton",
                                               "Cmdarchivio", "Cmdtorno", "cmdmenu", "Cmdfine"}));

        // Over the help only its OK, the buttons below and the calculator are left.
        program.click(forms::rates, QStringLiteral("Cmdhelp2"));
        QCOMPARE(nameOf(screen->focusWidget()), QStringLiteral("cmdok"));
        QCOMPARE(tabWalk(screen),
                 (QStringList{"cmdok", "CMDRISULT", "CmdNUOVO", "printSheetButton", "Cmdarchivio", "Cmdtorno", "cmdmenu", "Cmdfine", "Frame3"}));
    }

    void questionnaireGoesRowByRowBeforeTheButtons()
    {
        TestProgram program;
        QVERIFY(program.start());
        Screen *screen = program.module().navigation().show(forms::questionnaire); // no topic chosen yet
        QCOMPARE(nameOf(screen->focusWidget()), QStringLiteral("Check1[0]"));
        screen->findChild<QWidget *>(QStringLiteral("Combo1"))->setFocus();
        const QStringList walk = tabWalk(screen);
        QStringList rows{"Combo1"};
        for (int row = 0; row < 10; ++row)
            rows << QStringLiteral("Check1[%1]").arg(row) << QStringLiteral("Check2[%1]").arg(row);
        QCOMPARE(walk.mid(0, rows.size()), rows);
        // RISULTATO and the archive wait for the answers; the way out is always there.
        QCOMPARE(walk.mid(rows.size()), (QStringList{"Cmdtorno", "Cmdmenù", "Cmduscita"}));
    }

    void resultsAreUsedFromTheKeyboard()
    {
        TestProgram program;
        program.dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        QVERIFY(program.start());
        program.click(forms::menu, QStringLiteral("Cmdarchivio"));
        Screen *screen = program.screen(forms::results);
        QCOMPARE(nameOf(screen->focusWidget()), QStringLiteral("Text2"));
        QCOMPARE(tabWalk(screen), (QStringList{"Text2", "Text1", "LabCERCA", "Labtorna", "Labmenù", "Labaiuto", "LabEXPORT",
                                               "LabSTAMPA", "LabREGISTRO", "Labesci"}));

        // The labels that act as buttons are pressed with Space or Enter.
        auto *help = program.control<ClickLabel>(forms::results, QStringLiteral("Labaiuto"));
        const qsizetype shown = program.dialogs().messages.size();
        QTest::keyClick(help, Qt::Key_Space);
        QCOMPARE(program.dialogs().messages.size(), shown + 1);
        QTest::keyClick(help, Qt::Key_A);
        QCOMPARE(program.dialogs().messages.size(), shown + 1);
        QTest::keyClick(program.control<ClickLabel>(forms::results, QStringLiteral("Labtorna")), Qt::Key_Return);
        QCOMPARE(program.visibleScreens(), QStringList{forms::menu});
    }

    // Enter (and the keypad's Enter) presses the focused button of every screen, the
    // register's too, as Space does. What each button does is tried elsewhere: here its
    // clicks are only counted.
    void enterPressesEveryButton_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : pupilForms + QStringList{forms::classRegister})
            QTest::newRow(qPrintable(form)) << form;
    }

    void enterPressesEveryButton()
    {
        QFETCH(QString, form);
        TestProgram program;
        program.dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
        QVERIFY(program.start());
        Screen *screen = nullptr;
        if (form == forms::classRegister) {
            program.dialogs().passwords = {QStringLiteral("segreto-1"), QStringLiteral("segreto-1")};
            program.module().navigation().openGuarded(program.open(forms::results), forms::classRegister);
            screen = program.screen(forms::classRegister);
        } else {
            screen = program.open(form);
        }
        QVERIFY(screen && screen->isVisible());
        // Push buttons, tick and option boxes, and the labels that act as buttons.
        QList<QWidget *> buttons;
        for (QWidget *control : screen->canvas()->findChildren<QWidget *>())
            if ((qobject_cast<QAbstractButton *>(control) || qobject_cast<ClickLabel *>(control)) && control->isVisible()
                && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus))
                buttons << control;
        QVERIFY(buttons.size() >= 3);
        for (QWidget *button : buttons) {
            std::unique_ptr<QSignalSpy> clicks;
            if (auto *push = qobject_cast<QAbstractButton *>(button)) {
                QObject::disconnect(push, &QAbstractButton::clicked, nullptr, nullptr);
                clicks = std::make_unique<QSignalSpy>(push, &QAbstractButton::clicked);
            } else {
                auto *label = static_cast<ClickLabel *>(button);
                QObject::disconnect(label, &ClickLabel::clicked, nullptr, nullptr);
                clicks = std::make_unique<QSignalSpy>(label, &ClickLabel::clicked);
            }
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY2(clicks->size() == 2, qPrintable(form + u'/' + nameOf(button)));
        }
    }

    // Enter in an answer box presses the screen's check or compute button.
    void enterInAnAnswerBoxRunsTheCheck()
    {
        TestProgram program;
        QVERIFY(program.start());
        program.open(forms::rates);
        auto *box = program.control<QLineEdit>(forms::rates, QStringLiteral("txtnati"));
        box->setText(QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(program.dialogs().messages.size(), 1);
        QCOMPARE(program.dialogs().messages.last().text,
                 QStringLiteral("Devi completare la risposta...\nSono vuote le caselle «Numero di morti», «Saldo naturale» e "
                                "«Popolazione finale» del primo esercizio."));
        QCOMPARE(box->text(), QStringLiteral("12"));
        program.open(forms::balances);
        QTest::keyClick(program.control<QLineEdit>(forms::balances, QStringLiteral("TXTPOP")), Qt::Key_Return);
        QVERIFY(program.dialogs().messages.last().text.startsWith(
            QStringLiteral("Non hai completato la risposta: mancano il saldo naturale, il segno del saldo naturale, ")));

        program.open(forms::simulation);
        QLineEdit *last = nullptr;
        for (const auto &[name, typed] : {std::pair{"Text1", "2000"}, {"txtpopiniziale", "57600000"}, {"txtnatal", "9"}, {"Txtmortal", "10"}})
            (last = program.control<QLineEdit>(forms::simulation, QString::fromUtf8(name)))->setText(QString::fromUtf8(typed));
        QTest::keyClick(last, Qt::Key_Enter);
        QCOMPARE(program.text(forms::simulation, QStringLiteral("labrisult")), QStringLiteral("57\u00a0542\u00a0400"));
    }
};

QTEST_MAIN(TestKeyboardOrder)
#include "tst_keyboardorder.moc"
