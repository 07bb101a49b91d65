#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace censaria {

class Archive;

enum class DailyBackup {
    Kept,    // today's copy is there (made now or earlier), or another program keeps them
    Damaged, // the full check found the archive damaged: no copy of it was made
    NoRoom,  // the disk had no room for the copy
    Failed,  // the copy could not be written for another reason
};

// How many copies stay: the newest of each of the last days, weeks and months that have
// one, so that damage noticed weeks later can still be undone.
struct CopiesKept
{
    int days = 7;
    int weeks = 4;
    int months = 6;
};

// Of the copies made on the given days, those that go on today. A copy dated after today
// (a clock that was put back) is never among them.
QList<QDate> expiredCopies(const QList<QDate> &copies, const QDate &today, const CopiesKept &kept = {});

// Keeps one copy of the archive per day in folder, named dbcensaria-YYYY-MM-DD.mdb, and
// removes those that expiredCopies() gives; a day that has its copy already is left
// alone. The archive gets its full check right before, so that a damaged archive (one
// that went bad while a program kept it open) never pushes a good copy out. A folder
// that exists but cannot be written is left to whoever keeps it (the installed package
// makes the copies itself).
DailyBackup keepDailyBackup(Archive &archive, const QString &folder, const QDate &today);

} // namespace censaria
