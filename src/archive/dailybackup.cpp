#include "dailybackup.h"

#include "archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace censaria {

DailyBackup keepDailyBackup(Archive &archive, const QString &folder, const QDate &today, int keep)
{
    const QFileInfo info(folder);
    if (info.isDir() && !info.isWritable())
        return DailyBackup::Kept;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return DailyBackup::Failed;
    const QString todays = dir.filePath(QStringLiteral("dbcensaria-%1.mdb").arg(today.toString(Qt::ISODate)));
    if (QFile::exists(todays))
        return DailyBackup::Kept;
    // The check of open() is enough while nothing was written since: at a start of 10 000
    // pupils a second one would cost as much again.
    if (!archive.checkedSinceOpen() && !archive.integrityCheck())
        return DailyBackup::Damaged;
    // Written under another name first, so a half-made copy never looks like a good one.
    const QString partial = todays + QStringLiteral(".part");
    QFile::remove(partial);
    if (!archive.copyTo(partial) || !QFile::rename(partial, todays)) {
        QFile::remove(partial);
        return archive.lastFailure() == ArchiveFailure::DiskFull ? DailyBackup::NoRoom : DailyBackup::Failed;
    }
    // ISO dates sort by name; the oldest go first.
    QStringList copies = dir.entryList({QStringLiteral("dbcensaria-[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9].mdb")}, QDir::Files, QDir::Name);
    while (copies.size() > keep)
        dir.remove(copies.takeFirst());
    return DailyBackup::Kept;
}

} // namespace censaria
