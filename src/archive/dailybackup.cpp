#include "dailybackup.h"

#include "archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <functional>

namespace censaria {
namespace {

const QString copyPrefix = QStringLiteral("dbcensaria-");
const QString copySuffix = QStringLiteral(".mdb");

// The day in a copy's name; invalid for any other file.
QDate dayOf(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^dbcensaria-(\\d{4}-\\d{2}-\\d{2})\\.mdb$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
}

QString nameOf(const QDate &day)
{
    return copyPrefix + day.toString(Qt::ISODate) + copySuffix;
}

} // namespace

QList<QDate> expiredCopies(const QList<QDate> &copies, const QDate &today, const CopiesKept &kept)
{
    QList<QDate> past;
    for (const QDate &day : copies)
        if (day <= today)
            past.append(day);
    std::sort(past.begin(), past.end(), std::greater<>());
    QSet<QDate> keep;
    // The newest copy of each of the last `count` periods that have one.
    auto keepNewest = [&](int count, const std::function<qint64(const QDate &)> &period) {
        QList<qint64> periods;
        for (const QDate &day : past) {
            if (periods.contains(period(day)))
                continue;
            if (periods.size() == count)
                break;
            periods.append(period(day));
            keep.insert(day);
        }
    };
    keepNewest(kept.days, [](const QDate &day) { return day.toJulianDay(); });
    keepNewest(kept.weeks, [](const QDate &day) {
        int year = 0;
        const int week = day.weekNumber(&year);
        return qint64(year) * 100 + week;
    });
    keepNewest(kept.months, [](const QDate &day) { return qint64(day.year()) * 100 + day.month(); });
    QList<QDate> expired;
    for (const QDate &day : past)
        if (!keep.contains(day))
            expired.append(day);
    return expired;
}

DailyBackup keepDailyBackup(Archive &archive, const QString &folder, const QDate &today)
{
    const QFileInfo info(folder);
    if (info.isDir() && !info.isWritable())
        return DailyBackup::Kept;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return DailyBackup::Failed;
    const QString todays = dir.filePath(nameOf(today));
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
    // Only the folder's own copies count: a link among them is neither counted nor followed.
    QList<QDate> copies;
    for (const QString &name : dir.entryList({copyPrefix + u'*' + copySuffix}, QDir::Files | QDir::NoSymLinks))
        if (const QDate day = dayOf(name); day.isValid())
            copies.append(day);
    for (const QDate &day : expiredCopies(copies, today))
        dir.remove(nameOf(day));
    return DailyBackup::Kept;
}

} // namespace censaria
