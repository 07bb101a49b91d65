#include "archiveproblemtext.h"

#include <QDir>
#include <QFileInfo>

namespace censaria {

QString archiveFileProblemText(const Archive &archive, ArchiveProblem problem)
{
    const QString file = QDir::toNativeSeparators(archive.fileName());
    const bool collected = archive.isReadOnly();
    // The folder where the journal really goes: the archive may be reached through a link.
    const QFileInfo info(archive.fileName());
    const QString folder = QDir::toNativeSeparators(
        QFileInfo(info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath()).absolutePath());
    switch (problem) {
    case ArchiveProblem::Missing:
        if (collected)
            return QStringLiteral("Il file\n%1\nnon esiste.").arg(file);
        return QStringLiteral("Non trovo l'archivio dei risultati:\n%1\n\nIl file non esiste. "
                              "Reinstalla Censaria oppure rimetti l'archivio nella cartella perCensaria accanto al programma.")
            .arg(file);
    case ArchiveProblem::Folder:
        if (collected)
            return QStringLiteral("Al posto del file\n%1\nc'è una cartella con lo stesso nome.").arg(file);
        return QStringLiteral("Non trovo l'archivio dei risultati:\n%1\n\nAl posto del file c'è una cartella con lo stesso nome. "
                              "Spostate quella cartella e rimettete l'archivio dbcensaria.mdb al suo posto.")
            .arg(file);
    case ArchiveProblem::NotPermitted:
        if (collected)
            return QStringLiteral("Non posso leggere il file\n%1\n\nQuesto utente non ha il permesso di leggerlo.").arg(file);
        return QStringLiteral("Non posso leggere l'archivio dei risultati:\n%1\n\nQuesto utente non ha il permesso di leggere il file. "
                              "Chiedete a chi amministra il computer di dare agli alunni il permesso di leggerlo e scriverlo.")
            .arg(file);
    case ArchiveProblem::OtherColumns:
        if (collected)
            return QStringLiteral("Il file\n%1\nha le tabelle dell'archivio dei risultati, ma con colonne diverse da quelle di Censaria (%2).")
                .arg(file, archive.lastError());
        return QStringLiteral("Il file\n%1\nha le tabelle dell'archivio dei risultati, ma con colonne diverse da quelle di Censaria "
                              "(%2): i risultati non potrebbero essere salvati.\n\n"
                              "Rimettete al suo posto l'archivio di Censaria o una sua copia dalla cartella perCensaria\\copie.")
            .arg(file, archive.lastError());
    case ArchiveProblem::FolderReadOnly:
        return QStringLiteral("L'archivio dei risultati non si può scrivere: nella cartella\n%1\nquesto utente non ha il permesso "
                              "di scrivere, e Censaria ne ha bisogno per salvare i risultati in modo sicuro.\n\n"
                              "Chiedete a chi amministra il computer di dare agli alunni il permesso di scrivere in quella cartella.")
            .arg(folder);
    case ArchiveProblem::Busy:
        if (collected)
            return QStringLiteral("Il file\n%1\nè in uso da un altro programma, che non lo lascia leggere a Censaria.\n\n"
                                  "Chiudete l'altro programma (o aspettate che finisca) e riprovate.")
                .arg(file);
        return QStringLiteral("L'archivio dei risultati\n%1\nè in uso da un altro programma, che non lo lascia usare a Censaria.\n\n"
                              "Chiudete l'altro programma (o aspettate che finisca) e avviate di nuovo Censaria. "
                              "L'archivio in sé non ha problemi: basta che l'altro programma lo lasci libero.")
            .arg(file);
    case ArchiveProblem::OldFormat:
        return QStringLiteral("L'archivio dei risultati\n%1\nè nel vecchio formato di Microsoft Access.\n\n"
                              "Deve essere convertito nel formato di questa versione di Censaria prima di poterlo usare.")
            .arg(file);
    case ArchiveProblem::NotAnArchive:
        return QStringLiteral("Il file\n%1\nnon è un archivio dei risultati di Censaria: è danneggiato oppure è un file di altro tipo.")
            .arg(file);
    case ArchiveProblem::Damaged:
        if (collected)
            return QStringLiteral("L'archivio dei risultati\n%1\nè danneggiato: Censaria non lo legge, per non mostrare risultati sbagliati.")
                .arg(file);
        return QStringLiteral("L'archivio dei risultati\n%1\nè danneggiato: Censaria non lo usa, per non rovinare i risultati che contiene.\n\n"
                              "Avvisate l'insegnante: può rimettere al suo posto una copia dei giorni scorsi, "
                              "dalla cartella perCensaria\\copie (vedi il file LEGGIMI.txt).")
            .arg(file);
    case ArchiveProblem::ReadOnly:
        return QStringLiteral("L'archivio dei risultati\n%1\nè protetto da scrittura: i risultati degli alunni non potrebbero essere salvati.")
            .arg(file);
    default: break;
    }
    return QStringLiteral("Non riesco a leggere l'archivio dei risultati:\n%1\n\n%2").arg(file, archive.lastError());
}

} // namespace censaria
