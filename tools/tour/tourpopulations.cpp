#include "populations/populationfuturescreen.h"
#include "populations/worldpyramidsscreen.h"
#include "screenkit/forms.h"
#include "tour.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>

namespace censaria::tour {
namespace {

using namespace populations;

void tourWorldPyramids(Tour &tour)
{
    TestProgram &program = tour.program();
    program.module().navigation().showLessonPage(QStringLiteral("PiramidiMondo"));
    tour.save(QStringLiteral("lesson-world-pyramids"), forms::lessons);
    program.module().navigation().toMenu(program.screen(forms::lessons));
    program.control<QPushButton>(forms::menu, QStringLiteral("WorldPyramidsButton"))->click();
    auto *screen = static_cast<WorldPyramidsScreen *>(program.screen(forms::worldPyramids));
    program.control<QSlider>(forms::worldPyramids, QStringLiteral("Year2"))->setValue(2050);
    tour.save(QStringLiteral("world-pyramids-italy-1950-2050"), forms::worldPyramids);
    // A frame of the animation, between two five-year steps.
    screen->showPyramid(0, 380, 1987.5);
    screen->showPyramid(1, 380, 2087.5);
    tour.save(QStringLiteral("world-pyramids-playing"), forms::worldPyramids);

    screen->showPyramid(0, 562, 2020);
    screen->showPyramid(1, 392, 2020);
    tour.save(QStringLiteral("world-pyramids-niger-japan-2020"), forms::worldPyramids);
    program.control<QComboBox>(forms::worldPyramids, QStringLiteral("UnitChoice"))->setCurrentIndex(1);
    tour.save(QStringLiteral("world-pyramids-niger-japan-percent"), forms::worldPyramids);
    program.control<QPushButton>(forms::worldPyramids, QStringLiteral("FigureFullScreen"))->click();
    if (QWidget *full = fullScreenView(screen)) {
        tour.save(QStringLiteral("world-pyramids-full-screen"), full);
        full->close();
    }
    program.control<QComboBox>(forms::worldPyramids, QStringLiteral("UnitChoice"))->setCurrentIndex(0);
    program.control<QPushButton>(forms::worldPyramids, QStringLiteral("Cmdmenù"))->click();
}

void tourPopulationFuture(Tour &tour)
{
    TestProgram &program = tour.program();
    program.module().navigation().show(forms::menu);
    program.control<QPushButton>(forms::menu, QStringLiteral("PopulationFutureButton"))->click();
    auto *screen = static_cast<PopulationFutureScreen *>(program.screen(forms::populationFuture));
    tour.save(QStringLiteral("population-future-italy-2020"), forms::populationFuture);
    program.control<QSlider>(forms::populationFuture, QStringLiteral("Children"))->setValue(19);
    screen->showYear(2070);
    tour.save(QStringLiteral("population-future-italy-more-children-2070"), forms::populationFuture);
    program.control<QPushButton>(forms::populationFuture, QStringLiteral("FigureFullScreen"))->click();
    if (QWidget *full = fullScreenView(screen)) {
        tour.save(QStringLiteral("population-future-full-screen"), full);
        full->close();
    }

    // Japan with everyone leaving: refused, with the reason.
    program.control<QComboBox>(forms::populationFuture, QStringLiteral("Country"))
        ->setCurrentIndex(program.control<QComboBox>(forms::populationFuture, QStringLiteral("Country"))->findText(QStringLiteral("Giappone")));
    program.control<QSlider>(forms::populationFuture, QStringLiteral("Children"))->setValue(8);
    program.control<QSlider>(forms::populationFuture, QStringLiteral("LifeExpectancy"))->setValue(-10);
    QSlider *migrants = program.control<QSlider>(forms::populationFuture, QStringLiteral("Migrants"));
    migrants->setValue(migrants->minimum());
    screen->showYear(2100);
    tour.save(QStringLiteral("population-future-japan-refused"), forms::populationFuture);
    program.control<QPushButton>(forms::populationFuture, QStringLiteral("Cmdmenù"))->click();
}

const bool worldRegistered = addTourStep(75, "world pyramids", &tourWorldPyramids);
const bool futureRegistered = addTourStep(76, "population future", &tourPopulationFuture);

} // namespace
} // namespace censaria::tour
