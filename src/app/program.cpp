#include "program.h"

#include "archive/archiveproblemtext.h"
#include "archive/dailybackup.h"
#include "displayscale.h"
#include "mainmenu.h"
#include "menucover.h"
#include "screencatalog.h"
#include "screenkit/forms.h"
#include "screenkit/screen.h"
#include "typesize.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QThreadPool>
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

Program::Program(const Platform &platform, const QString &programFolder, const QString &accountFolder)
    : module_(platform, programFolder, accountFolder)
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
    // The first text measured waits for the font database, which reads every font of
    // the system: it fills on another core while the menu is built.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
    prepareDisplay();
    module_.openArchiveLater([this] {
        if (openArchive())
            return true;
        module_.exitProgram(1);
        return false;
    });
    const QImage cover = menucover::read(module_.displaySize());
    if (!cover.isNull())
        module_.screens().add(forms::menu, [cover](Module &module) { return new MainMenu(module, cover); });
    showMenu();
    // Neither the menu's controls, when its cover shows, nor the archive's checks are
    // any part of its first picture.
    auto *menu = static_cast<MainMenu *>(module_.screens().get(forms::menu));
    new AfterFirstPaint(menu, [this, menu, covered = !cover.isNull()] {
        if (covered)
            menu->replaceCover();
        else
            menucover::keep(menu->grab().toImage(), module_.displaySize());
        module_.archiveReady();
    });
}

void Program::prepareDisplay()
{
    typesize::load();
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
    return true;
}

// False when the archive turned out damaged and the program cannot go on.
bool Program::keepTodaysCopy()
{
    const QString copies = module_.paths().resolve(QStringLiteral("perCensaria\\copie"));
    switch (keepDailyBackup(module_.dbrisultati(), copies, module_.platform().clock->now().date())) {
    case DailyBackup::Kept: break;
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
    default: return QStringLiteral("Non riesco a usare l'archivio dei risultati:\n%1\n\n%2").arg(where, archive.lastError());
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
