#pragma once

#include <QDate>
#include <QString>

namespace censaria {

class Archive;

// Keeps one copy of the archive per day in folder, the newest `keep` of them, so a
// teacher can go back to an earlier day's results. Files are named
// dbcensaria-YYYY-MM-DD.mdb; a day that has its copy already is left alone.
bool keepDailyBackup(Archive &archive, const QString &folder, const QDate &today, int keep = 7);

} // namespace censaria
