#include "resultsexport.h"

#include "archive.h"
#include "platform/datapaths.h"
#include "platform/platform.h"
#include "resulttopics.h"

#include <QFile>
#include <QFileInfo>

namespace censaria {

ResultsExport::ResultsExport(Archive &local, const DataPaths &paths, FileCopier &files)
    : local_(local)
    , paths_(paths)
    , files_(files)
{
}

QString ResultsExport::targetPath() const
{
    return paths_.resolve(QStringLiteral("A:\\exportcensa.mdb"));
}

ResultsExport::Outcome ResultsExport::run()
{
    if (!QFileInfo(paths_.driveARoot()).isDir())
        return Outcome::NoMedia;
    const QString target = targetPath();
    if (!QFileInfo::exists(target) && !putEmptyArchiveOnMedia(target))
        return Outcome::NotWritten;

    Archive collecting(target);
    switch (collecting.open()) {
    case ArchiveProblem::None:
        break;
    case ArchiveProblem::ReadOnly:
        return Outcome::NotWritten;
    default:
        return Outcome::NoMedia;
    }

    const auto questionnaires = local_.storedRows(resulttopics::questionnaireTable);
    const auto exercises = local_.storedRows(resulttopics::exerciseTable);
    if (!questionnaires || !exercises)
        return Outcome::LocalUnreadable;
    const bool written = collecting.appendTables({{resulttopics::questionnaireTable, *questionnaires},
                                                  {resulttopics::exerciseTable, *exercises}});
    return written ? Outcome::Done : Outcome::NotWritten;
}

bool ResultsExport::putEmptyArchiveOnMedia(const QString &target)
{
    const QString empty = paths_.resolve(QStringLiteral("perCensaria\\exportcensa.mdb"));
    if (files_.copy(empty, target)) {
        // The copy keeps the template's permissions; an installed read-only template
        // would otherwise make every new medium refuse the rows.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::WriteUser);
        return true;
    }
    // A copy cut short (a full medium) must not be taken for an archive next time.
    QFile::remove(target);
    return false;
}

QString ResultsExport::message(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done:
        return {};
    case Outcome::NoMedia:
        return QStringLiteral("C'è un problema...");
    case Outcome::NotWritten:
        return QStringLiteral("Probabilmente non hai inserito un Floppy nuovo. Inseriscilo e riprova.");
    case Outcome::LocalUnreadable:
        return QStringLiteral("Non riesco a leggere l'archivio dei risultati di questo computer: "
                              "non è stato esportato nessun risultato.");
    }
    return {};
}

} // namespace censaria
