#include "archivenames.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace censaria::classregister {
namespace {

bool isInside(const QString &path, const QString &folder)
{
    const QString root = QDir::cleanPath(folder);
    return !root.isEmpty() && (path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/'));
}

} // namespace

QString collectedArchiveName(const QString &file, const QList<Medium> &media)
{
    const QFileInfo info(file);
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    const QString name = info.fileName();
    for (const Medium &medium : media) {
        if (!isInside(path, medium.rootPath))
            continue;
        const QString within = QDir::toNativeSeparators(QDir(medium.rootPath).relativeFilePath(path));
        return QStringLiteral("%1 sulla chiavetta «%2»").arg(within, medium.label.isEmpty() ? QStringLiteral("senza nome") : medium.label);
    }
    // The folder it lies in often names the computer it came from; not so the system's
    // folder of temporary files, nor the folder of random name a program makes in it.
    QDir folder = info.absoluteDir();
    const QString temporary = QDir::cleanPath(QDir::tempPath());
    const QString folderPath = QDir::cleanPath(folder.absolutePath());
    QDir above = folder;
    const bool passage = folder.isRoot() || folderPath == temporary || (above.cdUp() && QDir::cleanPath(above.absolutePath()) == temporary);
    if (passage || folder.dirName().isEmpty())
        return name;
    return QStringLiteral("%1 (cartella «%2»)").arg(name, folder.dirName());
}

QString collectedArchivesNames(const QStringList &files, const QList<Medium> &media)
{
    QStringList names;
    for (const QString &file : files)
        names << collectedArchiveName(file, media);
    return names.join(QStringLiteral(", "));
}

QString thisComputerName()
{
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QStringLiteral("questo computer") : QStringLiteral("questo computer (%1)").arg(host);
}

} // namespace censaria::classregister
