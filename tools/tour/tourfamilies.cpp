#include "app/forms.h"
#include "tour.h"

#include <QMessageBox>
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
        const RecordedMessage &introduction = program.dialogs().messages.at(before);
        QMessageBox box(QMessageBox::NoIcon, introduction.title, introduction.text, QMessageBox::Ok);
        box.show(); // lays the text out as the real message does
        tour.save(QStringLiteral("families-introduction"), families, &box);
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
