#include "figures.h"

#include <QTextStream>
#include <algorithm>

namespace censaria::bench {

double median(QList<double> samples)
{
    if (samples.isEmpty())
        return qQNaN();
    std::sort(samples.begin(), samples.end());
    const qsizetype middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

QList<double> timeRuns(int runs, const std::function<void()> &action)
{
    QList<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        samples.append(timer.nsecsElapsed() / 1e6);
    }
    return samples;
}

void Report::addLimit(const QString &name, double value, const QString &unit, double limit)
{
    figures_.append({name, value, unit, QStringLiteral("<= %1 %2").arg(limit).arg(unit), value / limit, 1.0});
}

void Report::addRatio(const QString &name, double value, double base, const QString &unit, double maxRatio)
{
    figures_.append({name, value, unit, QStringLiteral("<= %1 x %2 %3").arg(maxRatio).arg(base, 0, 'f', 1).arg(unit),
                     value / base, maxRatio});
}

void Report::addInfo(const QString &name, double value, const QString &unit)
{
    figures_.append({name, value, unit, QString(), -1, 0});
}

void Report::print(QTextStream &out) const
{
    out << QStringLiteral("%1 %2  %3 %4  %5\n")
               .arg(QStringLiteral("figure"), -46)
               .arg(QStringLiteral("median"), 14)
               .arg(QStringLiteral("target"), -22)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("result"));
    for (const Figure &f : figures_) {
        const QString value = QStringLiteral("%1 %2").arg(f.value, 0, 'f', f.value < 10 ? 2 : 1).arg(f.unit);
        const bool judged = f.ratio >= 0;
        out << QStringLiteral("%1 %2  %3 %4  %5\n")
                   .arg(f.name, -46)
                   .arg(value, 14)
                   .arg(f.target, -22)
                   .arg(judged ? QString::number(f.ratio, 'f', 2) : QString(), 6)
                   .arg(judged ? (f.ratio <= f.maxRatio ? QStringLiteral("PASS") : QStringLiteral("MISS")) : QString());
    }
    out << QStringLiteral("%1 of %2 judged figures missed their target.\n")
               .arg(missed())
               .arg(std::count_if(figures_.begin(), figures_.end(), [](const Figure &f) { return f.ratio >= 0; }));
}

int Report::missed() const
{
    return int(std::count_if(figures_.begin(), figures_.end(), [](const Figure &f) { return f.ratio > f.maxRatio; }));
}

} // namespace censaria::bench
