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

// The process's resident size now, in MiB (NaN where the system does not say).
double residentMiB();

// How much a run measures: the full run repeats every measurement, on archives of
// 10 000 pupils; the smoke run (a CTest test) measures each figure once on small ones,
// only to prove that every figure can still be produced.
struct RunSize
{
    bool smoke = false;
    int times(int full) const { return smoke ? 1 : full; }
    int pupils() const { return smoke ? 20 : 10000; }
    QString pupilsText() const { return smoke ? QStringLiteral("20") : QStringLiteral("10 000"); }
};

// The figures of one benchmark run, each with the ratio it is judged by. A figure that
// could not be produced (a screen or control not found, an export that failed) is a
// failure in any run; a smoke run judges nothing else.
class Report
{
public:
    explicit Report(bool judged = true);

    // Judged by value / limit, which must not exceed 1.
    void addLimit(const QString &name, double value, const QString &unit, double limit);
    // Judged by value / base, which must not exceed maxRatio.
    void addRatio(const QString &name, double value, double base, const QString &unit, double maxRatio);
    // Shown for explanation only.
    void addInfo(const QString &name, double value, const QString &unit);
    // A figure that could not be produced, and why.
    void addFailure(const QString &name, const QString &why);

    void print(QTextStream &out) const;
    int missed() const;
    int failed() const;
    // 0 when every figure was produced and, in a judged run, every target held.
    int exitStatus() const;

private:
    struct Figure
    {
        QString name;
        double value;
        QString unit;
        QString target;
        double ratio; // negative when the figure is not judged
        double maxRatio;
        QString failure; // why the figure could not be produced
    };
    bool judged(const Figure &figure) const { return judged_ && figure.ratio >= 0 && figure.failure.isEmpty(); }
    void add(Figure figure);

    bool judged_;
    QList<Figure> figures_;
};

} // namespace censaria::bench
