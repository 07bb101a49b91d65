#include "datapaths.h"

#include <QDir>
#include <QFileInfo>

namespace censaria {
namespace {

// The entry of folder whose name matches part regardless of case; part itself if none.
QString matchingEntry(const QDir &folder, const QString &part)
{
    if (folder.exists(part))
        return part;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    return part;
}

} // namespace

DataPaths::DataPaths(const QString &programFolder, const QString &driveARoot)
    : programFolder_(QDir::cleanPath(programFolder))
    , driveARoot_(QDir::cleanPath(driveARoot))
{
}

QString DataPaths::resolve(const QString &programPath) const
{
    QString rest = programPath;
    rest.replace(u'\\', u'/');
    QString base = programFolder_;
    if (rest.size() >= 2 && rest.at(1) == u':' && rest.at(0).toUpper() == u'A') {
        base = driveARoot_;
        rest = rest.mid(2);
    }
    QDir folder(base);
    const QStringList parts = rest.split(u'/', Qt::SkipEmptyParts);
    QString path = base;
    for (const QString &part : parts) {
        path = folder.filePath(matchingEntry(folder, part));
        folder.setPath(path);
    }
    return QDir::cleanPath(path);
}

} // namespace censaria
