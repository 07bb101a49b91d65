#include "serverlogin.h"

#include "archive/archive.h"
#include "archive/resultwriter.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"

#include <QDir>
#include <QEvent>

namespace censaria {

ServerLogin::ServerLogin(Module &module, QObject *screen)
    : module_(module)
{
    // Held by value by its screen's parts, so not the screen's child: it only watches it.
    if (screen)
        screen->installEventFilter(this);
}

ServerLogin::~ServerLogin() = default;

bool ServerLogin::needed() const
{
    return module_.dbrisultati().isServer();
}

Archive *ServerLogin::openArchive() const
{
    return teacher_ && teacher_->isOpen() ? teacher_.get() : nullptr;
}

Archive *ServerLogin::archive()
{
    if (Archive *open = openArchive())
        return open;
    const ArchiveSettings settings = module_.dbrisultati().settings().asTeacher();
    if (settings.user.isEmpty()) {
        module_.message(QStringLiteral("Per vedere i risultati della scuola, in %1 deve esserci il ruolo dell'insegnante "
                                       "(«insegnante=»). Avvisate il tecnico della scuola.")
                            .arg(QDir::toNativeSeparators(settings.settingsFile)),
                        MessageIcon::Exclamation);
        return nullptr;
    }
    auto teacher = std::make_unique<Archive>(settings, QString());
    // The teacher's own ~/.pgpass first; then the password, typed.
    ArchiveProblem problem = teacher->open();
    if (problem == ArchiveProblem::Refused) {
        const QString password = module_.platform().dialogs->password(
            QStringLiteral("I risultati di tutta la scuola sono sul server: li vede solo l'insegnante.\n\n"
                           "Password dell'insegnante (ruolo «%1»):")
                .arg(settings.user),
            forms::programTitle);
        if (password.isEmpty())
            return nullptr;
        teacher->setServerPassword(password);
        problem = teacher->open();
    }
    // A server still to be brought up to this version can be read all the same.
    if (problem != ArchiveProblem::None && problem != ArchiveProblem::NotUpgraded) {
        say(problem, *teacher);
        return nullptr;
    }
    teacher_ = std::move(teacher);
    tellAboutQueue();
    return teacher_.get();
}

void ServerLogin::say(ArchiveProblem problem, const Archive &teacher)
{
    switch (problem) {
    case ArchiveProblem::Unreachable:
        module_.message(QStringLiteral("Il server della scuola non risponde: i risultati non si possono vedere ora. Riprovate tra poco."),
                        MessageIcon::Exclamation);
        break;
    case ArchiveProblem::Refused:
        module_.message(QStringLiteral("Il server della scuola non ha accettato la password dell'insegnante: "
                                       "i risultati non sono stati aperti."),
                        MessageIcon::Exclamation);
        break;
    default:
        module_.message(
            QStringLiteral("Non riesco a leggere i risultati sul server della scuola:\n%1\n\n%2").arg(teacher.place(), teacher.lastError()),
            MessageIcon::Exclamation);
        break;
    }
}

// Results this PC could not send are the teacher's to know about.
void ServerLogin::tellAboutQueue()
{
    ResultWriter &writer = module_.resultWriter();
    const int setAside = writer.setAside();
    if (setAside <= 0)
        return;
    const QString notAccepted = setAside == 1 ? QStringLiteral("1 risultato non è stato accettato")
                                              : QStringLiteral("%1 risultati non sono stati accettati").arg(setAside);
    module_.message(QStringLiteral("Su questo computer %1 dal server della scuola: "
                                   "sono conservati, messi da parte, nel file\n%2\n(tabella «messi_da_parte», con il motivo).\n\n"
                                   "Chiedete al tecnico della scuola di controllarli.")
                        .arg(notAccepted)
                        .arg(QDir::toNativeSeparators(writer.queueFile())),
                    MessageIcon::Exclamation);
}

void ServerLogin::forget()
{
    if (!teacher_)
        return;
    teacher_.reset();
    emit forgotten();
}

bool ServerLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide)
        forget();
    return QObject::eventFilter(watched, event);
}

} // namespace censaria
