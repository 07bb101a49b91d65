#include "growthgraph.h"

#include "platform/figuredrawing.h"
#include "platform/numbers.h"
#include "platform/twips.h"

#include <QCategoryAxis>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <cmath>

namespace censaria {
namespace {

const QColor lineColour(22, 120, 100);
const QColor gridColour(210, 222, 218);
const QColor textColour(30, 45, 60);
constexpr double graphHeightTwips = 5550; // the screen's graph, which the figure's lines follow

// The look at one size: the type, and the pixels of one twip of the screen's design.
struct GraphLook
{
    QFont title;
    QFont labels;
    QFont axisTitles;
    double pixelsPerTwip;
};

int scaled(const GraphLook &look, double twips)
{
    return std::max(1, qRound(twips * look.pixelsPerTwip));
}

// The chart with its line and axes, empty.
QChart *makeChart(const GraphLook &look, QLineSeries *series, QCategoryAxis *population, QCategoryAxis *years)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitleFont(look.title);
    chart->setTitleBrush(textColour);
    chart->setBackgroundRoundness(scaled(look, 120));
    chart->setAnimationOptions(QChart::NoAnimation);
    // Both axes are labelled by hand: the populations in the program's own form
    // ("57 600 000", as the results beside the graph), the years ungrouped.
    // Room on the right for the half of the last year's label that passes the plot area.
    chart->setMargins(QMargins(scaled(look, 60), scaled(look, 30), scaled(look, 300), scaled(look, 30)));

    series->setPen(QPen(lineColour, std::max(2, scaled(look, 40))));
    series->setPointsVisible(true);
    series->setName(QStringLiteral("Popolazione"));
    chart->addSeries(series);

    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(population), static_cast<QAbstractAxis *>(years)}) {
        axis->setLabelsFont(look.labels);
        axis->setLabelsBrush(textColour);
        axis->setTitleFont(look.axisTitles);
        axis->setTitleBrush(textColour);
        axis->setGridLineColor(gridColour);
    }
    population->setTitleText(QStringLiteral("Abitanti"));
    population->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    years->setTitleText(QStringLiteral("Anno"));
    years->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);

    chart->addAxis(population, Qt::AlignLeft);
    chart->addAxis(years, Qt::AlignBottom);
    series->attachAxis(population);
    series->attachAxis(years);
    return chart;
}

void placeYearLabels(QCategoryAxis *years, const GraphScale &scale)
{
    for (const QString &label : years->categoriesLabels())
        years->remove(label);
    // Each label stands at the end of its category; the first one ends on the first year.
    years->setStartValue(scale.firstYear - scale.yearStep);
    for (int year = scale.firstYear; year <= scale.lastYear; year += scale.yearStep)
        years->append(QString::number(year), year);
    years->setRange(scale.firstYear, scale.lastYear);
}

// Tick lines stay at the same populations however far the range widens: the anchor
// plus whole multiples of the interval.
void placePopulationLabels(QCategoryAxis *population, const GraphScale &scale)
{
    for (const QString &label : population->categoriesLabels())
        population->remove(label);
    const double first = scale.tickAnchor + std::ceil((scale.bottom - scale.tickAnchor) / scale.tickInterval) * scale.tickInterval;
    population->setStartValue(first - scale.tickInterval);
    // Half an interval of slack, so that rounding never drops the top tick.
    for (double value = first; value <= scale.top + scale.tickInterval / 2; value += scale.tickInterval)
        population->append(numbers::groupedText(value, scale.decimals), value);
    population->setRange(scale.bottom, scale.top);
}

void fill(const GraphLook &look, QLineSeries *series, QCategoryAxis *population, QCategoryAxis *years, const QList<qint32> &values,
          const GraphScale &scale)
{
    QList<QPointF> points;
    points.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        points.append(QPointF(scale.firstYear + i, values[i]));
    placePopulationLabels(population, scale);
    placeYearLabels(years, scale);
    // Big dots for a few years, smaller ones as the years crowd together.
    const int dot = values.size() <= 20 ? 90 : values.size() <= 50 ? 60 : 40;
    series->setMarkerSize(std::max(4, scaled(look, dot)));
    series->replace(points);
}

GraphLook screenLook()
{
    return {Twips::font(12, true), Twips::font(9), Twips::font(9, true), Twips::scale()};
}

} // namespace

QString emptyGraphHint()
{
    return QStringLiteral("Inserisci i dati e clicca su 'Calcola andamento':\nqui vedrai come cambia la popolazione anno dopo anno.");
}

GrowthGraph::GrowthGraph(QWidget *parent)
    : QChartView(parent)
    , series_(new QLineSeries)
    , populationAxis_(new QCategoryAxis)
    , yearAxis_(new QCategoryAxis)
{
    setRenderHint(QPainter::Antialiasing);
    setChart(makeChart(screenLook(), series_, populationAxis_, yearAxis_));
    showAxes(false);

    emptyHint_ = new QLabel(emptyGraphHint(), this);
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
    fill(screenLook(), series_, populationAxis_, yearAxis_, values, scale);
    showAxes(true);
    emptyHint_->hide();
}

void GrowthGraph::clearData()
{
    series_->clear();
    showAxes(false);
    emptyHint_->show();
}

void GrowthGraph::showAxes(bool visible)
{
    populationAxis_->setVisible(visible);
    yearAxis_->setVisible(visible);
}

void paintGrowthGraph(QPainter &painter, const QRectF &area, const QString &title, const QList<qint32> &values, const GraphScale &scale)
{
    const GraphLook look{figureFont(area, 1.3, true), figureFont(area), figureFont(area, 1.0, true), area.height() / graphHeightTwips};
    if (values.isEmpty()) {
        painter.save();
        painter.setFont(look.labels);
        painter.setPen(textColour);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, emptyGraphHint());
        painter.restore();
        return;
    }
    auto *series = new QLineSeries;
    auto *population = new QCategoryAxis;
    auto *years = new QCategoryAxis;
    QChart *chart = makeChart(look, series, population, years);
    chart->setTitle(title);
    fill(look, series, population, years, values, scale);
    paintChart(painter, area, chart);
}

} // namespace censaria
