#include "registerfigures.h"

#include "platform/figuredrawing.h"
#include "registermodel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QPainter>
#include <QValueAxis>

namespace censaria::classregister {
namespace {

const QColor darkGround(0, 0, 64);
const QColor darkText(192, 192, 255);
const QColor darkBar(192, 192, 0);
const QColor lightText(30, 40, 60);
const QColor lightBar(31, 110, 130);

QChart *makeChart(const ChartLook &look, QAbstractBarSeries *series, const QString &setName, QBarCategoryAxis *categories, QValueAxis *values,
                  bool across)
{
    auto *set = new QBarSet(setName);
    set->setColor(look.dark ? darkBar : lightBar);
    set->setBorderColor(look.dark ? QColor(128, 128, 0) : lightBar.darker(150));
    series->append(set);
    series->setBarWidth(0.7);
    auto *chart = new QChart;
    chart->addSeries(series);
    chart->setTitleFont(look.title);
    chart->legend()->hide();
    chart->setBackgroundBrush(look.dark ? darkGround : QColor(Qt::white));
    chart->setTitleBrush(look.dark ? darkText : lightText);
    const int margin = std::max(2, look.labels.pixelSize() / 4);
    chart->setMargins(QMargins(margin, margin, margin * 2, margin));
    chart->setAnimationOptions(QChart::NoAnimation);
    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(categories), static_cast<QAbstractAxis *>(values)}) {
        axis->setLabelsFont(look.labels);
        axis->setLabelsBrush(look.dark ? darkText : lightText);
        axis->setGridLineColor(look.dark ? QColor(64, 64, 128) : QColor(215, 220, 228));
        axis->setTruncateLabels(false);
    }
    chart->addAxis(categories, across ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, across ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    return chart;
}

QBarSet *setOf(QChart *chart)
{
    return static_cast<QAbstractBarSeries *>(chart->series().constFirst())->barSets().constFirst();
}

template <typename Axis>
Axis *axisOf(QChart *chart, Qt::Orientation orientation)
{
    return static_cast<Axis *>(chart->axes(orientation).constFirst());
}

QString withNote(const QString &title, const QString &note)
{
    // The note under the title in a lighter, smaller type: the chart cuts any line too
    // long for its width, and the on-screen charts are narrow.
    return note.isEmpty() ? title.toHtmlEscaped()
                          : title.toHtmlEscaped() + QStringLiteral("<br><small style=\"font-weight: normal\"><i>%1</i></small>").arg(note.toHtmlEscaped());
}

ChartLook figureLook(const QRectF &area)
{
    return {figureFont(area, 1.2, true), figureFont(area), false};
}

} // namespace

ClassFigures classFigures(const RegisterModel &model, const QList<int> &rows, int topic, const QString &note)
{
    ClassFigures figures;
    figures.topic = std::clamp(topic, 0, topicCount - 1);
    figures.note = note;
    std::array<double, topicCount> sums{};
    std::array<int, topicCount> done{};
    for (const int row : rows) {
        const PupilRecord &record = model.record(row);
        for (int t = 0; t < topicCount; ++t) {
            if (!record.topics[t].done)
                continue;
            const double score = PupilRecord::score(t, record.topics[t]);
            sums[t] += score;
            ++done[t];
            if (t == figures.topic)
                ++figures.pupilsPerScore[std::clamp(int(score), 0, 10)];
        }
    }
    for (int t = 0; t < topicCount; ++t)
        if (done[t])
            figures.averages[t] = sums[t] / done[t];
    return figures;
}

QString filterNote(const QString &filter, int shown, int all)
{
    if (filter.isEmpty())
        return {};
    return QStringLiteral("Solo gli alunni con «%1» nel nome: %2 su %3").arg(filter).arg(shown).arg(all);
}

QString averagesTitle()
{
    return QStringLiteral("Media della classe (su 10)");
}

QString distributionTitle(int topic)
{
    return QStringLiteral("Alunni per risultato (su 10): %1").arg(topicName(topic));
}

QChart *makeAveragesChart(const ChartLook &look)
{
    auto *tenths = new QValueAxis;
    tenths->setRange(0, 10);
    tenths->setTickCount(6);
    tenths->setLabelFormat(QStringLiteral("%d"));
    QChart *chart = makeChart(look, new QHorizontalBarSeries, QStringLiteral("Media su 10"), new QBarCategoryAxis, tenths, true);
    chart->setTitle(averagesTitle());
    return chart;
}

QChart *makeDistributionChart(const ChartLook &look)
{
    auto *scores = new QBarCategoryAxis;
    QStringList names;
    for (int score = 0; score <= 10; ++score)
        names << QString::number(score);
    scores->append(names);
    auto *counts = new QValueAxis;
    counts->setLabelFormat(QStringLiteral("%d"));
    return makeChart(look, new QBarSeries, QStringLiteral("Alunni"), scores, counts, false);
}

void showAverages(QChart *chart, const ClassFigures &figures)
{
    // The first topic on top, as in the table's order from the left; a topic nobody has
    // done says so instead of looking like an average of 0.
    QList<qreal> values;
    QStringList names;
    for (int topic = topicCount - 1; topic >= 0; --topic) {
        values << figures.averages[topic].value_or(0.0);
        names << (figures.averages[topic] ? topicChartName(topic) : topicChartName(topic) + QStringLiteral(" —"));
    }
    auto *topics = axisOf<QBarCategoryAxis>(chart, Qt::Vertical);
    if (topics->categories() != names)
        topics->setCategories(names);
    QBarSet *set = setOf(chart);
    set->remove(0, set->count());
    set->append(values);
    chart->setTitle(withNote(averagesTitle(), figures.note));
}

void showDistribution(QChart *chart, const ClassFigures &figures, const QString &title)
{
    QBarSet *set = setOf(chart);
    set->remove(0, set->count());
    int most = 1;
    for (const int count : figures.pupilsPerScore) {
        set->append(count);
        most = std::max(most, count);
    }
    // Whole numbers of pupils on every tick.
    const int step = (most + 4) / 5;
    const int top = step * ((most + step - 1) / step);
    auto *counts = axisOf<QValueAxis>(chart, Qt::Vertical);
    counts->setRange(0, top);
    counts->setTickCount(top / step + 1);
    chart->setTitle(withNote(title, figures.note));
}

void paintAverages(QPainter &painter, const QRectF &area, const ClassFigures &figures)
{
    QChart *chart = makeAveragesChart(figureLook(area));
    showAverages(chart, figures);
    paintChart(painter, area, chart);
}

void paintDistribution(QPainter &painter, const QRectF &area, const ClassFigures &figures)
{
    QChart *chart = makeDistributionChart(figureLook(area));
    showDistribution(chart, figures, distributionTitle(figures.topic));
    paintChart(painter, area, chart);
}

} // namespace censaria::classregister
