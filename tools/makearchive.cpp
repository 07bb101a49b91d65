// makearchive [--if-missing] FILE: creates an empty results archive at FILE.
// An existing file is never touched: with --if-missing that is success, otherwise an error.
//
// makearchive --server SETTINGS [--role ROLE] [--teacher ROLE] [--connections N] [--timezone ZONE]
// creates the two tables in the database that the settings file names, connecting as
// its user, who becomes their owner; tables already there are left as they are. Then
// prints the statements a superuser runs in that database: the record function (owned
// by the tables' owner), and the rights of the classroom role (default "censaria": that
// function only, at most N connections, default 60) and of the teachers' role (default
// "censaria_insegnante": reading the results). ZONE is the PCs' time zone (this
// computer's unless given), in which the function judges a result's date.
//
// makearchive --upgrade SETTINGS [the same options] creates nothing: it checks that the
// tables are there and prints the same statements, which take from the classroom role
// of a server made by the previous version its rights on the tables.
#include "archive/archive.h"
#include "archive/schema.h"
#include "archive/serversetup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QTimeZone>

namespace {

const char usage[] = "usage: makearchive [--if-missing] FILE\n"
                     "       makearchive --server|--upgrade SETTINGS [--role ROLE] [--teacher ROLE] [--connections N] [--timezone ZONE]\n";

int setUpServer(const QString &mode, QStringList arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString settingsFile = arguments.takeFirst();
    censaria::serversetup::Roles roles{QString(),
                                       QString(),
                                       QStringLiteral("censaria"),
                                       QStringLiteral("censaria_insegnante"),
                                       60,
                                       QString::fromUtf8(QTimeZone::systemTimeZoneId())};
    while (arguments.size() >= 2) {
        const QString option = arguments.takeFirst(), value = arguments.takeFirst();
        bool ok = !value.isEmpty();
        if (option == QLatin1String("--role"))
            roles.classroom = value;
        else if (option == QLatin1String("--teacher"))
            roles.teacher = value;
        else if (option == QLatin1String("--connections"))
            roles.connectionLimit = value.toInt(&ok);
        else if (option == QLatin1String("--timezone"))
            roles.timeZone = value;
        else
            ok = false;
        if (!ok || roles.connectionLimit < 1) {
            err << "makearchive: " << option << ' ' << value << " is not an option it knows\n" << usage;
            return 2;
        }
    }
    if (!arguments.isEmpty() || roles.classroom == roles.teacher) {
        err << usage << "(the classroom and the teachers' roles must be two)\n";
        return 2;
    }
    if (roles.timeZone.isEmpty())
        roles.timeZone = QStringLiteral("Europe/Rome");
    const censaria::ArchiveSettings settings = censaria::loadArchiveSettings({settingsFile});
    if (!settings.isServer() || !settings.problem.isEmpty()) {
        err << settingsFile << " does not name a server: " << settings.problem << '\n';
        return 2;
    }
    roles.database = settings.database;
    roles.owner = settings.user;
    QString error;
    if (mode == QLatin1String("--server")) {
        if (!censaria::Archive::createOnServer(settings, &error)) {
            err << "cannot create the tables in " << settings.database << " on " << settings.host << ": " << error << '\n';
            return 1;
        }
        out << "-- Tables made.";
    } else {
        censaria::Archive archive(settings, QString());
        const censaria::ArchiveProblem problem = archive.open();
        if (problem != censaria::ArchiveProblem::None && problem != censaria::ArchiveProblem::NotUpgraded) {
            err << "cannot use the tables in " << settings.database << " on " << settings.host << ": " << archive.lastError() << '\n';
            return 1;
        }
        out << "-- The tables are there.";
    }
    out << " Run these as a superuser in the database " << settings.database << ", for instance\n"
        << "--   sudo -u postgres psql -v ON_ERROR_STOP=1 -d " << settings.database << " -f THIS_FILE\n";
    for (const QString &statement : censaria::serversetup::statements(roles))
        out << statement << ";\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    const QString first = arguments.value(0);
    if (first == QLatin1String("--server") || first == QLatin1String("--upgrade")) {
        if (arguments.size() < 2 || arguments.size() % 2 != 0) {
            err << usage;
            return 2;
        }
        return setUpServer(first, arguments.mid(1));
    }
    const bool ifMissing = arguments.removeAll(QStringLiteral("--if-missing")) > 0;
    if (arguments.size() != 1) {
        err << usage;
        return 2;
    }
    const QString file = arguments.first();
    if (QFileInfo::exists(file)) {
        if (ifMissing)
            return 0;
        err << file << " exists already; it is left as it is\n";
        return 1;
    }
    QString error;
    if (!censaria::Archive::createEmpty(file, &error)) {
        err << "cannot create " << file << ": " << error << '\n';
        return 1;
    }
    return 0;
}
