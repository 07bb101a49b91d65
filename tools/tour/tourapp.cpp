#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "platform/qtplatform.h"
#include "tour.h"

#include <QInputDialog>
#include <QLabel>

namespace censaria::tour {

namespace {

void tourApp(Tour &tour)
{
    TestProgram &program = tour.program();
    tour.save(QStringLiteral("menu"), forms::menu);

    for (const char *name : {"ROSSI MARIO", "BIANCHI GIULIA", "D'ANGELO LUCA", "ESPOSITO ANNA", "RUSSO FRANCESCO"})
        program.module().dbrisultati().writeResult(QStringLiteral("questionari"), QString::fromUtf8(name), {{2, 8}});
    program.control<ClickLabel>(forms::menu, QStringLiteral("LabNOMI"))->click();
    tour.save(QStringLiteral("menu-names"), forms::menu);

    std::unique_ptr<QInputDialog> question(
        QtDialogs::makeInputDialog(QStringLiteral("Scrivi qui PRIMA il COGNOME, poi il tuo Nome"), forms::programTitle, nullptr));
    tour.save(QStringLiteral("name-question"), program.screen(forms::menu), question.get());
}

const bool registered = addTourStep(10, "app", &tourApp);

} // namespace
} // namespace censaria::tour
