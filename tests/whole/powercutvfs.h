#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// An SQLite VFS that passes everything to the system's own and keeps, beside it, what
// a disk would still hold after a power cut at every moment: the data of a file only
// as of its last sync, and the folder's entries (files made or deleted) only as of the
// folder's last sync. Registered as the default VFS, it sees every file that Qt's
// SQLite driver opens in this process.
namespace powercut {

struct Image
{
    int saved = 0;                   // results reported saved when the power went
    QMap<QString, QByteArray> files; // file name (no folder) -> content
};

// Starts watching files in folder; the archive's files found there count as synced.
void start(const QString &folder);
// The results reported saved so far; call after each save returned.
void reportSaved(int count);
// Stops watching, takes the VFS away and returns one image for every write, truncation,
// sync and deletion, as the disk would be if the power went just before it.
QList<Image> stop();

} // namespace powercut
