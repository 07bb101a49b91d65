#include "program.h"

#include "archive/dailybackup.h"
#include "displayscale.h"
#include "forms.h"
#include "screen.h"
#include "typesize.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace censaria {

Program::Program(const Platform &platform, const QString &programFolder)
    : module_(platform, programFolder)
{
}

bool Program::start()
{
    typesize::load(module_);
    applyDisplayScale(module_.displaySize());
    if (const ArchiveProblem problem = module_.openArchive(); problem != ArchiveProblem::None) {
        module_.message(archiveProblemText(problem), MessageIcon::Critical);
        return false;
    }
    keepDailyBackup(module_.dbrisultati(), module_.paths().resolve(QStringLiteral("perCensaria\\copie")),
                    module_.platform().clock->now().date());
    module_.nomealunno.clear();
    module_.navigation().show(forms::menu);
    return true;
}

QString Program::archiveProblemText(ArchiveProblem problem)
{
    const QString file = QDir::toNativeSeparators(module_.dbrisultati().fileName());
    switch (problem) {
    case ArchiveProblem::Missing:
        return QStringLiteral("Non trovo l'archivio dei risultati:\n%1\n\nIl file non esiste. "
                              "Reinstalla Censaria oppure rimetti l'archivio nella cartella perCensaria accanto al programma.")
            .arg(file);
    case ArchiveProblem::OldFormat:
        return QStringLiteral("L'archivio dei risultati\n%1\nè nel vecchio formato di Microsoft Access.\n\n"
                              "Deve essere convertito nel formato di questa versione di Censaria prima di poterlo usare.")
            .arg(file);
    case ArchiveProblem::NotAnArchive:
        return QStringLiteral("Il file\n%1\nnon è un archivio dei risultati di Censaria: è danneggiato oppure è un file di altro tipo.")
            .arg(file);
    case ArchiveProblem::Damaged:
        return QStringLiteral("L'archivio dei risultati\n%1\nè danneggiato: Censaria non lo usa, per non rovinare i risultati che contiene.\n\n"
                              "Avvisate l'insegnante: può rimettere al suo posto una copia dei giorni scorsi, "
                              "dalla cartella perCensaria\\copie (vedi il file LEGGIMI.txt).")
            .arg(file);
    case ArchiveProblem::ReadOnly:
        return QStringLiteral("L'archivio dei risultati\n%1\nè protetto da scrittura: i risultati degli alunni non potrebbero essere salvati.")
            .arg(file);
    case ArchiveProblem::Unreadable:
    case ArchiveProblem::None:
        break;
    }
    return QStringLiteral("Non riesco a leggere l'archivio dei risultati:\n%1\n\n%2").arg(file, module_.dbrisultati().lastError());
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
