#include "dailybackup.h"

#include "archive.h"

#include <QDir>
#include <QFile>

namespace censaria {

bool keepDailyBackup(Archive &archive, const QString &folder, const QDate &today, int keep)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    const QString todays = dir.filePath(QStringLiteral("dbcensaria-%1.mdb").arg(today.toString(Qt::ISODate)));
    if (!QFile::exists(todays)) {
        // Written under another name first, so a half-made copy never looks like a good one.
        const QString partial = todays + QStringLiteral(".part");
        QFile::remove(partial);
        if (!archive.copyTo(partial) || !QFile::rename(partial, todays)) {
            QFile::remove(partial);
            return false;
        }
    }
    // ISO dates sort by name; the oldest go first.
    QStringList copies = dir.entryList({QStringLiteral("dbcensaria-[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9].mdb")}, QDir::Files, QDir::Name);
    while (copies.size() > keep)
        dir.remove(copies.takeFirst());
    return true;
}

} // namespace censaria
