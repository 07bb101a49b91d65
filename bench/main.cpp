// censariabench: every figure of Censaria's benchmarks in one run, each with the
// ratio it is judged by. Run it through scripts/bench, which builds it in Release.
#include "app/program.h"
#include "bencharchive.h"
#include "benchregister.h"
#include "benchrtf.h"
#include "benchpopulations.h"
#include "benchscreens.h"
#include "benchstartup.h"
#include "figures.h"
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
    // Every process of the run, children included, paints offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    censaria::useItalian(application);
    if (application.arguments().contains(QStringLiteral("--screens-child")))
        return censaria::bench::runScreensChild();

    QTextStream out(stdout);
    out << "Censaria benchmarks: " << processorName() << ", " << QThread::idealThreadCount() << " cores, "
        << QSysInfo::prettyProductName() << ", Qt " << QLibraryInfo::version().toString()
        << ", offscreen platform. Times are medians of repeated runs.\n\n";
    out.flush();

    QTemporaryDir work;
    censaria::bench::Report report;
    const QString startupFolder = censaria::TestProgram::makeProgramFolder(QDir(work.path()).filePath(QStringLiteral("startup")));
    censaria::bench::benchStartup(report, QCoreApplication::applicationDirPath(), startupFolder, 21);
    censaria::bench::benchScreens(report, QCoreApplication::applicationFilePath(), 5);
    censaria::bench::benchPopulations(report);
    censaria::bench::benchArchive(report, QDir(work.path()).filePath(QStringLiteral("archive")));
    censaria::bench::benchRegister(report, QDir(work.path()).filePath(QStringLiteral("register")));
    censaria::bench::benchRtf(report, QDir(startupFolder).filePath(QStringLiteral("perCensaria")));
    report.print(out);
    return report.missed() == 0 ? 0 : 1;
}
