#include "module.h"

#include "archive/archivesettings.h"
#include "archive/schema.h"
#include "forms.h"
#include "pupilname.h"
#include "screen.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

namespace censaria {

Module::Module(const Platform &platform, const QString &programFolder, const QString &accountFolder)
    : technicianPasswordFile(QStringLiteral(CENSARIA_TECHNICIAN_PASSWORD_FILE))
    , platform_(platform)
    , paths_(programFolder)
    , accountFolder_(accountFolder)
    , archive_(std::make_unique<Archive>(loadArchiveSettings(archiveSettingsFiles(paths_.resolve(QStringLiteral("perCensaria\\censaria.ini")))),
                                         paths_.resolve(QStringLiteral("perCensaria\\dbcensaria.mdb"))))
    // Per account: the program's folder may belong to root, and a pupil's queue is his own.
    , writer_(std::make_unique<ResultWriter>(*archive_, QDir(accountFolder).filePath(QStringLiteral("codarisultati.sqlite")),
                                             [this] { return platform_.clock->now(); }))
    , navigation_(*this)
    , screens_(std::make_unique<ScreenRegistry>(*this))
{
}

Module::~Module()
{
    screens_.reset(); // screens go before the archive they use
    writer_.reset();
}

ArchiveProblem Module::openArchive()
{
    return archive_->open();
}

void Module::openArchiveLater(std::function<bool()> opening)
{
    pendingOpening_ = std::move(opening);
    archiveReady_ = false;
}

bool Module::archiveReady()
{
    // Taken out before it runs: the opening itself reaches the archive through here.
    if (const auto opening = std::exchange(pendingOpening_, {}))
        archiveReady_ = opening();
    return archiveReady_;
}

void Module::startSendingQueue()
{
    if (!archive_->isServer())
        return;
    writer_->sendQueue();
    queueTimer_.setInterval(std::chrono::minutes(1));
    queueTimer_.callOnTimeout([this] { writer_->sendQueue(); });
    queueTimer_.start();
}

void Module::chiedinome()
{
    // The names already in the archive are offered as the pupil types, so that ROSSI MARIO
    // does not come back as MARIO ROSSI, a pupil of his own in the register.
    QStringList known = archiveReady() && archive_->isOpen() ? archive_->names() : QStringList();
    known.removeAll(QString());
    known.removeDuplicates();
    known.sort(Qt::CaseInsensitive);
    for (;;) {
        const QString answer = platform_.dialogs->inputWithCompletions(QStringLiteral("Scrivi qui PRIMA il COGNOME, poi il tuo Nome"),
                                                                       forms::programTitle, known);
        if (answer.isEmpty())
            return;
        const QString name = normalisePupilName(answer);
        if (visibleLength(name) <= schema::nameLength) {
            nomealunno = name;
            return;
        }
        message(QStringLiteral("Il nome è troppo lungo: si possono scrivere al massimo %1 caratteri.\n"
                               "Scrivi di nuovo il cognome e il nome, per favore.")
                    .arg(schema::nameLength),
                MessageIcon::Exclamation);
    }
}

bool Module::ensurePupilName()
{
    if (nomealunno.isEmpty())
        chiedinome();
    return !nomealunno.isEmpty();
}

bool Module::recordResult(const QString &table, const QList<std::pair<int, QVariant>> &counts, int datePosition)
{
    // Never before the archive's checks have passed; when they failed, the pupil was told.
    if (!archiveReady() || !ensurePupilName())
        return false;
    QList<std::pair<int, QVariant>> values = counts;
    values.append({datePosition, platform_.clock->now()});
    switch (writer_->record(table, nomealunno, values)) {
    case Recorded::Saved: return true;
    case Recorded::Queued:
        message(QStringLiteral("Il server della scuola non risponde: il risultato è conservato su questo computer "
                               "e sarà inviato appena possibile."),
                MessageIcon::Information);
        return true;
    case Recorded::SetAside:
        message(QStringLiteral("Il server della scuola non ha accettato questo risultato: è conservato su questo computer, "
                               "messo da parte. Avvisa l'insegnante."),
                MessageIcon::Exclamation);
        return true;
    case Recorded::Lost: break;
    }
    message(QStringLiteral("Il risultato NON è stato salvato nell'archivio dei risultati.\n") + saveFailureReason(), MessageIcon::Critical);
    return false;
}

QString Module::settingsFile(const QString &name) const
{
    const QFileInfo archive(archive_->fileName());
    if (archive_->isServer() || archive_->fileName().isEmpty())
        return paths_.resolve(QStringLiteral("perCensaria\\") + name);
    const QString real = archive.canonicalFilePath();
    return QFileInfo(real.isEmpty() ? archive.absoluteFilePath() : real).dir().filePath(name);
}

QString Module::accountSettingsFile(const QString &name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

QString Module::saveFailureReason() const
{
    switch (archive_->lastFailure()) {
    case ArchiveFailure::Busy: return QStringLiteral("L'archivio è in uso da un altro programma: aspetta qualche secondo e riprova.");
    case ArchiveFailure::DiskFull: return QStringLiteral("Il disco è pieno. Avvisa l'insegnante: bisogna fare spazio sul disco del computer.");
    case ArchiveFailure::ReadOnly: return QStringLiteral("Avvisa l'insegnante: l'archivio o la sua cartella sono protetti da scrittura.");
    case ArchiveFailure::Damaged: return QStringLiteral("Avvisa l'insegnante: l'archivio è danneggiato.");
    case ArchiveFailure::NotPermitted:
        return QStringLiteral("Avvisa l'insegnante: il server della scuola non permette a questo computer di salvare i risultati.");
    case ArchiveFailure::None:
    case ArchiveFailure::Other:
    case ArchiveFailure::Refused:
    case ArchiveFailure::Unreachable: break;
    }
    return QStringLiteral("Avvisa l'insegnante. Dettagli tecnici: %1").arg(archive_->lastError());
}

void Module::message(const QString &text, MessageIcon icon, const QString &title)
{
    platform_.dialogs->message(text, title.isEmpty() ? forms::programTitle : title, icon);
}

void Module::exitProgram(int exitCode)
{
    queueTimer_.stop();
    archive_->close();
    for (Screen *screen : screens_->created())
        screen->hide();
    platform_.process->quit(exitCode);
}

QSize Module::displaySize() const
{
    return platform_.display->size();
}

} // namespace censaria
