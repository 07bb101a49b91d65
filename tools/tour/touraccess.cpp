#include "screenkit/focusring.h"
#include "screenkit/forms.h"
#include "screenkit/clicklabel.h"
#include "tour.h"

#include <QAbstractButton>

namespace censaria::tour {
namespace {

// The type at 150 % for a pupil with low vision, with the focus ring on a menu button,
// then a questionnaire at that size; the size is put back for the steps after.
void tourLargerType(Tour &tour)
{
    TestProgram &program = tour.program();
    Module &module = program.module();
    Screen *menu = module.navigation().show(forms::menu);
    // The menu's entry goes 100 %, 125 %, 150 %, then back to 100 %.
    auto *entry = program.control<ClickLabel>(forms::menu, QStringLiteral("LabTesto"));
    entry->click();
    entry->click();
    auto *button = program.control<QAbstractButton>(forms::menu, QStringLiteral("Cmdfami"));
    button->setFocus();
    menu->findChild<FocusRing *>()->follow(button); // an offscreen window is never active
    tour.save(QStringLiteral("menu-type-150"), menu);

    module.navigation().showQuestionnaire(QStringLiteral("QItalia"));
    tour.save(QStringLiteral("questionnaire-type-150"), forms::questionnaire);
    program.screen(forms::questionnaire)->hide();
    entry->click();
}

const bool registered = addTourStep(90, "larger type", &tourLargerType);

} // namespace
} // namespace censaria::tour
