// movetoserver ARCHIVE SETTINGS: moves the results of an SQLite archive (a PC's
// dbcensaria.mdb or a class's exportcensa.mdb) onto the server that the settings file
// names. Each pupil's results join the pupil's row on the server; of two results for
// the same topic the later one stays, so running it twice, or on several PCs' archives
// holding the same pupil, does no harm. The SQLite archive is only read.
#include "archive/archive.h"
#include "archive/schema.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: movetoserver ARCHIVE SETTINGS\n";
        return 2;
    }
    censaria::Archive from(arguments[0]);
    if (from.open() != censaria::ArchiveProblem::None) {
        err << "cannot read the archive " << arguments[0] << ": " << from.lastError() << '\n';
        return 1;
    }
    const censaria::ArchiveSettings settings = censaria::loadArchiveSettings({arguments[1]});
    if (!settings.isServer()) {
        err << arguments[1] << " does not name a server\n";
        return 2;
    }
    censaria::Archive to(settings, QString());
    if (to.open() != censaria::ArchiveProblem::None) {
        err << "cannot use the " << settings.serverText() << ": " << to.lastError() << '\n';
        return 1;
    }
    for (const censaria::schema::Table &table : censaria::schema::tables()) {
        const auto rows = from.storedRows(table.name);
        if (!rows) {
            err << "cannot read " << table.name << ": " << from.lastError() << '\n';
            return 1;
        }
        for (const censaria::ArchiveRow &row : *rows) {
            QList<std::pair<int, QVariant>> values;
            for (int i = 1; i < row.size(); ++i)
                if (!row[i].isNull())
                    values.append({i, row[i]});
            if (!to.writeResult(table.name, row.value(0).toString(), values, censaria::WriteRule::KeepLater)) {
                err << "stopped at " << row.value(0).toString() << " in " << table.name << ": " << to.lastError()
                    << "\nwhat was moved so far is on the server; run the command again to move the rest\n";
                return 1;
            }
        }
        out << table.name << ": " << rows->size() << " rows moved\n";
    }
    return 0;
}
