#include "exercisepictures.h"

#include <QPainter>
#include <QPainterPath>

namespace censaria::pictures {
namespace {

void drawPerson(QPainter &p, QPointF foot, double height, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double head = height * 0.22;
    p.drawEllipse(QPointF(foot.x(), foot.y() - height + head / 2), head / 2, head / 2);
    QPainterPath body;
    const double top = foot.y() - height + head * 1.15;
    const double half = height * 0.2;
    body.addRoundedRect(QRectF(foot.x() - half, top, 2 * half, foot.y() - top), half * 0.8, half * 0.8);
    p.drawPath(body);
}

void drawSky(QPainter &p, const QRect &area, const QColor &top, const QColor &bottom)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(area, 8, 8);
}

void drawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-dir.y(), dir.x());
    const double head = width * 2.5;
    QPolygonF tip({to + dir * head, to - normal * head, to + normal * head});
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(tip);
}

} // namespace

QPixmap crowd(QSize size, const QColor &accent)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p, pixmap.rect(), QColor(206, 228, 247), QColor(240, 246, 252));
    const int rows = 3;
    const int columns = 7;
    const double rowHeight = size.height() / double(rows + 0.4);
    const double step = size.width() / double(columns + 0.5);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const double x = step * (c + 0.75 + (r % 2) * 0.25);
            const double foot = rowHeight * (r + 1.2);
            const bool highlighted = (r * columns + c) % 5 == 2;
            const QColor colour = highlighted ? accent : QColor(92, 108, 140).lighter(100 + 15 * r);
            drawPerson(p, QPointF(x, foot), rowHeight * 0.85, colour);
        }
    }
    return pixmap;
}

QPixmap migration(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p, pixmap.rect(), QColor(190, 222, 245), QColor(232, 244, 228));
    const double w = size.width();
    const double h = size.height();
    // The region: a green hill with houses.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 176, 96));
    p.drawEllipse(QRectF(w * 0.22, h * 0.55, w * 0.56, h * 0.7));
    p.setBrush(QColor(236, 222, 196));
    for (int i = 0; i < 3; ++i) {
        const QRectF house(w * (0.36 + i * 0.1), h * 0.52 - (i % 2) * h * 0.05, w * 0.07, h * 0.12);
        p.drawRect(house);
        p.setBrush(QColor(190, 70, 50));
        p.drawPolygon(QPolygonF({house.topLeft() + QPointF(-w * 0.01, 0), house.topRight() + QPointF(w * 0.01, 0),
                                 QPointF(house.center().x(), house.top() - h * 0.08)}));
        p.setBrush(QColor(236, 222, 196));
    }
    drawArrow(p, QPointF(w * 0.03, h * 0.3), QPointF(w * 0.24, h * 0.42), QColor(40, 130, 70), h * 0.03);
    drawArrow(p, QPointF(w * 0.76, h * 0.42), QPointF(w * 0.9, h * 0.32), QColor(200, 80, 40), h * 0.03);
    drawPerson(p, QPointF(w * 0.09, h * 0.8), h * 0.28, QColor(40, 130, 70));
    drawPerson(p, QPointF(w * 0.16, h * 0.84), h * 0.24, QColor(40, 130, 70));
    drawPerson(p, QPointF(w * 0.89, h * 0.82), h * 0.26, QColor(200, 80, 40));
    return pixmap;
}

} // namespace censaria::pictures
