// recordresults ARCHIVE RUN [COUNT [PAUSE]]: records results into an archive through the
// program's own opening and write path, printing one line per result only after its
// commit returned: "saved NAME VALUE". Without a count it runs until a parent kills it;
// with one it stops after that many results, and a refused save ends it with "failed"
// and the reason. Without a pause, in milliseconds after each result, it writes as fast
// as it can, which no pupil does: a writer in a tight loop can keep another program
// from the archive's lock beyond its waits. For the crash tests and
// scripts/check-package, which run it under pupils' accounts; never installed.
#include "archive/archive.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3 || argc > 5)
        return 2;
    censaria::Archive archive(QString::fromLocal8Bit(argv[1]));
    if (const censaria::ArchiveProblem problem = archive.open(); problem != censaria::ArchiveProblem::None) {
        std::printf("failed to open (%d) %s\n", int(problem), qPrintable(archive.lastError()));
        return 1;
    }
    const QString run = QString::fromLocal8Bit(argv[2]);
    const long long results = argc >= 4 ? std::atoll(argv[3]) : -1;
    const long pause = argc == 5 ? std::atol(argv[4]) : 0;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int i = 0; results < 0 || i < results; ++i) {
        // A new pupil, then an update of one shared row whose count only grows.
        const QString name = QStringLiteral("ALUNNO %1-%2").arg(run).arg(i);
        if (!archive.writeResult(QStringLiteral("questionari"), name, {{2, i % 11}})) {
            std::printf("failed %s\n", qPrintable(archive.lastError()));
            return 1;
        }
        std::printf("saved %s %d\n", qPrintable(name), i % 11);
        const int count = run.toInt() * 100000 + i; // grows across runs too
        if (!archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("CONTATORE"), {{2, count}})) {
            std::printf("failed %s\n", qPrintable(archive.lastError()));
            return 1;
        }
        std::printf("counter %d\n", count);
        std::fflush(stdout);
        if (pause > 0)
            QThread::msleep(pause);
    }
    return 0;
}
