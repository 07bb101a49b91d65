#pragma once

#include <QWidget>

class QComboBox;
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;
class QChartView;

namespace censaria::classregister {

class RegisterFilter;

// A picture of the class beside the table: the class average of each topic, and for a
// chosen topic how many pupils scored each result. Both follow the table's filter.
class RegisterChart : public QWidget
{
    Q_OBJECT
public:
    RegisterChart(RegisterFilter *filter, QWidget *parent = nullptr);

    void refresh();
    // What the bars show now, for tests: averages per topic (in topic order), pupils per score 0..10.
    QList<double> averages() const;
    QList<int> distribution() const;

private:
    // across: bars lying across, with the topic names beside them.
    QChartView *makeView(const QString &title, QBarSet *set, QBarCategoryAxis *axis, QValueAxis *values, bool across);

    RegisterFilter *filter_;
    QComboBox *topic_;
    QBarSet *averages_;
    QBarSet *distribution_;
    QValueAxis *countAxis_;
    QBarCategoryAxis *topics_;
};

} // namespace censaria::classregister
