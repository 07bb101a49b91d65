#pragma once

#include "growthsimulation.h"

#include <QChartView>

class QCategoryAxis;
class QLabel;
class QLineSeries;
class QPainter;

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
    void showAxes(bool visible);

    QLineSeries *series_;
    QCategoryAxis *populationAxis_;
    QCategoryAxis *yearAxis_;
    QLabel *emptyHint_;
};

// The same graph drawn into any rectangle (the whole display, a page), its type and
// lines following the rectangle's size.
void paintGrowthGraph(QPainter &painter, const QRectF &area, const QString &title, const QList<qint32> &values, const GraphScale &scale);

// What the empty graph says.
QString emptyGraphHint();

} // namespace censaria
