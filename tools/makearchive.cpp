// makearchive [--if-missing] FILE: creates an empty results archive at FILE.
// An existing file is never touched: with --if-missing that is success, otherwise an error.
//
// makearchive --server SETTINGS [--role ROLE]: creates the two tables in the database
// that the settings file names (connecting as its user, the database's owner), then
// prints the GRANTs that let the classroom role ROLE (default "censaria") read and
// write those two tables and nothing else. Tables already there are left as they are.
#include "archive/archive.h"
#include "archive/schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

int makeOnServer(const QString &settingsFile, const QString &role)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const censaria::ArchiveSettings settings = censaria::loadArchiveSettings({settingsFile});
    if (!settings.isServer() || !settings.problem.isEmpty()) {
        err << settingsFile << " does not name a server: " << settings.problem << '\n';
        return 2;
    }
    QString error;
    if (!censaria::Archive::createOnServer(settings, &error)) {
        err << "cannot create the tables in " << settings.database << " on " << settings.host << ": " << error << '\n';
        return 1;
    }
    const QString who = censaria::schema::quoted(role);
    const QString database = censaria::schema::quoted(settings.database);
    out << "-- Tables made. Run these as the database's owner to let the classroom PCs in:\n"
        << "REVOKE ALL ON DATABASE " << database << " FROM PUBLIC;\n"
        << "GRANT CONNECT ON DATABASE " << database << " TO " << who << ";\n"
        << "GRANT USAGE ON SCHEMA public TO " << who << ";\n";
    for (const censaria::schema::Table &table : censaria::schema::tables())
        out << "GRANT SELECT, INSERT, UPDATE ON TABLE " << censaria::schema::quoted(table.name) << " TO " << who << ";\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.value(0) == QLatin1String("--server")) {
        if (arguments.size() == 2)
            return makeOnServer(arguments[1], QStringLiteral("censaria"));
        if (arguments.size() == 4 && arguments[2] == QLatin1String("--role"))
            return makeOnServer(arguments[1], arguments[3]);
        err << "usage: makearchive --server SETTINGS [--role ROLE]\n";
        return 2;
    }
    const bool ifMissing = arguments.removeAll(QStringLiteral("--if-missing")) > 0;
    if (arguments.size() != 1) {
        err << "usage: makearchive [--if-missing] FILE\n"
               "       makearchive --server SETTINGS [--role ROLE]\n";
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
