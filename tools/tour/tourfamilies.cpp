#include "screenkit/forms.h"
#include "tour.h"

#include <QPushButton>

namespace censaria::tour {
namespace {

void tourFamilies(Tour &tour)
{
    TestProgram &program = tour.program();
    auto press = [&program](const char *name) { program.control<QPushButton>(forms::families, QString::fromUtf8(name))->click(); };

    program.module().navigation().show(forms::menu);
    const qsizetype before = program.dialogs().messages.size();
    program.control<QPushButton>(forms::menu, QStringLiteral("Cmdfami"))->click();
    Screen *families = program.screen(forms::families);
    if (program.dialogs().messages.size() > before) {
        tour.saveMessage(QStringLiteral("families-introduction"), families, program.dialogs().messages.at(before));
    }
    tour.save(QStringLiteral("families-traditional-1"), families);
    press("CmdAVANTI");
    tour.save(QStringLiteral("families-traditional-2"), families);
    press("Cmdmod");
    press("CmdAVANTI");
    press("CmdAVANTI");
    press("CmdAVANTI");
    tour.save(QStringLiteral("families-modern-4"), families);
    press("Cmdmenù");
}

const bool registered = addTourStep(80, "families", &tourFamilies);

} // namespace
} // namespace censaria::tour
