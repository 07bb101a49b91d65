#pragma once

#include <QFont>
#include <QRectF>

class QChart;
class QPainter;

// What every figure drawn into a rectangle shares, whether on the whole display, on a
// page or on a screen: type and lines that follow the rectangle's size.
namespace censaria {

// A figure's type, in the painter's pixels: a label of times 1/34 of the area's height,
// so that a figure on the whole display reads from the back of a classroom, and one on
// a page from a desk.
QFont figureFont(const QRectF &area, double times = 1.0, bool bold = false);
// A line of the figure, as thick as the area is tall.
double figureLine(const QRectF &area, double times = 1.0);

// Draws a chart into area of any painter (a window, a page of a PDF); the chart is
// deleted afterwards.
void paintChart(QPainter &painter, const QRectF &area, QChart *chart);

} // namespace censaria
