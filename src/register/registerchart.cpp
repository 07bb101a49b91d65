#include "registerchart.h"

#include "platform/twips.h"
#include "registermodel.h"
#include "screenkit/figureview.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QAbstractBarSeries>
#include <QVBoxLayout>

namespace censaria::classregister {

RegisterChart::RegisterChart(RegisterFilter *filter, QWidget *parent)
    : QWidget(parent)
    , filter_(filter)
    , topic_(new QComboBox(this))
    , averagesChart_(makeAveragesChart({Twips::font(8, true), Twips::font(6.5), true}))
    , distributionChart_(makeDistributionChart({Twips::font(8, true), Twips::font(6.5), true}))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Twips::px(60));

    for (int topic = 0; topic < topicCount; ++topic)
        topic_->addItem(topicName(topic));
    // Thirteen topic names need more height than eleven scores.
    QChartView *averages = addView("averagesChart", averagesChart_);
    layout->addWidget(averages, 3);
    offerFullScreen(
        averages, [] { return averagesTitle(); }, [this](QPainter &painter, const QRectF &area) { paintAverages(painter, area, figures_); });

    topic_->setObjectName(QStringLiteral("chartTopic"));
    topic_->setFont(Twips::font(8));
    topic_->setToolTip(QStringLiteral("L'argomento di cui il grafico qui sotto conta i risultati"));
    layout->addWidget(topic_);

    QChartView *distribution = addView("distributionChart", distributionChart_);
    layout->addWidget(distribution, 2);
    offerFullScreen(
        distribution, [this] { return distributionTitle(figures_.topic); },
        [this](QPainter &painter, const QRectF &area) { paintDistribution(painter, area, figures_); });

    connect(topic_, &QComboBox::currentIndexChanged, this, &RegisterChart::refresh);
    // A new name to look for may find the same pupils: the note still says what was sought.
    connect(filter_, &RegisterFilter::filterChanged, this, [this] {
        if (noteNow() != figures_.note)
            refresh();
    });
    refresh();
}

QChartView *RegisterChart::addView(const char *name, QChart *chart)
{
    auto *view = new QChartView(chart, this);
    view->setObjectName(QString::fromUtf8(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(Twips::px(1200));
    return view;
}

QString RegisterChart::noteNow() const
{
    return filterNote(filter_->nameFilter(), filter_->rowCount(), filter_->registerModel()->rowCount());
}

void RegisterChart::refresh()
{
    const QList<int> rows = filter_->shownRows();
    figures_ = classFigures(*filter_->registerModel(), rows, std::max(0, topic_->currentIndex()), noteNow());
    showAverages(averagesChart_, figures_);
    showDistribution(distributionChart_, figures_, QStringLiteral("Alunni per risultato (su 10)"));
}

namespace {

QBarSet *barsOf(QChart *chart)
{
    return static_cast<QAbstractBarSeries *>(chart->series().constFirst())->barSets().constFirst();
}

} // namespace

QList<double> RegisterChart::averages() const
{
    const QBarSet *bars = barsOf(averagesChart_);
    QList<double> values;
    for (int i = bars->count() - 1; i >= 0; --i)
        values << bars->at(i);
    return values;
}

QList<int> RegisterChart::distribution() const
{
    const QBarSet *bars = barsOf(distributionChart_);
    QList<int> values;
    for (int i = 0; i < bars->count(); ++i)
        values << int(bars->at(i));
    return values;
}

} // namespace censaria::classregister
