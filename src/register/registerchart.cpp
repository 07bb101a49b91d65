#include "registerchart.h"
#include "screenkit/palette.h"

#include "platform/twips.h"
#include "registermodel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QValueAxis>
#include <QVBoxLayout>

namespace censaria::classregister {

RegisterChart::RegisterChart(RegisterFilter *filter, QWidget *parent)
    : QWidget(parent)
    , filter_(filter)
    , topic_(new QComboBox(this))
    , averages_(new QBarSet(QStringLiteral("Media su 10")))
    , distribution_(new QBarSet(QStringLiteral("Alunni")))
    , countAxis_(new QValueAxis)
    , topics_(new QBarCategoryAxis)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Twips::px(60));

    for (int topic = 0; topic < topicCount; ++topic)
        topic_->addItem(topicName(topic));
    auto *tenths = new QValueAxis;
    tenths->setRange(0, 10);
    tenths->setTickCount(6);
    tenths->setLabelFormat(QStringLiteral("%d"));
    // Thirteen topic names need more height than eleven scores.
    layout->addWidget(makeView(QStringLiteral("Media della classe (su 10)"), averages_, topics_, tenths, true), 3);

    topic_->setObjectName(QStringLiteral("chartTopic"));
    topic_->setFont(Twips::font(8));
    topic_->setToolTip(QStringLiteral("L'argomento di cui il grafico qui sotto conta i risultati"));
    layout->addWidget(topic_);

    auto *scores = new QBarCategoryAxis;
    QStringList scoreNames;
    for (int score = 0; score <= 10; ++score)
        scoreNames << QString::number(score);
    scores->append(scoreNames);
    countAxis_->setLabelFormat(QStringLiteral("%d"));
    layout->addWidget(makeView(QStringLiteral("Alunni per risultato (su 10)"), distribution_, scores, countAxis_, false), 2);

    connect(topic_, &QComboBox::currentIndexChanged, this, &RegisterChart::refresh);
    refresh();
}

QChartView *RegisterChart::makeView(const QString &title, QBarSet *set, QBarCategoryAxis *axis, QValueAxis *values, bool across)
{
    set->setColor(palette::dark::title);
    set->setBorderColor(QColor(128, 128, 0));
    QAbstractBarSeries *series = across ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries) : new QBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    auto *chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(title);
    QFont font = Twips::font(8, true);
    chart->setTitleFont(font);
    chart->legend()->hide();
    chart->setBackgroundBrush(palette::dark::field);
    chart->setTitleBrush(palette::dark::text);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setAnimationOptions(QChart::NoAnimation);
    for (QAbstractAxis *a : {static_cast<QAbstractAxis *>(axis), static_cast<QAbstractAxis *>(values)}) {
        a->setLabelsFont(Twips::font(6.5));
        a->setLabelsBrush(palette::dark::text);
        a->setGridLineColor(QColor(64, 64, 128));
        a->setTruncateLabels(false);
    }
    chart->addAxis(axis, across ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, across ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(axis);
    series->attachAxis(values);
    auto *view = new QChartView(chart, this);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(Twips::px(1200));
    return view;
}

void RegisterChart::refresh()
{
    const RegisterModel &model = *filter_->registerModel();
    const QList<int> rows = filter_->shownRows();
    QList<double> sums(topicCount, 0.0);
    QList<int> done(topicCount, 0);
    QList<int> counts(11, 0);
    const int chosen = std::max(0, topic_->currentIndex());
    for (const int row : rows) {
        const PupilRecord &record = model.record(row);
        for (int topic = 0; topic < topicCount; ++topic) {
            if (!record.topics[topic].done)
                continue;
            const double score = PupilRecord::score(topic, record.topics[topic]);
            sums[topic] += score;
            ++done[topic];
            if (topic == chosen)
                ++counts[std::clamp(int(score), 0, 10)];
        }
    }
    // The first topic on top, as in the table's order from the left; a topic nobody
    // has done says so instead of looking like an average of 0.
    QList<qreal> averages;
    QStringList names;
    for (int topic = topicCount - 1; topic >= 0; --topic) {
        averages << (done[topic] ? sums[topic] / done[topic] : 0.0);
        names << (done[topic] ? topicShortName(topic) : topicShortName(topic) + QStringLiteral(" —"));
    }
    if (topics_->categories() != names)
        topics_->setCategories(names);
    averages_->remove(0, averages_->count());
    averages_->append(averages);
    distribution_->remove(0, distribution_->count());
    int most = 1;
    for (const int count : counts) {
        distribution_->append(count);
        most = std::max(most, count);
    }
    // Whole numbers of pupils on every tick.
    const int step = (most + 4) / 5;
    const int top = step * ((most + step - 1) / step);
    countAxis_->setRange(0, top);
    countAxis_->setTickCount(top / step + 1);
}

QList<double> RegisterChart::averages() const
{
    QList<double> values;
    for (int i = averages_->count() - 1; i >= 0; --i)
        values << averages_->at(i);
    return values;
}

QList<int> RegisterChart::distribution() const
{
    QList<int> values;
    for (int i = 0; i < distribution_->count(); ++i)
        values << int(distribution_->at(i));
    return values;
}

} // namespace censaria::classregister
