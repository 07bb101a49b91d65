#include "chartpainter.h"

#include "platform/numbers.h"
#include "worlddata.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

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
    return numbers::italian().toString(value, 'f', decimals);
}

} // namespace

void paintLineChart(QPainter &painter, const QRectF &area, const LineChart &chart, const FigureType &type)
{
    using namespace figureColours;
    const double t = type.text();
    painter.save();
    const QRectF titleRect(area.left(), area.top(), area.width(), type.heading() * 1.3);
    drawText(painter, titleRect, Qt::AlignLeft | Qt::AlignVCenter, chart.title, type.font(type.heading(), true), ink);
    const double legendHeight = QFontMetricsF(type.font(t)).boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, chart.legend).height();
    const QRectF legendRect(area.left(), titleRect.bottom(), area.width(), legendHeight);
    drawText(painter, legendRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, chart.legend, type.font(t), faint.darker(130));

    double top = 0;
    for (const ChartLine &line : chart.lines)
        for (const QPointF &p : line.points)
            top = std::max(top, p.y());
    if (chart.band)
        for (const QPointF &p : chart.band->high)
            top = std::max(top, p.y());
    const double step = niceStep(top > 0 ? top : 1);
    top = std::max(step, std::ceil(top / step) * step);

    const QFont small = type.font(t);
    const double valueWidth = QFontMetricsF(small).horizontalAdvance(number(top, chart.decimals)) + t * 0.6;
    const QRectF plot(area.left() + valueWidth, legendRect.bottom() + t * 0.8, area.width() - valueWidth - t * 0.8,
                      area.bottom() - legendRect.bottom() - t * 2.4);
    const auto at = [&](double year, double value) {
        return QPointF(plot.left() + plot.width() * (year - chart.fromYear) / (chart.toYear - chart.fromYear),
                       plot.bottom() - plot.height() * value / top);
    };

    // The projected years lie on a paler ground.
    if (chart.toYear > lastEstimateYear) {
        const QRectF future(at(std::max(chart.fromYear, double(lastEstimateYear)), top), at(chart.toYear, 0));
        painter.fillRect(future, projectionGround);
        drawText(painter, future.adjusted(t * 0.3, t * 0.1, -t * 0.3, 0), Qt::AlignRight | Qt::AlignTop, QStringLiteral("proiezioni"), small,
                 faint);
    }
    for (double value = 0; value <= top + 1e-9; value += step) {
        painter.setPen(QPen(grid, type.line()));
        painter.drawLine(at(chart.fromYear, value), at(chart.toYear, value));
        drawText(painter, QRectF(area.left(), at(0 + chart.fromYear, value).y() - t, valueWidth - t * 0.3, 2 * t),
                 Qt::AlignRight | Qt::AlignVCenter, number(value, chart.decimals), small, ink);
    }
    const double yearStepOnAxis = chart.toYear - chart.fromYear > 100 ? 50 : 20;
    for (double year = std::ceil(chart.fromYear / yearStepOnAxis) * yearStepOnAxis; year <= chart.toYear + 1e-9; year += yearStepOnAxis) {
        const QPointF p = at(year, 0);
        painter.setPen(QPen(ink, type.line()));
        painter.drawLine(p, p + QPointF(0, t * 0.3));
        const Qt::Alignment side = year == chart.fromYear ? Qt::AlignLeft : year == chart.toYear ? Qt::AlignRight : Qt::AlignHCenter;
        const double shift = side == Qt::AlignLeft ? 0 : side == Qt::AlignRight ? -3 * t : -1.5 * t;
        drawText(painter, QRectF(p.x() + shift, p.y() + t * 0.3, 3 * t, t * 1.3), side | Qt::AlignTop, QString::number(int(year)), small, ink);
    }

    if (chart.band && !chart.band->low.isEmpty()) {
        QPainterPath band;
        band.moveTo(at(chart.band->high[0].x(), chart.band->high[0].y()));
        for (const QPointF &p : chart.band->high)
            band.lineTo(at(p.x(), p.y()));
        for (qsizetype i = chart.band->low.size() - 1; i >= 0; --i)
            band.lineTo(at(chart.band->low[i].x(), chart.band->low[i].y()));
        band.closeSubpath();
        painter.fillPath(band, QColor(190, 198, 208, 150));
    }
    for (const ChartLine &line : chart.lines) {
        QPainterPath path;
        for (qsizetype i = 0; i < line.points.size(); ++i) {
            const QPointF p = at(line.points[i].x(), line.points[i].y());
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        painter.setPen(QPen(line.colour, type.line() * 2.5, line.style, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    for (const auto &[year, colour] : chart.markedYears) {
        painter.setPen(QPen(colour, type.line() * 2));
        painter.drawLine(at(year, 0), at(year, top));
    }
    painter.setPen(QPen(ink, type.line()));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
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
    const double columnWidth = table.columns.isEmpty() ? 0 : (area.width() - labelWidth) / table.columns.size();
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        const QRectF heading(area.left() + labelWidth + c * columnWidth, area.top(), columnWidth, rowHeight * 2);
        drawText(painter, heading, Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, table.columns[c].first, bold, table.columns[c].second);
        painter.fillRect(QRectF(heading.left() + t * 0.4, heading.bottom(), heading.width() - t * 0.4, type.line() * 2), table.columns[c].second);
    }
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const double top = area.top() + rowHeight * (r + 2);
        if (r % 2 == 1)
            painter.fillRect(QRectF(area.left(), top, area.width(), rowHeight), QColor(244, 246, 248));
        drawText(painter, QRectF(area.left(), top, labelWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, table.rows[r].first, plain, ink);
        const QStringList &values = table.rows[r].second;
        for (qsizetype c = 0; c < values.size() && c < table.columns.size(); ++c)
            drawText(painter, QRectF(area.left() + labelWidth + c * columnWidth, top, columnWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     values[c], bold, ink);
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
