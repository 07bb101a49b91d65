#include "growthgraph.h"

#include "platform/numbers.h"
#include "platform/twips.h"

#include <QCategoryAxis>
#include <QLabel>
#include <QLineSeries>
#include <cmath>

namespace censaria {
namespace {

const QColor lineColour(22, 120, 100);
const QColor gridColour(210, 222, 218);
const QColor textColour(30, 45, 60);

} // namespace

GrowthGraph::GrowthGraph(QWidget *parent)
    : QChartView(parent)
    , series_(new QLineSeries)
    , populationAxis_(new QCategoryAxis)
    , yearAxis_(new QCategoryAxis)
{
    setRenderHint(QPainter::Antialiasing);
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitleFont(Twips::font(12, true));
    chart->setTitleBrush(textColour);
    chart->setBackgroundRoundness(Twips::px(120));
    // Both axes are labelled by hand: the populations in the program's own form
    // ("57 600 000", as the results beside the graph), the years ungrouped.
    // Room on the right for the half of the last year's label that passes the plot area.
    chart->setMargins(QMargins(Twips::px(60), Twips::px(30), Twips::px(300), Twips::px(30)));

    QPen pen(lineColour, std::max(2, Twips::px(40)));
    series_->setPen(pen);
    series_->setPointsVisible(true);
    series_->setName(QStringLiteral("Popolazione"));
    chart->addSeries(series_);

    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(populationAxis_), static_cast<QAbstractAxis *>(yearAxis_)}) {
        axis->setLabelsFont(Twips::font(9));
        axis->setLabelsBrush(textColour);
        axis->setTitleFont(Twips::font(9, true));
        axis->setTitleBrush(textColour);
        axis->setGridLineColor(gridColour);
    }
    populationAxis_->setTitleText(QStringLiteral("Abitanti"));
    populationAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    yearAxis_->setTitleText(QStringLiteral("Anno"));
    yearAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);

    chart->addAxis(populationAxis_, Qt::AlignLeft);
    chart->addAxis(yearAxis_, Qt::AlignBottom);
    series_->attachAxis(populationAxis_);
    series_->attachAxis(yearAxis_);
    setChart(chart);
    showAxes(false);

    emptyHint_ = new QLabel(QStringLiteral("Inserisci i dati e clicca su 'Calcola andamento':\nqui vedrai come cambia la popolazione anno dopo anno."), this);
    emptyHint_->setObjectName(QStringLiteral("emptyHint"));
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setFont(Twips::font(10));
    emptyHint_->setStyleSheet(QStringLiteral("color: #56646e; background: transparent;"));
}

void GrowthGraph::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    emptyHint_->setGeometry(rect());
}

void GrowthGraph::setTitle(const QString &title)
{
    chart()->setTitle(title);
}

void GrowthGraph::draw(const QList<qint32> &values, const GraphScale &scale)
{
    QList<QPointF> points;
    points.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        points.append(QPointF(scale.firstYear + i, values[i]));

    placePopulationLabels(scale);
    placeYearLabels(scale);
    // Big dots for a few years, smaller ones as the years crowd together.
    const int dot = values.size() <= 20 ? 90 : values.size() <= 50 ? 60 : 40;
    series_->setMarkerSize(std::max(4, Twips::px(dot)));
    series_->replace(points);
    showAxes(true);
    emptyHint_->hide();
}

void GrowthGraph::clearData()
{
    series_->clear();
    showAxes(false);
    emptyHint_->show();
}

void GrowthGraph::placeYearLabels(const GraphScale &scale)
{
    for (const QString &label : yearAxis_->categoriesLabels())
        yearAxis_->remove(label);
    // Each label stands at the end of its category; the first one ends on the first year.
    yearAxis_->setStartValue(scale.firstYear - scale.yearStep);
    for (int year = scale.firstYear; year <= scale.lastYear; year += scale.yearStep)
        yearAxis_->append(QString::number(year), year);
    yearAxis_->setRange(scale.firstYear, scale.lastYear);
}

// Tick lines stay at the same populations however far the range widens: the anchor
// plus whole multiples of the interval.
void GrowthGraph::placePopulationLabels(const GraphScale &scale)
{
    for (const QString &label : populationAxis_->categoriesLabels())
        populationAxis_->remove(label);
    const double first = scale.tickAnchor + std::ceil((scale.bottom - scale.tickAnchor) / scale.tickInterval) * scale.tickInterval;
    populationAxis_->setStartValue(first - scale.tickInterval);
    // Half an interval of slack, so that rounding never drops the top tick.
    for (double value = first; value <= scale.top + scale.tickInterval / 2; value += scale.tickInterval)
        populationAxis_->append(numbers::groupedText(value, scale.decimals), value);
    populationAxis_->setRange(scale.bottom, scale.top);
}

void GrowthGraph::showAxes(bool visible)
{
    populationAxis_->setVisible(visible);
    yearAxis_->setVisible(visible);
}

} // namespace censaria
