#include "program.h"

#include "archive/dailybackup.h"
#include "displayscale.h"
#include "screencatalog.h"
#include "screenkit/forms.h"
#include "screenkit/screen.h"
#include "typesize.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace censaria {
namespace {

// Runs an action once, as soon as a window has been painted for the first time, then
// goes (it belongs to the window until then).
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *window, std::function<void()> action)
        : QObject(window)
        , window_(window)
        , action_(std::move(action))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == window_) {
            qApp->removeEventFilter(this);
            // Queued, so that the rest of the window is painted and shown first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *window_;
    std::function<void()> action_;
};

} // namespace

Program::Program(const Platform &platform, const QString &programFolder)
    : module_(platform, programFolder)
{
    registerScreens(module_.screens());
}

bool Program::start()
{
    prepareDisplay();
    module_.openArchiveLater([this] { return openArchive(); });
    if (!module_.archiveReady())
        return false;
    showMenu();
    return true;
}

void Program::launch()
{
    prepareDisplay();
    module_.openArchiveLater([this] {
        if (openArchive())
            return true;
        module_.exitProgram(1);
        return false;
    });
    showMenu();
    // The archive's checks are no part of the menu's first picture.
    new AfterFirstPaint(module_.screens().get(forms::menu), [this] { module_.archiveReady(); });
}

void Program::prepareDisplay()
{
    typesize::load(module_);
    applyDisplayScale(module_.displaySize());
}

void Program::showMenu()
{
    module_.nomealunno.clear();
    module_.navigation().show(forms::menu);
}

bool Program::openArchive()
{
    const ArchiveProblem problem = module_.openArchive();
    if (problem == ArchiveProblem::Unreachable) {
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
    const QString file = QDir::toNativeSeparators(module_.dbrisultati().fileName());
    // The folder where the journal really goes: the archive may be reached through a link.
    const QFileInfo archive(module_.dbrisultati().fileName());
    const QString folder = QDir::toNativeSeparators(QFileInfo(archive.canonicalFilePath().isEmpty() ? archive.absoluteFilePath()
                                                                                                    : archive.canonicalFilePath())
                                                        .absolutePath());
    switch (problem) {
    case ArchiveProblem::Missing:
        return QStringLiteral("Non trovo l'archivio dei risultati:\n%1\n\nIl file non esiste. "
                              "Reinstalla Censaria oppure rimetti l'archivio nella cartella perCensaria accanto al programma.")
            .arg(file);
    case ArchiveProblem::Folder:
        return QStringLiteral("Non trovo l'archivio dei risultati:\n%1\n\nAl posto del file c'è una cartella con lo stesso nome. "
                              "Spostate quella cartella e rimettete l'archivio dbcensaria.mdb al suo posto.")
            .arg(file);
    case ArchiveProblem::NotPermitted:
        return QStringLiteral("Non posso leggere l'archivio dei risultati:\n%1\n\nQuesto utente non ha il permesso di leggere il file. "
                              "Chiedete a chi amministra il computer di dare agli alunni il permesso di leggerlo e scriverlo.")
            .arg(file);
    case ArchiveProblem::OtherColumns:
        return QStringLiteral("Il file\n%1\nha le tabelle dell'archivio dei risultati, ma con colonne diverse da quelle di Censaria "
                              "(%2): i risultati non potrebbero essere salvati.\n\n"
                              "Rimettete al suo posto l'archivio di Censaria o una sua copia dalla cartella perCensaria\\copie.")
            .arg(file, module_.dbrisultati().lastError());
    case ArchiveProblem::FolderReadOnly:
        return QStringLiteral("L'archivio dei risultati non si può scrivere: nella cartella\n%1\nquesto utente non ha il permesso "
                              "di scrivere, e Censaria ne ha bisogno per salvare i risultati in modo sicuro.\n\n"
                              "Chiedete a chi amministra il computer di dare agli alunni il permesso di scrivere in quella cartella.")
            .arg(folder);
    case ArchiveProblem::Busy:
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
        return QStringLiteral("L'archivio dei risultati\n%1\nè danneggiato: Censaria non lo usa, per non rovinare i risultati che contiene.\n\n"
                              "Avvisate l'insegnante: può rimettere al suo posto una copia dei giorni scorsi, "
                              "dalla cartella perCensaria\\copie (vedi il file LEGGIMI.txt).")
            .arg(file);
    case ArchiveProblem::ReadOnly:
        return QStringLiteral("L'archivio dei risultati\n%1\nè protetto da scrittura: i risultati degli alunni non potrebbero essere salvati.")
            .arg(file);
    default:
        break;
    }
    return QStringLiteral("Non riesco a leggere l'archivio dei risultati:\n%1\n\n%2").arg(file, module_.dbrisultati().lastError());
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
