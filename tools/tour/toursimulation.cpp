#include "screenkit/forms.h"
#include "tour.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace censaria::tour {
namespace {

void type(TestProgram &program, const char *box, const QString &text)
{
    program.control<QLineEdit>(forms::simulation, QString::fromUtf8(box))->setText(text);
}

void press(TestProgram &program, const char *button, int times = 1)
{
    auto *b = program.control<QAbstractButton>(forms::simulation, QString::fromUtf8(button));
    for (int i = 0; i < times; ++i)
        b->click();
}

void startScenario(TestProgram &program, const QString &year, const QString &population, const QString &births, const QString &deaths)
{
    press(program, "CmdNUOVO");
    type(program, "Text1", year);
    type(program, "txtpopiniziale", population);
    type(program, "txtnatal", births);
    type(program, "Txtmortal", deaths);
}

void tourSimulation(Tour &tour)
{
    TestProgram &program = tour.program();
    program.module().navigation().show(forms::menu);
    program.control<QAbstractButton>(forms::menu, QStringLiteral("Cmddinamiche"))->click();
    tour.save(QStringLiteral("simulation-fresh"), forms::simulation);

    startScenario(program, QStringLiteral("2000"), QStringLiteral("57 600 000"), QStringLiteral("9.4"), QStringLiteral("9.7"));
    press(program, "cmdcalcola", 10);
    tour.save(QStringLiteral("simulation-italy-2010"), forms::simulation);

    startScenario(program, QStringLiteral("1640"), QStringLiteral("1 500 000"), QStringLiteral("31"), QStringLiteral("27"));
    press(program, "cmdcalcola", 9); // up to 1649
    type(program, "Txtmortal", QStringLiteral("135"));
    press(program, "cmdcalcola"); // the one year of the mortality crisis
    type(program, "Txtmortal", QStringLiteral("27"));
    press(program, "cmdcalcola", 30);
    tour.save(QStringLiteral("simulation-1640-crisis"), forms::simulation);

    press(program, "cmdcalcola", 59); // 98 years computed, then the hundredth press
    tour.saveLastMessage(QStringLiteral("simulation-hundredth-year"), program.screen(forms::simulation));

    startScenario(program, QStringLiteral("1997"), QString(), QStringLiteral("21.6"), QStringLiteral("5.3"));
    press(program, "cmdcalcola");
    tour.saveLastMessage(QStringLiteral("simulation-missing-data"), program.screen(forms::simulation));

    startScenario(program, QStringLiteral("2000"), QStringLiteral("-5000"), QStringLiteral("200"), QStringLiteral("9.7"));
    press(program, "cmdcalcola");
    tour.saveLastMessage(QStringLiteral("simulation-refused-population"), program.screen(forms::simulation));

    // Algeria 1997 outgrows 1,2 times its start: the axis widens to keep the line inside.
    startScenario(program, QStringLiteral("1997"), QStringLiteral("29 650 000"), QStringLiteral("21.6"), QStringLiteral("5.3"));
    press(program, "cmdcalcola", 40);
    tour.save(QStringLiteral("simulation-algeria-2037"), forms::simulation);

    program.control<QAbstractButton>(forms::simulation, QStringLiteral("Cmdmenù"))->click();
}

const bool registered = addTourStep(60, "simulation", &tourSimulation);

} // namespace
} // namespace censaria::tour
