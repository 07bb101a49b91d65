#include "removablemedia.h"

#include <QDir>
#include <QLocale>
#include <QStorageInfo>
#include <algorithm>

namespace censaria {
namespace {

QString cleanRoot(const QString &path)
{
    // Backslashes by hand: fromNativeSeparators leaves them alone except on Windows.
    const QString clean = QDir::cleanPath(QString(path).replace(u'\\', u'/'));
    // "D:" alone would mean the current folder of drive D.
    return clean.size() == 2 && clean.at(1) == u':' ? clean + u'/' : clean;
}

bool isDriveRoot(const QString &root)
{
    return root.size() == 3 && root.at(1) == u':';
}

bool isDesktopMount(const QString &root)
{
    return root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"));
}

bool isDriveA(const QString &root)
{
    return root.compare(QLatin1String("A:/"), Qt::CaseInsensitive) == 0;
}

bool isOwn(const MountRecord &mount, const QList<MountRecord> &own)
{
    return std::any_of(own.begin(), own.end(), [&](const MountRecord &o) {
        return cleanRoot(o.rootPath) == cleanRoot(mount.rootPath) || (!o.device.isEmpty() && o.device == mount.device);
    });
}

Medium toMedium(const MountRecord &mount)
{
    const QString root = cleanRoot(mount.rootPath);
    QString label = mount.name;
    if (label.isEmpty())
        label = isDriveRoot(root) ? QString(root).replace(u'/', u'\\') : QDir(root).dirName();
    return {root, label, mount.bytesTotal, mount.bytesFree, mount.readOnly};
}

MountRecord toRecord(const QStorageInfo &storage)
{
    return {storage.rootPath(),  storage.device(),     storage.name(),   storage.bytesTotal(),
            storage.bytesFree(), storage.isReadOnly(), storage.isReady()};
}

} // namespace

QList<Medium> removableMedia(const QList<MountRecord> &mounts, const QList<MountRecord> &own, VolumeNaming naming)
{
    QList<Medium> media;
    for (const MountRecord &mount : mounts) {
        if (!mount.ready || isOwn(mount, own))
            continue;
        if (naming == VolumeNaming::MountPoints && (!isDesktopMount(cleanRoot(mount.rootPath)) || !mount.device.startsWith("/dev/")))
            continue;
        media.append(toMedium(mount));
    }
    std::stable_sort(media.begin(), media.end(), [](const Medium &a, const Medium &b) {
        if (isDriveA(a.rootPath) != isDriveA(b.rootPath))
            return isDriveA(a.rootPath);
        return a.rootPath < b.rootPath;
    });
    // Two sticks of one make carry one name: their mount points (or drives) tell them apart.
    const QList<Medium> asFound = media;
    for (Medium &medium : media) {
        const auto sameLabel = [&](const Medium &other) { return other.label == medium.label; };
        if (std::count_if(asFound.begin(), asFound.end(), sameLabel) > 1)
            medium.label = isDriveRoot(medium.rootPath) ? medium.label + QStringLiteral(" (%1)").arg(medium.rootPath.left(2))
                                                        : QDir(medium.rootPath).dirName();
    }
    return media;
}

QList<MountRecord> mountedVolumes()
{
    QList<MountRecord> records;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes())
        if (storage.isValid())
            records.append(toRecord(storage));
    return records;
}

QList<MountRecord> ownVolumes()
{
    return {toRecord(QStorageInfo::root()), toRecord(QStorageInfo(QDir::homePath()))};
}

QString pickMedium(const RemovableDrive &drive, Dialogs &dialogs, const QString &title)
{
    const QList<Medium> media = drive.media();
    return media.size() == 1 ? media.first().rootPath : dialogs.chooseMedium(media, title);
}

QString describeMedium(const Medium &medium)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QString text = QStringLiteral("%1  (%2, liberi %3)")
                       .arg(medium.label, italian.formattedDataSize(medium.bytesTotal, 1, QLocale::DataSizeTraditionalFormat),
                            italian.formattedDataSize(medium.bytesFree, 1, QLocale::DataSizeTraditionalFormat));
    if (medium.readOnly)
        text += QStringLiteral(" - protetto da scrittura");
    return text;
}

QList<Medium> MountedMedia::media() const
{
#ifdef Q_OS_WIN
    const VolumeNaming naming = VolumeNaming::DriveLetters;
#else
    const VolumeNaming naming = VolumeNaming::MountPoints;
#endif
    return removableMedia(mountedVolumes(), ownVolumes(), naming);
}

} // namespace censaria
