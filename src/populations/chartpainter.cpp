#include "chartpainter.h"

#include "platform/numbers.h"
#include "worlddata.h"

#include <QLocale>
#include <QCache>
#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace censaria::populations {
namespace {

double niceStep(double range)
{
    const double power = std::pow(10.0, std::floor(std::log10(range / 3)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (range / (factor * power) <= 5)
            return factor * power;
    return 10 * power;
}

QString number(double value, int decimals)
{
    return numbers::groupedText(value, decimals);
}

} // namespace

namespace {

// Where the values go: the plot's rectangle and the top of its scale.
struct Plot
{
    QRectF legend, plot;
    double top = 0, step = 0, valueWidth = 0;
};

Plot plotOf(const QRectF &area, const LineChart &chart, const FigureType &type)
{
    const double t = type.text();
    Plot p;
    const double titleHeight = type.heading() * 1.3;
    const double
        legendHeight = QFontMetricsF(type.font(t)).boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, chart.legend).height();
    p.legend = QRectF(area.left(), area.top() + titleHeight, area.width(), legendHeight);
    for (const ChartLine &line : chart.lines)
        for (const QPointF &point : line.points)
            p.top = std::max(p.top, point.y());
    if (chart.band)
        for (const QPointF &point : chart.band->high)
            p.top = std::max(p.top, point.y());
    p.step = niceStep(p.top > 0 ? p.top : 1);
    p.top = std::max(p.step, std::ceil(p.top / p.step) * p.step);
    p.valueWidth = QFontMetricsF(type.font(t)).horizontalAdvance(number(p.top, chart.decimals)) + t * 0.6;
    p.plot = QRectF(area.left() + p.valueWidth, p.legend.bottom() + t * 0.8, area.width() - p.valueWidth - t * 0.8,
                    area.bottom() - p.legend.bottom() - t * 2.4);
    return p;
}

QPointF pointAt(const Plot &p, const LineChart &chart, double year, double value)
{
    return QPointF(p.plot.left() + p.plot.width() * (year - chart.fromYear) / (chart.toYear - chart.fromYear),
                   p.plot.bottom() - p.plot.height() * value / p.top);
}

// Everything but the marked years, which move while the years play.
void paintChartBody(QPainter &painter, const QRectF &area, const LineChart &chart, const FigureType &type, const Plot &p)
{
    using namespace figureColours;
    const double t = type.text();
    const auto at = [&](double year, double value) { return pointAt(p, chart, year, value); };
    drawText(painter, QRectF(area.left(), area.top(), area.width(), p.legend.top() - area.top()), Qt::AlignLeft | Qt::AlignVCenter, chart.title,
             type.font(type.heading(), true), ink);
    drawText(painter, p.legend, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, chart.legend, type.font(t), faint.darker(130));

    // The projected years lie on a paler ground.
    const QFont small = type.font(t);
    if (chart.toYear > lastEstimateYear) {
        const QRectF future(at(std::max(chart.fromYear, double(lastEstimateYear)), p.top), at(chart.toYear, 0));
        painter.fillRect(future, projectionGround);
        drawText(painter, future.adjusted(t * 0.3, t * 0.1, -t * 0.3, 0), Qt::AlignRight | Qt::AlignTop, QStringLiteral("proiezioni"), small,
                 faint);
    }
    for (double value = 0; value <= p.top + 1e-9; value += p.step) {
        painter.setPen(QPen(grid, type.line()));
        painter.drawLine(at(chart.fromYear, value), at(chart.toYear, value));
        drawText(painter, QRectF(area.left(), at(chart.fromYear, value).y() - t, p.valueWidth - t * 0.3, 2 * t),
                 Qt::AlignRight | Qt::AlignVCenter, number(value, chart.decimals), small, ink);
    }
    // Years every 20 or 50, or further apart where the plot is too narrow for them.
    const double span = chart.toYear - chart.fromYear;
    double yearStepOnAxis = span > 100 ? 50 : 20;
    while (p.plot.width() * yearStepOnAxis / span < 3.6 * t && yearStepOnAxis < span)
        yearStepOnAxis *= 2;
    for (double year = std::ceil(chart.fromYear / yearStepOnAxis) * yearStepOnAxis; year <= chart.toYear + 1e-9; year += yearStepOnAxis) {
        const QPointF tick = at(year, 0);
        painter.setPen(QPen(ink, type.line()));
        painter.drawLine(tick, tick + QPointF(0, t * 0.3));
        const Qt::Alignment side = year == chart.fromYear ? Qt::AlignLeft : year == chart.toYear ? Qt::AlignRight : Qt::AlignHCenter;
        const double shift = side == Qt::AlignLeft ? 0 : side == Qt::AlignRight ? -3 * t : -1.5 * t;
        drawText(painter, QRectF(tick.x() + shift, tick.y() + t * 0.3, 3 * t, t * 1.3), side | Qt::AlignTop, QString::number(int(year)), small,
                 ink);
    }

    if (chart.band && !chart.band->low.isEmpty()) {
        QPainterPath band;
        band.moveTo(at(chart.band->high[0].x(), chart.band->high[0].y()));
        for (const QPointF &point : chart.band->high)
            band.lineTo(at(point.x(), point.y()));
        for (qsizetype i = chart.band->low.size() - 1; i >= 0; --i)
            band.lineTo(at(chart.band->low[i].x(), chart.band->low[i].y()));
        band.closeSubpath();
        painter.fillPath(band, QColor(190, 198, 208, 150));
    }
    for (const ChartLine &line : chart.lines) {
        QPolygonF points;
        for (const QPointF &point : line.points)
            points << at(point.x(), point.y());
        painter.setPen(QPen(line.colour, type.line() * 2.5, line.style, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(points);
    }
    painter.setPen(QPen(ink, type.line()));
    painter.drawLine(p.plot.bottomLeft(), p.plot.bottomRight());
}

// What makes one chart body differ from another, as a key to keep its picture by.
QByteArray bodyKey(const QRectF &area, const LineChart &chart, const FigureType &type, const QFont &font, qreal ratio)
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << area.size() << type.text() << font.toString() << ratio << chart.title << chart.legend << chart.fromYear << chart.toYear
        << chart.decimals;
    for (const ChartLine &line : chart.lines)
        out << line.colour << int(line.style) << line.points;
    if (chart.band)
        out << chart.band->low << chart.band->high;
    return key;
}

} // namespace

void paintLineChart(QPainter &painter, const QRectF &area, const LineChart &chart, const FigureType &type)
{
    painter.save();
    const Plot p = plotOf(area, chart, type);
    const int device = painter.device() ? painter.device()->devType() : 0;
    if (device == QInternal::Widget || device == QInternal::Image || device == QInternal::Pixmap) {
        // While the years play only the marks move: the rest is drawn once and kept.
        static QCache<QByteArray, QImage> bodies(16 * 1024 * 1024);
        const qreal ratio = painter.device()->devicePixelRatioF();
        const QByteArray key = bodyKey(area, chart, type, painter.font(), ratio);
        if (const QImage *kept = bodies.object(key)) {
            painter.drawImage(area.topLeft(), *kept);
        } else {
            QImage body((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            body.setDevicePixelRatio(ratio);
            body.fill(Qt::transparent);
            QPainter on(&body);
            on.setRenderHint(QPainter::Antialiasing);
            on.setFont(painter.font());
            on.translate(-area.topLeft());
            paintChartBody(on, area, chart, type, p);
            on.end();
            painter.drawImage(area.topLeft(), body);
            // A picture larger than the whole cache is simply not kept.
            bodies.insert(key, new QImage(body), qsizetype(body.sizeInBytes()));
        }
    } else {
        paintChartBody(painter, area, chart, type, p);
    }
    for (const auto &[year, colour] : chart.markedYears) {
        painter.setPen(QPen(colour, type.line() * 2));
        painter.drawLine(pointAt(p, chart, year, 0), pointAt(p, chart, year, p.top));
    }
    painter.restore();
}

double tableHeight(const FigureTable &table, const FigureType &type)
{
    return type.text() * 1.4 * (table.rows.size() + 2);
}

void paintTable(QPainter &painter, const QRectF &area, const FigureTable &table, const FigureType &type)
{
    using namespace figureColours;
    const double t = type.text(), rowHeight = t * 1.4;
    const QFont plain = type.font(t), bold = type.font(t, true);
    double labelWidth = 0;
    for (const auto &row : table.rows)
        labelWidth = std::max(labelWidth, QFontMetricsF(plain).horizontalAdvance(row.first) + t);
    // Each column as wide as its heading's longest word or its widest value needs, and the
    // room left shared out: a long country's name beside a short one is not cut.
    const qsizetype count = table.columns.size();
    QList<double> need(count, 0.0);
    for (qsizetype c = 0; c < count; ++c) {
        for (const QString &word : table.columns[c].first.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            need[c] = std::max(need[c], QFontMetricsF(bold).horizontalAdvance(word) + t * 0.5);
        for (const auto &row : table.rows)
            if (c < row.second.size())
                need[c] = std::max(need[c], QFontMetricsF(bold).horizontalAdvance(row.second[c]) + t * 0.5);
    }
    const double needed = std::accumulate(need.begin(), need.end(), 0.0);
    // Short of room, the gap after the labels gives up to half of itself first.
    labelWidth -= std::clamp(needed - (area.width() - labelWidth), 0.0, t * 0.5);
    const double room = area.width() - labelWidth;
    QList<double> left(count + 1, area.left() + labelWidth);
    for (qsizetype c = 0; c < count; ++c)
        left[c + 1] = left[c] + (needed <= room ? need[c] + (room - needed) / count : room / count);
    for (qsizetype c = 0; c < count; ++c) {
        const QRectF heading(left[c], area.top(), left[c + 1] - left[c], rowHeight * 2);
        drawText(painter, heading.adjusted(t * 0.5, 0, 0, 0), Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, table.columns[c].first, bold,
                 table.columns[c].second);
        painter.fillRect(QRectF(heading.left() + t * 0.4, heading.bottom(), heading.width() - t * 0.4, type.line() * 2),
                         table.columns[c].second);
    }
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const double top = area.top() + rowHeight * (r + 2);
        if (r % 2 == 1)
            painter.fillRect(QRectF(area.left(), top, area.width(), rowHeight), QColor(244, 246, 248));
        drawText(painter, QRectF(area.left(), top, labelWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, table.rows[r].first, plain, ink);
        const QStringList &values = table.rows[r].second;
        for (qsizetype c = 0; c < values.size() && c < count; ++c)
            drawText(painter, QRectF(left[c], top, left[c + 1] - left[c], rowHeight), Qt::AlignRight | Qt::AlignVCenter, values[c], bold, ink);
    }
}

double noteHeight(const QRectF &area, const QString &text, const FigureType &type)
{
    return QFontMetricsF(type.font(type.text())).boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, text).height();
}

void paintNote(QPainter &painter, const QRectF &area, const QString &text, const FigureType &type)
{
    drawText(painter, area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, text, type.font(type.text()), figureColours::faint.darker(130));
}

} // namespace censaria::populations
