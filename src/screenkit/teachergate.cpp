#include "teachergate.h"

#include "module.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace censaria {
namespace {

using classregister::TeacherPassword;

// Long enough to make guessing through the program slow, short enough for a typing slip.
constexpr int wrongTryMilliseconds = 1500;

QString passwordFileOf(const Module &module)
{
    return module.technicianPasswordFile.isEmpty() ? module.settingsFile(QStringLiteral("registro.ini")) : module.technicianPasswordFile;
}

} // namespace

TeacherGate::TeacherGate(Module &module)
    : module_(module)
    , password_(passwordFileOf(module),
                module.accountFolder().isEmpty() ? QString() : QDir(module.accountFolder()).filePath(QStringLiteral("tentativi-password.ini")))
{
    if (!module.technicianPasswordFile.isEmpty())
        technicianCommand_ = QStringLiteral("sudo ")
                             + QDir::toNativeSeparators(
                                 QDir(module.paths().programFolder()).filePath(QStringLiteral("libexec/censaria-password")));
}

bool TeacherGate::guards() const
{
    return password_.stored() != TeacherPassword::Stored::Nothing;
}

bool TeacherGate::admit(const QString &prompt, const QString &title)
{
    return open_ || !guards() || ask(prompt, title);
}

bool TeacherGate::admitToRegister(const QString &prompt, const QString &title)
{
    if (open_)
        return true;
    if (guards())
        return ask(prompt, title);
    if (!technicianSets())
        return choose(title);
    module_.message(QStringLiteral("La password dell'insegnante, che protegge il registro, non è ancora stata scelta.\n\n"
                                   "Su questo computer la sceglie il tecnico della scuola (o chi amministra il computer) "
                                   "con il comando:\n\n%1\n\nFinché non c'è, il registro resta chiuso.")
                        .arg(technicianCommand_),
                    MessageIcon::Exclamation, title);
    return false;
}

bool TeacherGate::ask(const QString &prompt, const QString &title)
{
    Clock &clock = *module_.platform().clock;
    if (const int wait = password_.secondsToWait(clock.now()); wait > 0) {
        module_.message(QStringLiteral("Troppi tentativi sbagliati. Riprova fra %1 secondi.").arg(wait), MessageIcon::Exclamation, title);
        return false;
    }
    if (password_.stored() != TeacherPassword::Stored::Usable) {
        module_.message(unusableText(), MessageIcon::Critical, title);
        return false;
    }
    const QString typed = module_.platform().dialogs->password(prompt, title);
    if (typed.isEmpty())
        return false;
    switch (password_.check(typed, clock.now())) {
    case TeacherPassword::Answer::Accepted: open_ = true; return true;
    case TeacherPassword::Answer::Refused:
        clock.wait(wrongTryMilliseconds);
        module_.message(QStringLiteral("La password non è giusta."), MessageIcon::Exclamation, title);
        break;
    case TeacherPassword::Answer::RefusedNowPaused:
        clock.wait(wrongTryMilliseconds);
        module_.message(
            QStringLiteral("La password non è giusta per la terza volta di seguito: riprova fra %1 secondi.").arg(TeacherPassword::pauseSeconds),
            MessageIcon::Exclamation, title);
        break;
    case TeacherPassword::Answer::Paused:
    case TeacherPassword::Answer::Unusable:
        // The file changed while the question was up.
        module_.message(unusableText(), MessageIcon::Critical, title);
        break;
    }
    return false;
}

bool TeacherGate::choose(const QString &title)
{
    Dialogs &dialogs = *module_.platform().dialogs;
    // A password question does not wrap its lines: each is kept short enough for 1024 x 768.
    const QString first = dialogs.password(QStringLiteral("Il registro mostra i risultati di tutti gli alunni: lo protegge una password\n"
                                                          "che conosce solo l'insegnante. La stessa password serve per vedere,\n"
                                                          "stampare ed esportare i risultati degli altri alunni.\n\n"
                                                          "Scegli la password (almeno %1 caratteri):")
                                               .arg(TeacherPassword::minimumLength),
                                           title);
    if (first.isEmpty())
        return false;
    if (!TeacherPassword::longEnough(first)) {
        module_.message(
            QStringLiteral("La password deve avere almeno %1 caratteri. Il registro non è stato aperto.").arg(TeacherPassword::minimumLength),
            MessageIcon::Exclamation, title);
        return false;
    }
    const QString second = dialogs.password(QStringLiteral("Scrivi di nuovo la stessa password, per conferma:"), title);
    if (second.isEmpty())
        return false;
    if (second != first) {
        module_.message(QStringLiteral("Le due password scritte non sono uguali: nessuna password è stata scelta e il registro non è "
                                       "stato aperto.\n\nRiprova."),
                        MessageIcon::Exclamation, title);
        return false;
    }
    if (!password_.set(first)) {
        module_.message(QStringLiteral("Non riesco a salvare la password nel file\n%1\n\nChiedete a chi amministra il computer di dare "
                                       "a questo utente il permesso di scrivere nella cartella\n%2\n\nIl registro non è stato aperto.")
                            .arg(QDir::toNativeSeparators(passwordFile()), QDir::toNativeSeparators(QFileInfo(passwordFile()).absolutePath())),
                        MessageIcon::Critical, title);
        return false;
    }
    open_ = true;
    return true;
}

QString TeacherGate::wayOut() const
{
    if (technicianSets())
        return QStringLiteral("Chiedete al tecnico della scuola (o a chi amministra il computer) di scegliere una password nuova "
                              "con il comando:\n\n%1")
            .arg(technicianCommand_);
    return QStringLiteral("Chiedete a chi amministra il computer di cancellare quel file: alla prossima apertura del registro "
                          "si sceglierà una password nuova. I risultati degli alunni non vengono toccati.");
}

QString TeacherGate::unusableText() const
{
    const QString file = QDir::toNativeSeparators(passwordFile());
    switch (password_.stored()) {
    case TeacherPassword::Stored::TooWeak:
        return QStringLiteral("La password dell'insegnante è salvata nel file\n%1\ncon una protezione troppo debole "
                              "(meno di %2 iterazioni), che si indovina troppo in fretta: non la accetto.\n\n%3")
            .arg(file, QLocale(QLocale::Italian, QLocale::Italy).toString(TeacherPassword::minimumIterations), wayOut());
    case TeacherPassword::Stored::Unreadable:
        return QStringLiteral("Questo utente non ha il permesso di leggere il file della password dell'insegnante:\n%1\n\n%2")
            .arg(file, technicianSets()
                           ? QStringLiteral("Chiedete al tecnico della scuola di aggiungere questo utente al gruppo censaria "
                                            "(sudo adduser NOME censaria); vale dal prossimo accesso.")
                           : QStringLiteral("Chiedete a chi amministra il computer di dare a questo utente il permesso di leggerlo."));
    case TeacherPassword::Stored::Nothing:
    case TeacherPassword::Stored::Usable:
    case TeacherPassword::Stored::Damaged: break;
    }
    return QStringLiteral("Il file della password dell'insegnante\n%1\nè danneggiato: non lo uso.\n\n%2").arg(file, wayOut());
}

} // namespace censaria
