#include "benchstartup.h"

#include "figures.h"

#include <QDir>
#include <QProcess>

namespace censaria::bench {
namespace {

// Milliseconds from starting the process to its end; negative when it failed.
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
        return -1;
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? ms : -1;
}

} // namespace

void benchStartup(Report &report, const QString &binaryFolder, const QString &programFolder, int runs)
{
    const QString bare = QDir(binaryFolder).filePath(QStringLiteral("barewindow"));
    const QString probe = QDir(binaryFolder).filePath(QStringLiteral("startupprobe"));
    // A first run of each fills the disk cache and makes the daily backup.
    timeProcess(bare, {});
    timeProcess(probe, {programFolder});
    QList<double> bareTimes;
    QList<double> probeTimes;
    for (int i = 0; i < runs; ++i) {
        bareTimes.append(timeProcess(bare, {}));
        probeTimes.append(timeProcess(probe, {programFolder}));
    }
    if (bareTimes.contains(-1) || probeTimes.contains(-1)) {
        report.addLimit(QStringLiteral("start-up: a process never painted (FAILED)"), qInf(), QStringLiteral("ms"), 1);
        return;
    }
    const double base = median(bareTimes);
    report.addInfo(QStringLiteral("start-up of a bare Qt Widgets window"), base, QStringLiteral("ms"));
    report.addRatio(QStringLiteral("start-up, exec to main menu painted"), median(probeTimes), base, QStringLiteral("ms"), 1.5);
}

} // namespace censaria::bench
