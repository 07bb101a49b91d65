#include "figuredrawing.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPainter>
#include <cmath>

namespace censaria {
namespace {

constexpr double labelShare = 1.0 / 34; // of the figure's height

} // namespace

QFont figureFont(const QRectF &area, double times, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::ceil(area.height() * labelShare * times))));
    font.setBold(bold);
    return font;
}

double figureLine(const QRectF &area, double times)
{
    return std::max(1.0, area.height() / 400 * times);
}

void paintChart(QPainter &painter, const QRectF &area, QChart *chart)
{
    QGraphicsScene scene; // owns the chart from here on
    scene.addItem(chart);
    const QRectF bounds(QPointF(0, 0), area.size());
    chart->setGeometry(bounds);
    scene.setSceneRect(bounds);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, area, bounds);
    painter.restore();
}

} // namespace censaria
