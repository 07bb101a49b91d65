#pragma once

#include "figuretype.h"
#include "worlddata.h"

// One population pyramid drawn into a rectangle: its heading (what, and the year written
// large), males on the left and females on the right, five-year groups from the bottom.
// The projected years are drawn hatched and lighter, so that they are never taken for
// counted ones.
namespace censaria::populations {

enum class PyramidUnit { Thousands, Percent };

struct PyramidPanel
{
    QString title; // "Italia"
    QString kind;  // "stima dell'ONU", ...
    double year = 0;
    bool projected = false;
    Pyramid pyramid;
    QColor colour; // the panel's, under its heading
};

// A bar's value in the unit: thousands, or per cent of the whole population.
double barValue(const Pyramid &pyramid, double thousands, PyramidUnit unit);
// The largest bar of the pyramid in the unit.
double largestBar(const Pyramid &pyramid, PyramidUnit unit);
// A round scale just above the largest bar, so that its ticks read easily.
double roundScale(double largest);

void paintPyramid(QPainter &painter, const QRectF &area, const PyramidPanel &panel, PyramidUnit unit, double scale, const FigureType &type);

} // namespace censaria::populations
