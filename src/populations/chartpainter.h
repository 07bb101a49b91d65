#pragma once

#include "figuretype.h"

#include <QList>
#include <QPointF>
#include <optional>

// A line chart over the years, with the years after 2020 shaded as projections, and a
// small table of figures: the two parts that stand beside the pyramids.
namespace censaria::populations {

struct ChartLine
{
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    QList<QPointF> points; // (year, value)
};

struct ChartBand
{
    QList<QPointF> low, high; // (year, value), the same years
    QString label;
};

struct LineChart
{
    QString title;
    QString legend; // what the line styles mean
    double fromYear = 1950, toYear = 2100;
    QList<ChartLine> lines;
    std::optional<ChartBand> band;
    QList<std::pair<double, QColor>> markedYears;
    int decimals = 0; // of the values on the vertical axis
};

void paintLineChart(QPainter &painter, const QRectF &area, const LineChart &chart, const FigureType &type);

struct FigureTable
{
    QList<std::pair<QString, QColor>> columns;   // headings over the values
    QList<std::pair<QString, QStringList>> rows; // a label, then one value a column
};

// The height the table needs at this type.
double tableHeight(const FigureTable &table, const FigureType &type);
void paintTable(QPainter &painter, const QRectF &area, const FigureTable &table, const FigureType &type);

// Lines of small text at the foot of a figure, wrapped to its width.
void paintNote(QPainter &painter, const QRectF &area, const QString &text, const FigureType &type);
double noteHeight(const QRectF &area, const QString &text, const FigureType &type);

} // namespace censaria::populations
