#include "benchstartup.h"

#include "figures.h"

#include <QDir>
#include <QProcess>

namespace censaria::bench {
namespace {

// Milliseconds from starting the process to its end; NaN when it failed.
double timeProcess(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return qQNaN();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? ms : qQNaN();
}

bool allMeasured(const QList<double> &times)
{
    return std::all_of(times.begin(), times.end(), [](double ms) { return qIsFinite(ms); });
}

} // namespace

void benchStartup(Report &report, const QString &binaryFolder, const QString &programFolder, const RunSize &size)
{
    const QString bare = QDir(binaryFolder).filePath(QStringLiteral("barewindow"));
    const QString probe = QDir(binaryFolder).filePath(QStringLiteral("startupprobe"));
    // A first run of each fills the disk cache and makes the daily backup; the program's
    // also keeps the menu's pictures in the account's cache, as a pupil's first start does.
    timeProcess(bare, {});
    timeProcess(probe, {programFolder, QStringLiteral("answering")});
    QList<double> bareTimes;
    QList<double> probeTimes;
    QList<double> answeringTimes;
    for (int i = 0; i < size.times(21); ++i) {
        bareTimes.append(timeProcess(bare, {}));
        probeTimes.append(timeProcess(probe, {programFolder}));
        answeringTimes.append(timeProcess(probe, {programFolder, QStringLiteral("answering")}));
    }
    if (!allMeasured(bareTimes)) {
        report.addFailure(QStringLiteral("start-up of a bare Qt Widgets window"), QStringLiteral("barewindow never painted"));
        return;
    }
    const double base = median(bareTimes);
    report.addInfo(QStringLiteral("start-up of a bare Qt Widgets window"), base, QStringLiteral("ms"));
    if (!allMeasured(probeTimes) || !allMeasured(answeringTimes)) {
        report.addFailure(QStringLiteral("start-up, exec to main menu painted"), QStringLiteral("startupprobe failed or never painted"));
        return;
    }
    report.addRatio(QStringLiteral("start-up, exec to main menu painted"), median(probeTimes), base, QStringLiteral("ms"), 1.5);
    // Until then the menu is the picture of itself kept at the last start; its buttons
    // follow, with the archive's checks, before a click is handled.
    report.addInfo(QStringLiteral("start-up, exec to main menu answering"), median(answeringTimes), QStringLiteral("ms"));
}

} // namespace censaria::bench
