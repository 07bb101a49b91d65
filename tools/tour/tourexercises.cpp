#include "screenkit/forms.h"
#include "tour.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace censaria::tour {
namespace {

void click(TestProgram &program, const QString &form, const QString &name)
{
    if (auto *button = program.control<QAbstractButton>(form, name))
        button->click();
}

void type(TestProgram &program, const QString &form, const QString &name, const QString &text)
{
    if (auto *box = program.control<QLineEdit>(form, name))
        box->setText(text);
}

void tick(TestProgram &program, const QString &form, const QString &name)
{
    if (auto *box = program.control<QAbstractButton>(form, name))
        box->setChecked(true);
}

void tourRates(Tour &tour)
{
    TestProgram &program = tour.program();
    const QString form = forms::rates;
    program.module().navigation().show(forms::menu);
    click(program, forms::menu, QStringLiteral("cmdesdin"));
    tour.save(QStringLiteral("rates"), form);

    // Work out 1 / 3 on the calculator, then answer with some mistakes.
    for (const char *key : {"Number(1)", "Operator(0)", "Number(3)", "Operator(4)"})
        click(program, form, QString::fromLatin1(key));
    const QStringList boxes = {QStringLiteral("txtnati"),    QStringLiteral("txtmorti"),   QStringLiteral("Txtsaldo"),
                               QStringLiteral("Txtpopfine"), QStringLiteral("Txt1nati"),   QStringLiteral("txt1morti"),
                               QStringLiteral("txt1saldo"),  QStringLiteral("txt1popfine")};
    // The first problem worked out right but for the final population, the second left half done.
    const auto shown = [&](const char *name) { return program.control<QLabel>(form, QString::fromLatin1(name))->text().toLongLong(); };
    const qint64 born = shown("labpopiniz") / 1000 * shown("Labtassonat");
    const qint64 dead = shown("labpopiniz") / 1000 * shown("Labtassomort");
    const QStringList answers = {QString::number(born),
                                 QString::number(dead),
                                 QString::number(born - dead),
                                 QString::number(shown("labpopiniz") + born),
                                 QString::number(shown("Lab1nati") * 1000 / shown("Lab1popinizio")),
                                 QStringLiteral("9"),
                                 QString::number(shown("Lab1nati") - shown("Lab1morti")),
                                 QStringLiteral("12.345")};
    for (int i = 0; i < boxes.size(); ++i)
        type(program, form, boxes[i], answers[i]);
    program.dialogs().queueAnswer(QStringLiteral("Rossi Mario"));
    click(program, form, QStringLiteral("CMDRISULT"));
    tour.save(QStringLiteral("rates-corrected"), form);
    // The solution of the first wrong box, with its formula, in place of the picture.
    click(program, form, QStringLiteral("CmdSOLUZIONE"));
    tour.save(QStringLiteral("rates-solution"), form);

    click(program, form, QStringLiteral("Cmdhelp2"));
    tour.save(QStringLiteral("rates-help"), form);
    click(program, form, QStringLiteral("cmdok"));

    click(program, form, QStringLiteral("Cancel"));
    for (const char *key : {"Number(6)", "Operator(0)", "Number(0)", "Operator(4)"})
        click(program, form, QString::fromLatin1(key));
    tour.saveLastMessage(QStringLiteral("rates-division-by-zero"), program.screen(form));
    click(program, form, QStringLiteral("cmdmenu"));
}

void tourBalances(Tour &tour)
{
    TestProgram &program = tour.program();
    const QString form = forms::balances;
    click(program, forms::menu, QStringLiteral("Cmdesercizi1"));
    tour.save(QStringLiteral("balances"), form);

    type(program, form, QStringLiteral("TXTSNATURALE"), QStringLiteral("120"));
    type(program, form, QStringLiteral("TXTSMIGRATORIO"), QStringLiteral("-300"));
    type(program, form, QStringLiteral("TXTPOP"), QStringLiteral("90000"));
    for (const char *name : {"Check2(0)", "Check3(1)", "Option3(2)", "Check1(1)", "Check1(2)", "Check1(5)"})
        tick(program, form, QString::fromLatin1(name));
    click(program, form, QStringLiteral("AniPushButton1"));
    tour.save(QStringLiteral("balances-checked"), form);
    click(program, form, QStringLiteral("CmdSOLUZIONE"));
    tour.save(QStringLiteral("balances-solution"), form);

    click(program, form, QStringLiteral("CmdAIUTO"));
    tour.saveLastMessage(QStringLiteral("balances-help"), program.screen(form));

    click(program, form, QStringLiteral("CmdNUOVO"));
    click(program, form, QStringLiteral("AniPushButton1"));
    tour.saveLastMessage(QStringLiteral("balances-incomplete"), program.screen(form));
    click(program, form, QStringLiteral("cmdmenu"));
}

const bool ratesRegistered = addTourStep(50, "rates exercise", &tourRates);
const bool balancesRegistered = addTourStep(51, "balances exercise", &tourBalances);

} // namespace
} // namespace censaria::tour
