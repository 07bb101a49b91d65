// loadpc SETTINGS QUEUE PC COUNT [--drain SECONDS] [--send-only]
// Stands for one classroom PC under load: records COUNT results, each for pupil
// "PC<PC> ALUNNO<i/10>", topic i%10 of "questionari", into the archive the settings
// file names, queueing what the server cannot take, as the program does. Then, with
// --drain, keeps sending its queue for up to SECONDS until it is empty.
// With --send-only it records nothing and only sends the queue.
// Prints "saved S queued Q lost L waiting W" and then each recording time in
// microseconds, one a line. Exit status 0 when nothing was lost and nothing waits.
#include "archive/archive.h"
#include "archive/resultwriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool sendOnly = arguments.removeAll(QStringLiteral("--send-only")) > 0;
    int drainSeconds = 0;
    if (const int at = arguments.indexOf(QStringLiteral("--drain")); at >= 0 && at + 1 < arguments.size()) {
        drainSeconds = arguments[at + 1].toInt();
        arguments.remove(at, 2);
    }
    QTextStream out(stdout);
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: loadpc SETTINGS QUEUE PC COUNT [--drain SECONDS] [--send-only]\n";
        return 2;
    }
    const int pc = arguments[2].toInt();
    const int count = arguments[3].toInt();
    censaria::Archive archive(censaria::loadArchiveSettings({arguments[0]}), QString());
    const censaria::ArchiveProblem problem = archive.open();
    if (problem != censaria::ArchiveProblem::None && problem != censaria::ArchiveProblem::Unreachable) {
        QTextStream(stderr) << "cannot open the archive: " << archive.lastError() << '\n';
        return 3;
    }
    censaria::ResultWriter writer(archive, arguments[1]);
    int saved = 0, queued = 0, lost = 0;
    QList<qint64> times;
    const QDateTime start(QDate(2026, 3, 2), QTime(8, 0));
    for (int i = 0; !sendOnly && i < count; ++i) {
        const int topic = i % 10;
        QElapsedTimer timer;
        timer.start();
        const censaria::Recorded recorded = writer.record(QStringLiteral("questionari"), QStringLiteral("PC%1 ALUNNO%2").arg(pc).arg(i / 10),
                                                          {{2 + 2 * topic, (i * 7 + pc) % 11}, {3 + 2 * topic, start.addSecs(i)}});
        times.append(timer.nsecsElapsed() / 1000);
        saved += recorded == censaria::Recorded::Saved;
        queued += recorded == censaria::Recorded::Queued;
        lost += recorded == censaria::Recorded::Lost;
    }
    QElapsedTimer draining;
    draining.start();
    writer.sendQueue();
    while (writer.waiting() > 0 && draining.elapsed() < drainSeconds * 1000) {
        QThread::msleep(300);
        writer.sendQueue();
    }
    const int waiting = writer.waiting();
    out << "saved " << saved << " queued " << queued << " lost " << lost << " waiting " << waiting << '\n';
    for (qint64 time : times)
        out << time << '\n';
    return lost == 0 && waiting == 0 ? 0 : 1;
}
