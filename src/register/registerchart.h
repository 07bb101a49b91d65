#pragma once

#include "registerfigures.h"

#include <QWidget>

class QChart;
class QChartView;
class QComboBox;

namespace censaria::classregister {

class RegisterFilter;

// A picture of the class beside the table: the class average of each topic, and for a
// chosen topic how many pupils scored each result. Both follow the table's filter and
// say so; each opens full-screen for the class.
class RegisterChart : public QWidget
{
    Q_OBJECT
public:
    RegisterChart(RegisterFilter *filter, QWidget *parent = nullptr);

    void refresh();
    // What the bars show now, for tests: averages per topic (in topic order), pupils per score 0..10.
    QList<double> averages() const;
    QList<int> distribution() const;
    // What the charts show, for the printed register and the full-screen view.
    const ClassFigures &figures() const { return figures_; }

private:
    QChartView *addView(const char *name, QChart *chart);
    // Which pupils the charts show, when not the whole class.
    QString noteNow() const;

    RegisterFilter *filter_;
    QComboBox *topic_;
    QChart *averagesChart_;
    QChart *distributionChart_;
    ClassFigures figures_;
};

} // namespace censaria::classregister
