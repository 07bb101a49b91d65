// censaria-password: the technician sets the teacher's password of a Debian install,
// in a file that only root changes and the group censaria reads.
//
//   sudo /opt/censaria/libexec/censaria-password
//
// Asks the password twice without showing it; reads one line from standard input when
// that is not a terminal (echo 'una password' | sudo censaria-password).
#include "platform/protectedfile.h"
#include "register/teacherpassword.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

termios savedTerminal;

void restoreTerminal(int)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    _exit(130);
}

QString readLine()
{
    QTextStream in(stdin);
    return in.readLine();
}

// One line typed at the terminal with its characters hidden.
QString askHidden(const QString &prompt)
{
    QTextStream err(stderr);
    err << prompt << Qt::flush;
    tcgetattr(STDIN_FILENO, &savedTerminal);
    termios hidden = savedTerminal;
    hidden.c_lflag &= ~tcflag_t(ECHO);
    std::signal(SIGINT, restoreTerminal);
    tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    const QString line = readLine();
    tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    std::signal(SIGINT, SIG_DFL);
    err << '\n' << Qt::flush;
    return line;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sceglie la password dell'insegnante di Censaria, che protegge il registro "
                                                    "e i risultati degli altri alunni."));
    parser.addHelpOption();
    const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("Il file della password."), QStringLiteral("file"),
                                        QStringLiteral(CENSARIA_TECHNICIAN_PASSWORD_FILE));
    const QCommandLineOption groupOption(QStringLiteral("group"), QStringLiteral("Il gruppo che può leggerlo."), QStringLiteral("gruppo"),
                                         QStringLiteral("censaria"));
    parser.addOptions({fileOption, groupOption});
    parser.process(application);

    QTextStream err(stderr);
    using censaria::classregister::TeacherPassword;
    QString password;
    if (isatty(STDIN_FILENO)) {
        password = askHidden(QStringLiteral("Nuova password dell'insegnante (almeno %1 caratteri): ").arg(TeacherPassword::minimumLength));
        if (!TeacherPassword::longEnough(password)) {
            err << "La password deve avere almeno " << TeacherPassword::minimumLength << " caratteri: non è cambiato nulla.\n";
            return 1;
        }
        if (askHidden(QStringLiteral("Scrivila di nuovo, per conferma: ")) != password) {
            err << "Le due password non sono uguali: non è cambiato nulla.\n";
            return 1;
        }
    } else {
        password = readLine();
        if (!TeacherPassword::longEnough(password)) {
            err << "La password deve avere almeno " << TeacherPassword::minimumLength << " caratteri: non è cambiato nulla.\n";
            return 1;
        }
    }

    const QString file = parser.value(fileOption);
    QString error;
    const QByteArray text = TeacherPassword::fileText(password);
    if (text.isEmpty() || !censaria::writeProtectedFile(file, text, parser.value(groupOption), 0640, &error)) {
        err << "Non ho salvato la password: " << (error.isEmpty() ? QStringLiteral("non riesco a calcolarne l'impronta") : error) << ".\n";
        if (geteuid() != 0)
            err << "Il comando va eseguito come amministratore: sudo " << QCoreApplication::applicationFilePath() << '\n';
        return 1;
    }
    QTextStream(stdout) << "La password dell'insegnante è salvata in " << file
                        << " (solo un'impronta, non la password). Vale dalla prossima volta che si apre il registro.\n";
    return 0;
}
