#include "figures.h"

#include <QFile>
#include <QRegularExpression>
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

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return qQNaN();
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024 : qQNaN();
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

Report::Report(bool judged)
    : judged_(judged)
{
}

void Report::add(Figure figure)
{
    // A time that never came (a paint that never happened) is no figure at all.
    if (figure.failure.isEmpty() && !qIsFinite(figure.value))
        figure.failure = QStringLiteral("could not be measured");
    figures_.append(figure);
}

void Report::addLimit(const QString &name, double value, const QString &unit, double limit)
{
    add({name, value, unit, QStringLiteral("<= %1 %2").arg(limit).arg(unit), value / limit, 1.0, {}});
}

void Report::addRatio(const QString &name, double value, double base, const QString &unit, double maxRatio)
{
    add({name, value, unit, QStringLiteral("<= %1 x %2 %3").arg(maxRatio).arg(base, 0, 'f', 1).arg(unit), value / base, maxRatio, {}});
}

void Report::addInfo(const QString &name, double value, const QString &unit)
{
    add({name, value, unit, QString(), -1, 0, {}});
}

void Report::addFailure(const QString &name, const QString &why)
{
    add({name, qQNaN(), QString(), QString(), -1, 0, why.isEmpty() ? QStringLiteral("failed") : why});
}

void Report::print(QTextStream &out) const
{
    out << QStringLiteral("%1 %2  %3 %4  %5\n")
               .arg(QStringLiteral("figure"), -58)
               .arg(QStringLiteral("median"), 12)
               .arg(QStringLiteral("target"), -22)
               .arg(judged_ ? QStringLiteral("ratio") : QString(), 6)
               .arg(judged_ ? QStringLiteral("result") : QString());
    for (const Figure &f : figures_) {
        if (!f.failure.isEmpty()) {
            out << QStringLiteral("%1 %2  FAILED: %3\n").arg(f.name, -58).arg(QStringLiteral("-"), 12).arg(f.failure);
            continue;
        }
        const QString value = QStringLiteral("%1 %2").arg(f.value, 0, 'f', f.value < 10 ? 2 : 1).arg(f.unit);
        out << QStringLiteral("%1 %2  %3 %4  %5\n")
                   .arg(f.name, -58)
                   .arg(value, 12)
                   .arg(f.target, -22)
                   .arg(judged(f) ? QString::number(f.ratio, 'f', 2) : QString(), 6)
                   .arg(judged(f) ? (f.ratio <= f.maxRatio ? QStringLiteral("PASS") : QStringLiteral("MISS")) : QString());
    }
    if (judged_)
        out << QStringLiteral("%1 of %2 judged figures missed their target")
                   .arg(missed())
                   .arg(std::count_if(figures_.begin(), figures_.end(), [this](const Figure &f) { return judged(f); }));
    else
        out << QStringLiteral("Smoke run, nothing judged: %1 figures measured").arg(figures_.size() - failed());
    out << QStringLiteral("; %1 could not be produced.\n").arg(failed());
}

int Report::missed() const
{
    return int(std::count_if(figures_.begin(), figures_.end(), [this](const Figure &f) { return judged(f) && f.ratio > f.maxRatio; }));
}

int Report::failed() const
{
    return int(std::count_if(figures_.begin(), figures_.end(), [](const Figure &f) { return !f.failure.isEmpty(); }));
}

int Report::exitStatus() const
{
    return failed() > 0 || missed() > 0 ? 1 : 0;
}

} // namespace censaria::bench
