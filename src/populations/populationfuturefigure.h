#pragma once

#include "projection.h"
#include "pyramidpainter.h"

// The figure of the screen "Il futuro della popolazione": the pyramid the pupil's
// assumptions give beside the UN's medium variant in the same year, their figures, and
// the population from 2020 to 2100 against the UN's variants.
namespace censaria::populations {

struct PopulationFutureView
{
    const Country *country = nullptr;
    double year = lastEstimateYear;
    Levers levers;
    const Projection *projection = nullptr; // made with levers
    PyramidUnit unit = PyramidUnit::Thousands;
};

double sharedScale(const PopulationFutureView &view);
void paintPopulationFuture(QPainter &painter, const QRectF &area, const PopulationFutureView &view);
QString describePopulationFuture(const PopulationFutureView &view);
// The pupil's assumptions in words ("1,8 figli per donna, ...").
QString leversInWords(const Country &country, const Levers &levers);

} // namespace censaria::populations
