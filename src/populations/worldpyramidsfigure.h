#pragma once

#include "pyramidpainter.h"

#include <QList>

// The figure of the screen "Piramidi del mondo": one or two pyramids side by side, each a
// country in a year, on the same scale; beside them their figures and the dependency
// ratio and old-age index from 1950 to 2100 with the years shown marked.
namespace censaria::populations {

struct WorldPyramidsView
{
    struct Side
    {
        const Country *country = nullptr;
        double year = lastEstimateYear;
    };
    QList<Side> sides;
    PyramidUnit unit = PyramidUnit::Thousands;
};

QColor sideColour(int side);
// The scale both pyramids share: the largest bar of the countries shown in any year,
// so that the bars keep their size while the years go by.
double sharedScale(const WorldPyramidsView &view);
void paintWorldPyramids(QPainter &painter, const QRectF &area, const WorldPyramidsView &view);
// The figure in words, for a screen reader.
QString describeWorldPyramids(const WorldPyramidsView &view);
// What the figures are and where they come from, at the figure's foot.
QString figureNote();

} // namespace censaria::populations
