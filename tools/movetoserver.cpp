// movetoserver ARCHIVE SETTINGS: moves the results of an SQLite archive (a PC's
// dbcensaria.mdb or a class's exportcensa.mdb) onto the server that the settings file
// names, as the teachers' role ("insegnante=" there), whose password libpq takes from
// the account's ~/.pgpass (mode 0600) or from PGPASSWORD. Each pupil's results join
// the pupil's row on the server through the server's record function; of two results
// for the same topic the later one stays, so running it twice, or on several PCs'
// archives holding the same pupil, does no harm. A result the function refuses (a
// count it cannot hold, a date in the future) is named and left out; notes go along.
// The SQLite archive is only read.
#include "archive/archive.h"
#include "archive/resultcheck.h"
#include "archive/schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

// The row's results, each whole (its counts and its date); a result with a value
// missing cannot be recorded and is counted in *incomplete.
QList<std::pair<int, QVariant>> wholeResults(const censaria::schema::Table &table, const censaria::ArchiveRow &row, int *incomplete)
{
    QList<std::pair<int, QVariant>> values;
    for (const QList<int> &positions : censaria::resultPositions(table)) {
        const auto present = std::count_if(positions.begin(), positions.end(), [&](int p) { return !row.value(p).isNull(); });
        if (present == 0)
            continue;
        if (present < positions.size()) {
            ++*incomplete;
            continue;
        }
        for (int position : positions)
            values.append({position, row[position]});
    }
    return values;
}

bool moveNote(censaria::Archive &to, const censaria::schema::Table &table, const QString &name, const QVariant &note, QString *error)
{
    QSqlQuery query(to.connection());
    query.prepare(QStringLiteral("UPDATE %1 SET \"annotazioni\" = ? WHERE rowid = (SELECT rowid FROM %1 WHERE \"nome\" = ? "
                                 "ORDER BY rowid LIMIT 1)")
                      .arg(censaria::schema::quoted(table.name)));
    query.addBindValue(note);
    query.addBindValue(name);
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

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
    censaria::Archive to(settings.asTeacher(), QString());
    if (const censaria::ArchiveProblem problem = to.open(); problem != censaria::ArchiveProblem::None) {
        err << "cannot use the " << settings.serverText() << " as " << settings.teacherUser << ": " << to.lastError() << '\n';
        if (problem == censaria::ArchiveProblem::Refused)
            err << "(the teachers' password goes in ~/.pgpass, mode 0600, or in PGPASSWORD)\n";
        return 1;
    }
    int left = 0;
    for (const censaria::schema::Table &table : censaria::schema::tables()) {
        const auto rows = from.storedRows(table.name);
        if (!rows) {
            err << "cannot read " << table.name << ": " << from.lastError() << '\n';
            return 1;
        }
        int incomplete = 0;
        const int leftBefore = left;
        for (const censaria::ArchiveRow &row : *rows) {
            const QString name = row.value(0).toString();
            if (!to.writeResult(table.name, name, wholeResults(table, row, &incomplete), censaria::WriteRule::KeepLater)) {
                if (to.lastFailure() != censaria::ArchiveFailure::Refused) {
                    err << "stopped at " << name << " in " << table.name << ": " << to.lastError()
                        << "\nwhat was moved so far is on the server; run the command again to move the rest\n";
                    return 1;
                }
                err << "left out, refused by the server: " << name << " in " << table.name << ": " << to.lastError() << '\n';
                ++left;
                continue;
            }
            QString error;
            if (!row.value(1).isNull() && !moveNote(to, table, name, row[1], &error)) {
                err << "the note of " << name << " in " << table.name << " was not moved: " << error << '\n';
                ++left;
            }
        }
        if (incomplete > 0)
            err << table.name << ": " << incomplete << " results without their date or a count were left out\n";
        left += incomplete;
        out << table.name << ": " << rows->size() << " rows read, " << left - leftBefore << " left out (named above)\n";
    }
    return left == 0 ? 0 : 1;
}
