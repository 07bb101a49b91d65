#include "pyramidpainter.h"

#include "platform/numbers.h"

#include <QLocale>
#include <QHash>
#include <QPainter>
#include <QImage>
#include <QPainterPath>
#include <cmath>

namespace censaria::populations {
namespace {

// The step between ticks: 1, 2 or 5 times a power of ten, two to four of them a side.
double tickStep(double scale)
{
    const double power = std::pow(10.0, std::floor(std::log10(scale / 2)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (scale / (factor * power) <= 4)
            return factor * power;
    return 10 * power;
}

QString tickText(double value, PyramidUnit unit)
{
    const int decimals = value == std::floor(value) ? 0 : 1;
    const QString number = numbers::groupedText(value, decimals);
    return unit == PyramidUnit::Percent ? number + QStringLiteral(" %") : number;
}

// A tile of the hatching, its stripes as thick as the figure's lines; made once for
// each colour and size, as a tiled picture fills a bar far faster than a pattern scaled.
QBrush hatchTile(const QColor &colour, double line)
{
    // Pictures in memory rather than pixmaps: kept past the application's end, they need none.
    static QHash<QPair<QRgb, int>, QImage> tiles;
    const int size = std::max(6, qRound(line * 8));
    QImage &tile = tiles[{colour.rgb(), size}];
    if (tile.isNull()) {
        tile = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        tile.fill(colour.lighter(165));
        QPainter p(&tile);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour, std::max(1.0, line), Qt::SolidLine, Qt::FlatCap));
        // Drawn across three tiles' width, so that the stripes meet at the edges.
        for (int shift = -size; shift <= size; shift += size)
            p.drawLine(QPointF(shift, size), QPointF(shift + size, 0));
    }
    return QBrush(tile);
}

void drawBar(QPainter &painter, const QRectF &bar, const QColor &colour, bool projected, double line)
{
    if (bar.width() <= 0)
        return;
    if (!projected) {
        painter.fillRect(bar, colour);
        return;
    }
    // Hatched and lighter, with a dashed edge: figures not counted but foreseen.
    painter.fillRect(bar, hatchTile(colour, line));
    painter.setPen(QPen(colour.darker(115), line, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
}

} // namespace

double barValue(const Pyramid &pyramid, double thousands, PyramidUnit unit)
{
    if (unit == PyramidUnit::Thousands)
        return thousands;
    const double total = pyramid.total();
    return total > 0 ? 100 * thousands / total : 0;
}

double largestBar(const Pyramid &pyramid, PyramidUnit unit)
{
    double largest = 0;
    for (int g = 0; g < ageGroupCount; ++g)
        largest = std::max({largest, barValue(pyramid, pyramid.males[g], unit), barValue(pyramid, pyramid.females[g], unit)});
    return largest;
}

double roundScale(double largest)
{
    if (largest <= 0)
        return 1;
    const double step = tickStep(largest) / 2;
    return std::ceil(largest / step) * step;
}

void paintPyramid(QPainter &painter, const QRectF &area, const PyramidPanel &panel, PyramidUnit unit, double scale, const FigureType &type)
{
    using namespace figureColours;
    const double t = type.text();
    painter.save();

    // The heading: the country, the year written large, what the figures are.
    const double yearHeight = type.year() * 1.15;
    const QRectF heading(area.left(), area.top(), area.width(), yearHeight);
    const QFont yearFont = type.font(type.year(), true);
    const QString yearText = QString::number(int(std::floor(panel.year + 1e-9)));
    const double yearWidth = QFontMetricsF(yearFont).horizontalAdvance(yearText);
    drawText(painter, heading, Qt::AlignRight | Qt::AlignVCenter, yearText, yearFont, panel.projected ? faint.darker(120) : ink);
    drawText(painter, heading.adjusted(0, 0, -yearWidth - t, 0), Qt::AlignLeft | Qt::AlignVCenter, panel.title, type.font(type.heading(), true),
             ink);
    const QRectF kindRect(area.left(), heading.bottom(), area.width(), t * 1.3);
    drawText(painter, kindRect, Qt::AlignRight | Qt::AlignVCenter, panel.kind, type.font(t), panel.projected ? faint.darker(120) : ink);
    painter.fillRect(QRectF(area.left(), kindRect.bottom() + t * 0.2, area.width(), type.line() * 3), panel.colour);

    // Males left, females right, the ages between them.
    const double sexesTop = kindRect.bottom() + t * 0.5;
    const QRectF sexes(area.left(), sexesTop, area.width(), t * 1.4);
    drawText(painter, sexes, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Maschi"), type.font(t, true), males);
    drawText(painter, sexes, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Femmine"), type.font(t, true), females);

    const double axisHeight = t * 2.7;
    const QRectF bars(area.left(), sexes.bottom(), area.width(), area.bottom() - sexes.bottom() - axisHeight);
    const double ageWidth = QFontMetricsF(type.font(t)).horizontalAdvance(QStringLiteral("100+")) + t;
    const double side = (bars.width() - ageWidth) / 2;
    const double centreLeft = bars.left() + side, centreRight = centreLeft + ageWidth;
    const double row = bars.height() / ageGroupCount;

    // The grid under the bars, at every tick.
    const double step = tickStep(scale);
    painter.setPen(QPen(grid, type.line()));
    for (double value = step; value <= scale + 1e-9; value += step) {
        const double dx = side * value / scale;
        painter.drawLine(QPointF(centreLeft - dx, bars.top()), QPointF(centreLeft - dx, bars.bottom()));
        painter.drawLine(QPointF(centreRight + dx, bars.top()), QPointF(centreRight + dx, bars.bottom()));
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int g = 0; g < ageGroupCount; ++g) {
        const double top = bars.bottom() - (g + 1) * row + row * 0.08;
        const double height = row * 0.84;
        const double m = side * std::min(1.0, barValue(panel.pyramid, panel.pyramid.males[g], unit) / scale);
        const double f = side * std::min(1.0, barValue(panel.pyramid, panel.pyramid.females[g], unit) / scale);
        drawBar(painter, QRectF(centreLeft - m, top, m, height), males, panel.projected, type.line());
        drawBar(painter, QRectF(centreRight, top, f, height), females, panel.projected, type.line());
        // Every other group is named, so that the names never crowd.
        if (g % 2 == 0)
            drawText(painter, QRectF(centreLeft, top - row, ageWidth, height + 2 * row), Qt::AlignCenter,
                     g == ageGroupCount - 1 ? QStringLiteral("100+") : ageGroupLabel(g), type.font(t), ink);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The axis: the ticks and the unit.
    const QFont tickFont = type.font(t);
    painter.setPen(QPen(ink, type.line()));
    painter.drawLine(QPointF(bars.left(), bars.bottom()), QPointF(centreLeft, bars.bottom()));
    painter.drawLine(QPointF(centreRight, bars.bottom()), QPointF(bars.right(), bars.bottom()));
    // Where the ticks stand closer than their numbers are wide, every other one is named.
    const double tickWidth = QFontMetricsF(tickFont).horizontalAdvance(tickText(scale, unit)) + t;
    const int named = std::max(1, int(std::ceil(tickWidth / (side * step / scale))));
    int tick = 0;
    for (double value = 0; value <= scale + 1e-9; value += step, ++tick) {
        if (tick % named != 0)
            continue;
        const double dx = side * value / scale;
        const QString text = tickText(value, unit);
        for (double x : {centreLeft - dx, centreRight + dx}) {
            const QRectF tick(x - tickWidth / 2, bars.bottom() + t * 0.1, tickWidth, t * 1.3);
            drawText(painter, QRectF(tick).intersected(QRectF(area.left(), tick.top(), area.width(), tick.height())),
                     (x < area.left() + tickWidth / 2    ? Qt::AlignLeft
                      : x > area.right() - tickWidth / 2 ? Qt::AlignRight
                                                         : Qt::AlignHCenter)
                         | Qt::AlignTop,
                     text, tickFont, ink);
        }
    }
    drawText(painter, QRectF(area.left(), area.bottom() - t * 1.3, area.width(), t * 1.3), Qt::AlignCenter,
             unit == PyramidUnit::Thousands ? QStringLiteral("migliaia di persone") : QStringLiteral("per cento della popolazione"),
             type.font(t), faint.darker(130));
    painter.restore();
}

} // namespace censaria::populations
