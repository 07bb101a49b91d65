#include "platform/pageddocument.h"
#include "questionnaires/questionbanks.h"
#include "questionnaires/questionnairesheet.h"
#include "exercises/exercisesheets.h"
#include "screenkit/forms.h"
#include "tour.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace censaria::tour {
namespace {

// The figure of a screen over the whole display, as the class sees it.
void saveFullScreen(Tour &tour, const QString &name, const QString &formName, const QString &figure)
{
    Screen *screen = tour.program().screen(formName);
    tour.program().control<QAbstractButton>(formName, figure + QStringLiteral("FullScreen"))->click();
    if (QWidget *view = fullScreenView(screen)) {
        tour.save(name, view);
        view->close();
    }
}

// Every page of a sheet as it comes out on paper.
void savePages(Tour &tour, const QString &name, const Worksheet &sheet)
{
    const QString pdf = tour.outputPath(name + QStringLiteral(".pdf"));
    writePdf(sheet, pdf, {}, nullptr);
    for (int page = 1; page <= sheet.pageCount(); ++page) {
        const std::unique_ptr<QWidget> paper = paperPage(pdf, page);
        tour.save(QStringLiteral("%1-pagina-%2").arg(name).arg(page), paper.get());
    }
}

void tourWhiteboard(Tour &tour)
{
    TestProgram &program = tour.program();
    Navigation &navigation = program.module().navigation();

    navigation.showLessonPage(QStringLiteral("Storia1"));
    tour.save(QStringLiteral("whiteboard-lesson-button"), forms::lessons);
    saveFullScreen(tour, QStringLiteral("whiteboard-lesson-picture"), forms::lessons, QStringLiteral("Image1"));
    navigation.showLessonPage(QStringLiteral("Densità2"));
    saveFullScreen(tour, QStringLiteral("whiteboard-density-map"), forms::lessons, QStringLiteral("Image1"));

    navigation.show(forms::simulation);
    program.click(forms::simulation, QStringLiteral("CmdNUOVO"));
    for (const auto &[box, typed] : {std::pair{"Text1", "1640"}, {"txtpopiniziale", "1500000"}, {"txtnatal", "31"}, {"Txtmortal", "27"}})
        program.control<QLineEdit>(forms::simulation, QString::fromUtf8(box))->setText(QString::fromUtf8(typed));
    for (int year = 0; year < 15; ++year) {
        program.control<QLineEdit>(forms::simulation, QStringLiteral("Txtmortal"))
            ->setText(year == 9 ? QStringLiteral("135") : QStringLiteral("27"));
        program.click(forms::simulation, QStringLiteral("cmdcalcola"));
    }
    saveFullScreen(tour, QStringLiteral("whiteboard-simulation-graph"), forms::simulation, QStringLiteral("Graph1"));

    navigation.show(forms::pyramids);
    program.click(forms::pyramids, QStringLiteral("cmdalgeria"));
    program.click(forms::pyramids, QStringLiteral("CmdNUOVO"));
    saveFullScreen(tour, QStringLiteral("whiteboard-pyramid"), forms::pyramids, QStringLiteral("Picture1"));

    // The sheets as the teacher hands them out, the key on its own page.
    savePages(tour, QStringLiteral("scheda-questionario"), QuestionnaireSheet(*bankByLoader(QStringLiteral("QStoria1"))));
    savePages(tour, QStringLiteral("scheda-tassi"), RatesSheet(program.random(), program.clock(), 4));
    savePages(tour, QStringLiteral("scheda-saldi"), BalancesSheet(program.random(), program.clock(), 4));
}

const bool registered = addTourStep(95, "whiteboard", &tourWhiteboard);

} // namespace
} // namespace censaria::tour
