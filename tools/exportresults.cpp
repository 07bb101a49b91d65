// exportresults PROGRAMFOLDER: the export of the results screen, without the screen.
// Exports PROGRAMFOLDER/perCensaria/dbcensaria.mdb to the one removable medium mounted
// now, found as the program finds it, and prints the message the teacher would see.
// Exit status: 0 exported, 1 the export failed, 2 wrong use, 3 not exactly one medium
// (the program would ask the teacher; here nobody can answer).
#include "archive/archive.h"
#include "archive/resultsexport.h"
#include "platform/datapaths.h"
#include "platform/qtplatform.h"
#include "platform/removablemedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace censaria;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    if (arguments.size() != 1) {
        QTextStream(stderr) << "usage: exportresults PROGRAMFOLDER\n";
        return 2;
    }

    const QList<Medium> media = MountedMedia().media();
    for (const Medium &medium : media)
        out << "Supporto: " << describeMedium(medium) << " in " << QDir::toNativeSeparators(medium.rootPath) << '\n';
    if (media.size() != 1) {
        out << (media.isEmpty() ? "Nessun supporto rimovibile montato" : "Più supporti rimovibili montati")
            << ": il programma chiederebbe all'insegnante dove esportare.\n";
        return 3;
    }

    const DataPaths paths = DataPaths(arguments.first()).onMedium(media.first().rootPath);
    Archive local(paths.resolve(QStringLiteral("perCensaria\\dbcensaria.mdb")));
    if (local.open() != ArchiveProblem::None) {
        out << "Archivio non leggibile: " << local.fileName() << '\n';
        return 1;
    }
    QtFileCopier files;
    ResultsExport exporter(local, paths, files);
    const ResultsExport::Outcome outcome = exporter.run();
    const QString message = ResultsExport::message(outcome);
    out << "Archivio: " << QDir::toNativeSeparators(exporter.targetPath()) << '\n';
    out << "Messaggio: " << (message.isEmpty() ? QStringLiteral("(nessuno: esportazione riuscita)") : message) << '\n';
    return outcome == ResultsExport::Outcome::Done ? 0 : 1;
}
