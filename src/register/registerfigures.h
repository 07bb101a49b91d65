#pragma once

#include "pupilrecord.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class QChart;
class QPainter;
class QRectF;

namespace censaria::classregister {

class RegisterModel;

// What the register's two charts show, over the pupils shown.
struct ClassFigures
{
    std::array<std::optional<double>, topicCount> averages{}; // nullopt: nobody has done it
    int topic = 0;                                            // whose results the second chart counts
    std::array<int, 11> pupilsPerScore{};
    QString note; // which pupils, when not the whole class
};
ClassFigures classFigures(const RegisterModel &model, const QList<int> &rows, int topic, const QString &note = {});

// The note of a chart that shows only the pupils found by a name: empty without one.
QString filterNote(const QString &filter, int shown, int all);

// The look of the charts: on the dark screen, or on white (the whole display, paper).
struct ChartLook
{
    QFont title;
    QFont labels;
    bool dark = false;
};
QChart *makeAveragesChart(const ChartLook &look);
QChart *makeDistributionChart(const ChartLook &look);
// Puts the figures into a chart made by the functions above.
void showAverages(QChart *chart, const ClassFigures &figures);
void showDistribution(QChart *chart, const ClassFigures &figures, const QString &title);

QString averagesTitle();
QString distributionTitle(int topic);

// The charts drawn into any rectangle: the whole display, a page.
void paintAverages(QPainter &painter, const QRectF &area, const ClassFigures &figures);
void paintDistribution(QPainter &painter, const QRectF &area, const ClassFigures &figures);

} // namespace censaria::classregister
