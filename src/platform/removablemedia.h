#pragma once

#include "platform.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace censaria {

// One mounted file system, as the system reports it.
struct MountRecord
{
    QString rootPath;
    QByteArray device;
    QString name;
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;
    bool readOnly = false;
    bool ready = true;
};

// How the system names its volumes: mount points (Linux and the like) or drive letters.
enum class VolumeNaming { MountPoints, DriveLetters };

// The mounts that are removable media a teacher may export to. With mount points: the
// ones a desktop mounts under /media or /run/media, with a device of their own. With
// drive letters: every drive, A: first. Never one of own (the system and home volumes),
// not even mounted again elsewhere. Read-only media stay in: the export says it cannot
// write, which tells more than a medium that is silently left out.
QList<Medium> removableMedia(const QList<MountRecord> &mounts, const QList<MountRecord> &own, VolumeNaming naming);

// The volumes mounted now, and the computer's own ones (system and home).
QList<MountRecord> mountedVolumes();
QList<MountRecord> ownVolumes();

// Where to export: the one medium present, or else (several, or none) the medium or
// folder the user chooses; empty when the user cancels.
QString pickMedium(const RemovableDrive &drive, Dialogs &dialogs, const QString &title);

// How a medium is listed for the teacher: its label, size and free space, in Italian.
QString describeMedium(const Medium &medium);

// The removable media mounted now, found through QStorageInfo: USB sticks and memory
// cards as the desktop mounts them, or the drives on Windows with A:\ first.
class MountedMedia : public RemovableDrive
{
public:
    QList<Medium> media() const override;
};

} // namespace censaria
