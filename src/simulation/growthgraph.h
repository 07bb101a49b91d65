#pragma once

#include "growthsimulation.h"

#include <QChartView>

class QCategoryAxis;
class QLabel;
class QLineSeries;

namespace censaria {

// The graph of the stored populations: one line, one marked point per year.
class GrowthGraph : public QChartView
{
    Q_OBJECT
public:
    explicit GrowthGraph(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    // Draws the values from the first year on against the given scale.
    void draw(const QList<qint32> &values, const GraphScale &scale);
    // Clears all data; the graph stays empty until the next drawing.
    void clearData();

    QLineSeries *series() const { return series_; }
    QCategoryAxis *populationAxis() const { return populationAxis_; }
    QCategoryAxis *yearAxis() const { return yearAxis_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeYearLabels(const GraphScale &scale);
    void placePopulationLabels(const GraphScale &scale);
    void showAxes(bool visible);

    QLineSeries *series_;
    QCategoryAxis *populationAxis_;
    QCategoryAxis *yearAxis_;
    QLabel *emptyHint_;
};

} // namespace censaria
