#include "program.h"

#include "archive/archiveproblemtext.h"
#include "archive/dailybackup.h"
#include "displayscale.h"
#include "screencatalog.h"
#include "screenkit/forms.h"
#include "screenkit/screen.h"
#include "typesize.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace censaria {

Program::Program(const Platform &platform, const QString &programFolder, const QString &accountFolder)
    : module_(platform, programFolder, accountFolder)
{
    registerScreens(module_.screens());
}

bool Program::start()
{
    typesize::load();
    applyDisplayScale(module_.displaySize());
    const ArchiveProblem problem = module_.openArchive();
    if (problem == ArchiveProblem::Unreachable || problem == ArchiveProblem::NotUpgraded) {
        // The pupils can work all the same: their results wait on this PC.
        module_.message(archiveProblemText(problem), MessageIcon::Exclamation);
    } else if (problem != ArchiveProblem::None) {
        module_.message(archiveProblemText(problem), MessageIcon::Critical);
        return false;
    }
    if (module_.dbrisultati().isServer())
        module_.startSendingQueue(); // the server keeps its own copies
    else if (!keepTodaysCopy())
        return false;
    module_.nomealunno.clear();
    module_.navigation().show(forms::menu);
    return true;
}

// False when the archive turned out damaged and the program cannot go on.
bool Program::keepTodaysCopy()
{
    const QString copies = module_.paths().resolve(QStringLiteral("perCensaria\\copie"));
    switch (keepDailyBackup(module_.dbrisultati(), copies, module_.platform().clock->now().date())) {
    case DailyBackup::Kept:
        break;
    case DailyBackup::Damaged:
        module_.dbrisultati().close();
        module_.message(archiveProblemText(ArchiveProblem::Damaged), MessageIcon::Critical);
        return false;
    case DailyBackup::NoRoom:
        module_.message(QStringLiteral("La copia di oggi dell'archivio dei risultati non è stata fatta: il disco è pieno.\n\n"
                                       "I risultati degli alunni si salvano ancora, ma senza la copia del giorno. "
                                       "Fate spazio sul disco: la copia sarà fatta al prossimo avvio di Censaria."),
                        MessageIcon::Exclamation);
        break;
    case DailyBackup::Failed:
        module_.message(QStringLiteral("La copia di oggi dell'archivio dei risultati non è stata fatta: "
                                       "non riesco a scrivere nella cartella\n%1\n\n"
                                       "I risultati degli alunni si salvano ancora, ma senza la copia del giorno.")
                            .arg(QDir::toNativeSeparators(copies)),
                        MessageIcon::Exclamation);
        break;
    }
    return true;
}

QString Program::archiveProblemText(ArchiveProblem problem)
{
    if (module_.dbrisultati().isServer())
        return serverProblemText(problem);
    return archiveFileProblemText(module_.dbrisultati(), problem);
}

QString Program::serverProblemText(ArchiveProblem problem)
{
    const Archive &archive = module_.dbrisultati();
    const QString where = archive.place();
    const QString settings = QDir::toNativeSeparators(archive.settings().settingsFile);
    switch (problem) {
    case ArchiveProblem::BadSettings:
        return QStringLiteral("Le impostazioni dell'archivio dei risultati in\n%1\nnon si possono usare: %2").arg(settings, archive.lastError());
    case ArchiveProblem::Unreachable:
        return QStringLiteral("Il server della scuola non risponde:\n%1\n\nSi può lavorare lo stesso: i risultati restano "
                              "su questo computer e saranno inviati appena il server risponde.")
            .arg(where);
    case ArchiveProblem::Refused:
        return QStringLiteral("Il server della scuola non accetta Censaria:\n%1\n\nIl nome utente «%2» o la password sono "
                              "sbagliati, oppure il server non accetta collegamenti da questo computer. "
                              "Avvisate il tecnico della scuola.\n\n%3")
            .arg(where, archive.settings().user, archive.lastError());
    case ArchiveProblem::NotUpgraded:
        return QStringLiteral("Il server della scuola non è ancora pronto per questa versione di Censaria:\n%1\n\n"
                              "Si può lavorare lo stesso: i risultati restano su questo computer e saranno inviati appena "
                              "il tecnico della scuola avrà aggiornato il server.")
            .arg(where);
    case ArchiveProblem::NoDatabase:
        return QStringLiteral("Sul server della scuola manca l'archivio dei risultati:\n%1\n\nIl database non esiste. "
                              "Avvisate il tecnico della scuola.")
            .arg(where);
    case ArchiveProblem::NotAnArchive:
        return QStringLiteral("Il database\n%1\nnon contiene le tabelle dei risultati di Censaria. "
                              "Avvisate il tecnico della scuola: le crea il comando makearchive --server.")
            .arg(where);
    default:
        return QStringLiteral("Non riesco a usare l'archivio dei risultati:\n%1\n\n%2").arg(where, archive.lastError());
    }
}

void useItalian(QApplication &application)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    auto *translator = new QTranslator(&application);
    if (translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace censaria
