#pragma once

#include <QDate>
#include <QString>

namespace censaria {

class Archive;

enum class DailyBackup {
    Kept,    // today's copy is there (made now or earlier), or another program keeps them
    Damaged, // the full check found the archive damaged: no copy of it was made
    NoRoom,  // the disk had no room for the copy
    Failed,  // the copy could not be written for another reason
};

// Keeps one copy of the archive per day in folder, the newest `keep` of them, so a
// teacher can go back to an earlier day's results. Files are named
// dbcensaria-YYYY-MM-DD.mdb; a day that has its copy already is left alone. The
// archive gets its full check right before, so that a damaged archive (one that went
// bad while a program kept it open) never pushes a good copy out. A folder that exists but cannot be written is left to
// whoever keeps it (the installed package makes the copies itself).
DailyBackup keepDailyBackup(Archive &archive, const QString &folder, const QDate &today, int keep = 7);

} // namespace censaria
