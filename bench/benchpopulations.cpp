#include "benchpopulations.h"

#include "figures.h"
#include "paintwatch.h"
#include "populations/populationfuturefigure.h"
#include "populations/worldpyramidsfigure.h"
#include "screenkit/forms.h"
#include "testsupport/censariatest.h"

#include <QAbstractButton>
#include <QImage>
#include <QPainter>

namespace censaria::bench {
namespace {

using namespace populations;

constexpr int runs = 51;

// One frame as the animation paints it: years between the five-year steps.
double frameMs(const std::function<void(QPainter &, const QRectF &)> &paint)
{
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    return median(timeRuns(runs, [&] {
        frame.fill(Qt::white);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, QRectF(frame.rect()));
    }));
}

} // namespace

void benchPopulations(Report &report)
{
    // The screens first: their first showing is also the first reading of the rows.
    TestProgram program;
    PaintWatch watch;
    const double menu = watch.msUntilPainted(forms::menu, [&] { program.start(); });
    double world = qInf(), future = qInf();
    if (menu < qInf()) {
        auto *worldButton = program.control<QAbstractButton>(forms::menu, QStringLiteral("WorldPyramidsButton"));
        world = watch.msUntilPainted(forms::worldPyramids, [&] { worldButton->click(); });
        program.module().navigation().toMenu(program.module().screens().existing(forms::worldPyramids));
        auto *futureButton = program.control<QAbstractButton>(forms::menu, QStringLiteral("PopulationFutureButton"));
        future = watch.msUntilPainted(forms::populationFuture, [&] { futureButton->click(); });
        program.module().navigation().toMenu(program.module().screens().existing(forms::populationFuture));
    }
    report.addLimit(QStringLiteral("first showing of Piramidi del mondo (the UN's rows read)"), world, QStringLiteral("ms"), 100);
    report.addLimit(QStringLiteral("first showing of Il futuro della popolazione"), future, QStringLiteral("ms"), 100);
    report.addLimit(QStringLiteral("resident size after the population screens"), residentMiB(), QStringLiteral("MiB"), 120);

    const WorldData &data = WorldData::builtIn();
    const Country *italy = data.country(380), *niger = data.country(562), *japan = data.country(392);
    if (!italy || !niger || !japan) {
        report.addLimit(QStringLiteral("populations: the UN's rows are MISSING"), qInf(), QStringLiteral("ms"), 1);
        return;
    }
    report.addLimit(QStringLiteral("projection 2020-2100 of Italy, the UN's assumptions"),
                    median(timeRuns(runs, [&] { (void)project(*italy); })), QStringLiteral("ms"), 2);
    Levers levers;
    levers.childrenPerWoman = 1.8;
    levers.lifeExpectancyChange = 5;
    levers.netMigrantsPerYear = 200000;
    report.addLimit(QStringLiteral("projection 2020-2100 of Italy, every lever changed"),
                    median(timeRuns(runs, [&] { (void)project(*italy, levers); })), QStringLiteral("ms"), 2);

    WorldPyramidsView world2;
    world2.sides = {{niger, 2037.5}, {japan, 2037.5}};
    report.addLimit(QStringLiteral("animation frame of Piramidi del mondo at 1920x1080"),
                    frameMs([&](QPainter &p, const QRectF &area) { paintWorldPyramids(p, area, world2); }), QStringLiteral("ms"), 16);
    const Projection projection = project(*italy, levers);
    const PopulationFutureView lab{italy, 2062.5, levers, &projection, PyramidUnit::Thousands};
    report.addLimit(QStringLiteral("animation frame of Il futuro della popolazione at 1920x1080"),
                    frameMs([&](QPainter &p, const QRectF &area) { paintPopulationFuture(p, area, lab); }), QStringLiteral("ms"), 16);
}

} // namespace censaria::bench
