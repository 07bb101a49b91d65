// censariabench: every figure of Censaria's benchmarks in one run, each with the
// ratio it is judged by. Run it through scripts/bench, which builds it in Release.
// With --smoke (the CTest test) every figure is measured once, on small archives, and
// nothing is judged: the run fails only when a figure cannot be produced.
#include "app/program.h"
#include "bencharchive.h"
#include "benchregister.h"
#include "benchrtf.h"
#include "benchpopulations.h"
#include "benchscreens.h"
#include "benchstartup.h"
#include "figures.h"
#include "quietoffscreen.h"
#include "testsupport/censariatest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

QString processorName()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray &line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
    return QSysInfo::currentCpuArchitecture();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool child = QByteArrayList(argv, argv + argc).contains("--screens-child");
    // Every process of the run, children included, paints offscreen, with a runtime
    // folder of its own (a machine without a desktop session has none) and a cache
    // folder that starts empty, as a new account's.
    QTemporaryDir runtime;
    if (!child) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(runtime.filePath(QStringLiteral("cache"))));
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepOffscreenNoiseOut();
    QApplication application(argc, argv);
    censaria::useItalian(application);
    censaria::bench::RunSize size;
    size.smoke = application.arguments().contains(QStringLiteral("--smoke"));
    if (child)
        return censaria::bench::runScreensChild(size);

    QTextStream out(stdout);
    out << "Censaria benchmarks" << (size.smoke ? " (smoke run)" : "") << ": " << processorName() << ", " << QThread::idealThreadCount()
        << " cores, " << QSysInfo::prettyProductName() << ", Qt " << QLibraryInfo::version().toString() << ", offscreen platform. "
        << (size.smoke ? "Each figure measured once.\n\n" : "Times are medians of repeated runs.\n\n");
    out.flush();

    QTemporaryDir work;
    censaria::bench::Report report(!size.smoke);
    const QString startupFolder = censaria::TestProgram::makeProgramFolder(QDir(work.path()).filePath(QStringLiteral("startup")));
    censaria::bench::benchStartup(report, QCoreApplication::applicationDirPath(), startupFolder, size);
    censaria::bench::benchScreens(report, QCoreApplication::applicationFilePath(), size);
    censaria::bench::benchPopulations(report);
    censaria::bench::benchArchive(report, QDir(work.path()).filePath(QStringLiteral("archive")), size);
    censaria::bench::benchRegister(report, QDir(work.path()).filePath(QStringLiteral("register")), size);
    censaria::bench::benchRtf(report, QDir(startupFolder).filePath(QStringLiteral("perCensaria")), size);
    report.print(out);
    return report.exitStatus();
}
