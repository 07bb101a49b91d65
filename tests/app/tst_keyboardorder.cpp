// The keyboard on the screens: Enter presses every button and runs the check from an
// answer box. The road of the Tab key on each screen, once round every control a pupil
// can reach, and where the focus is when it opens, are in the screens' snapshots.
#include "programtest.h"
#include "snapshot.h"

#include <QSignalSpy>

using namespace censaria;

class TestKeyboardOrder : public ProgramTest
{
    Q_OBJECT

    // A name ready for the questionnaire's question.
    void beforeStart() override { program_->dialogs().queueAnswer(QStringLiteral("Rossi Mario")); }

private slots:
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
        Screen *screen = nullptr;
        if (form == forms::classRegister) {
            program_->dialogs().passwords = {QStringLiteral("segreto-1"), QStringLiteral("segreto-1")};
            program_->module().navigation().openGuarded(program_->open(forms::results), forms::classRegister);
            screen = program_->screen(forms::classRegister);
        } else {
            screen = program_->open(form);
        }
        QVERIFY(screen && screen->isVisible());
        // Push buttons, tick and option boxes, and the labels that act as buttons.
        QList<QWidget *> buttons;
        for (QWidget *control : screen->canvas()->findChildren<QWidget *>())
            if ((qobject_cast<QAbstractButton *>(control) || qobject_cast<ClickLabel *>(control)) && control->isVisible() && control->isEnabled()
                && (control->focusPolicy() & Qt::TabFocus))
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
            QVERIFY2(clicks->size() == 2, qPrintable(form + u'/' + snapshot::controlName(button)));
        }
    }

    // Enter in an answer box presses the screen's check or compute button.
    void enterInAnAnswerBoxRunsTheCheck()
    {
        program_->open(forms::rates);
        auto *box = program_->control<QLineEdit>(forms::rates, QStringLiteral("txtnati"));
        box->setText(QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(program_->dialogs().messages.size(), 1);
        QCOMPARE(program_->dialogs().messages.last().text,
                 QStringLiteral("Devi completare la risposta...\nSono vuote le caselle «Numero di morti», «Saldo naturale» e "
                                "«Popolazione finale» del primo esercizio."));
        QCOMPARE(box->text(), QStringLiteral("12"));
        program_->open(forms::balances);
        QTest::keyClick(program_->control<QLineEdit>(forms::balances, QStringLiteral("TXTPOP")), Qt::Key_Return);
        QVERIFY(program_->dialogs().messages.last().text.startsWith(
            QStringLiteral("Non hai completato la risposta: mancano il saldo naturale, il segno del saldo naturale, ")));

        program_->open(forms::simulation);
        QLineEdit *last = nullptr;
        for (const auto &[name, typed] : {std::pair{"Text1", "2000"}, {"txtpopiniziale", "57600000"}, {"txtnatal", "9"}, {"Txtmortal", "10"}})
            (last = program_->control<QLineEdit>(forms::simulation, QString::fromUtf8(name)))->setText(QString::fromUtf8(typed));
        QTest::keyClick(last, Qt::Key_Enter);
        QCOMPARE(program_->text(forms::simulation, QStringLiteral("labrisult")), QStringLiteral("57\u00a0542\u00a0400"));
    }
};

QTEST_MAIN(TestKeyboardOrder)
#include "tst_keyboardorder.moc"
