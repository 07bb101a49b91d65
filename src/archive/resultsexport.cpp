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
    if (!QFileInfo::exists(target)) {
        if (!QFileInfo::exists(templatePath()))
            return Outcome::NoTemplate;
        if (!putEmptyArchiveOnMedia(target))
            return Outcome::NotWritten;
    }

    Archive collecting(target);
    switch (collecting.open()) {
    case ArchiveProblem::None: break;
    case ArchiveProblem::ReadOnly: return Outcome::NotWritten;
    default: return Outcome::NoMedia;
    }

    const auto questionnaires = local_.storedRows(resulttopics::questionnaireTable);
    const auto exercises = local_.storedRows(resulttopics::exerciseTable);
    if (!questionnaires || !exercises)
        return Outcome::LocalUnreadable;
    const bool written = collecting.appendTables(
        {{resulttopics::questionnaireTable, *questionnaires}, {resulttopics::exerciseTable, *exercises}});
    if (written)
        return Outcome::Done;
    return collecting.lastFailure() == ArchiveFailure::Refused ? Outcome::NotAccepted : Outcome::NotWritten;
}

QString ResultsExport::templatePath() const
{
    return paths_.resolve(QStringLiteral("perCensaria\\exportcensa.mdb"));
}

bool ResultsExport::putEmptyArchiveOnMedia(const QString &target)
{
    if (files_.copy(templatePath(), target)) {
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
    case Outcome::Done: return {};
    case Outcome::NoMedia: return QStringLiteral("C'è un problema...");
    case Outcome::NotWritten: return QStringLiteral("Probabilmente non hai inserito un Floppy nuovo. Inseriscilo e riprova.");
    case Outcome::NotAccepted:
        return QStringLiteral("L'archivio sul supporto di esportazione non ha accettato tutti i risultati: "
                              "non è stato esportato nessun risultato.\n\n"
                              "Usate un supporto nuovo, sul quale Censaria creerà un archivio vuoto.");
    case Outcome::NoTemplate:
        return QStringLiteral("Manca un file di Censaria: l'archivio vuoto exportcensa.mdb nella cartella perCensaria "
                              "accanto al programma. Senza di esso non si può iniziare l'esportazione su un supporto nuovo.\n\n"
                              "Reinstallate Censaria.");
    case Outcome::LocalUnreadable:
        return QStringLiteral("Non riesco a leggere l'archivio dei risultati di questo computer: "
                              "non è stato esportato nessun risultato.");
    }
    return {};
}

} // namespace censaria
