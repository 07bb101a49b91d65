#include "screenkit/forms.h"
#include "tour.h"

#include <QPushButton>

namespace censaria::tour {
namespace {

void tourPyramids(Tour &tour)
{
    TestProgram &program = tour.program();
    auto press = [&program](const char *name) { program.control<QPushButton>(forms::pyramids, QString::fromUtf8(name))->click(); };

    program.module().navigation().show(forms::menu);
    program.control<QPushButton>(forms::menu, QStringLiteral("Cmdpiram"))->click();
    tour.save(QStringLiteral("pyramids-italy"), forms::pyramids);
    press("cmdalgeria");
    tour.save(QStringLiteral("pyramids-algeria"), forms::pyramids);
    press("cmdUSA");
    tour.save(QStringLiteral("pyramids-usa"), forms::pyramids);
    press("CmdITALIA");
    for (int i = 0; i < 4; ++i)
        press("CmdNUOVO");
    tour.save(QStringLiteral("pyramids-italy-after-20-years"), forms::pyramids);
    press("Cmdmenù");
}

const bool registered = addTourStep(70, "pyramids", &tourPyramids);

} // namespace
} // namespace censaria::tour
