// dailycopy ARCHIVE FOLDER: keeps today's copy of the results archive in FOLDER (7 daily,
// 4 weekly and 6 monthly copies), after the archive's full check. Run once a day by the
// package's systemd timer as a system user of its own, which may read the archive and
// write only FOLDER; the archive is opened read-only and never through a link.
// Exit status: 0 copy kept, 1 archive unusable or damaged, 2 usage, 3 copy not written.
#include "archive/archive.h"
#include "archive/dailybackup.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: dailycopy ARCHIVE FOLDER\n";
        return 2;
    }
    if (QFileInfo(arguments[0]).isSymLink()) {
        err << arguments[0] << " is a symbolic link, not the archive: no copy made\n";
        return 1;
    }
    censaria::Archive archive(arguments[0]);
    if (const censaria::ArchiveProblem problem = archive.openReadOnly(); problem != censaria::ArchiveProblem::None) {
        err << "cannot open " << arguments[0] << " (problem " << int(problem) << "): " << archive.lastError() << '\n';
        return 1;
    }
    switch (censaria::keepDailyBackup(archive, arguments[1], QDate::currentDate())) {
    case censaria::DailyBackup::Kept: return 0;
    case censaria::DailyBackup::Damaged: err << arguments[0] << " is damaged, no copy made: " << archive.lastError() << '\n'; return 1;
    case censaria::DailyBackup::NoRoom:
    case censaria::DailyBackup::Failed: err << "no copy written in " << arguments[1] << ": " << archive.lastError() << '\n'; return 3;
    }
    return 3;
}
