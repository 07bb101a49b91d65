#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <functional>

class QTextStream;

namespace censaria::bench {

double median(QList<double> samples);

// Milliseconds taken by each of runs calls of action.
QList<double> timeRuns(int runs, const std::function<void()> &action);

// The figures of one benchmark run, each with the ratio it is judged by.
class Report
{
public:
    // Judged by value / limit, which must not exceed 1.
    void addLimit(const QString &name, double value, const QString &unit, double limit);
    // Judged by value / base, which must not exceed maxRatio.
    void addRatio(const QString &name, double value, double base, const QString &unit, double maxRatio);
    // Shown for explanation only.
    void addInfo(const QString &name, double value, const QString &unit);

    void print(QTextStream &out) const;
    int missed() const;

private:
    struct Figure
    {
        QString name;
        double value;
        QString unit;
        QString target;
        double ratio;    // negative when the figure is not judged
        double maxRatio;
    };
    QList<Figure> figures_;
};

} // namespace censaria::bench
