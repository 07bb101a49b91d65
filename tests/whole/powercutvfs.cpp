#include "powercutvfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <cstring>

namespace powercut {
namespace {

struct FileState
{
    bool exists = false;        // the folder's entry, as the running system sees it
    QByteArray now;             // the content in the page cache
    bool durableExists = false; // the entry as of the folder's last sync
    QByteArray durable;         // the content as of the file's last sync
    bool syncFolderOnSync = false; // a new journal: its first sync also syncs the folder
};

struct Watch
{
    QString folder;
    QMap<QString, FileState> files;
    int saved = 0;
    QList<Image> images;
    sqlite3_vfs *real = nullptr;
    sqlite3_vfs vfs{};
} watch;

struct ShimFile
{
    sqlite3_file base;
    QString *name; // nullptr for files outside the folder
    sqlite3_file *real() { return reinterpret_cast<sqlite3_file *>(this + 1); }
};

void takeImage()
{
    Image image;
    image.saved = watch.saved;
    for (auto it = watch.files.cbegin(); it != watch.files.cend(); ++it)
        if (it->durableExists)
            image.files.insert(it.key(), it->durable);
    if (watch.images.isEmpty() || watch.images.last().files != image.files || watch.images.last().saved != image.saved)
        watch.images.append(image);
}

void syncFolder()
{
    for (FileState &state : watch.files) {
        state.durableExists = state.exists;
        if (!state.exists)
            state.durable.clear();
    }
}

FileState *stateOf(sqlite3_file *file)
{
    auto *shim = reinterpret_cast<ShimFile *>(file);
    return shim->name ? &watch.files[*shim->name] : nullptr;
}

int shimClose(sqlite3_file *file)
{
    auto *shim = reinterpret_cast<ShimFile *>(file);
    const int rc = shim->real()->pMethods ? shim->real()->pMethods->xClose(shim->real()) : SQLITE_OK;
    delete shim->name;
    return rc;
}

int shimRead(sqlite3_file *file, void *buffer, int amount, sqlite3_int64 offset)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xRead(real, buffer, amount, offset);
}

int shimWrite(sqlite3_file *file, const void *buffer, int amount, sqlite3_int64 offset)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    if (FileState *state = stateOf(file)) {
        takeImage();
        if (state->now.size() < offset + amount)
            state->now.resize(offset + amount, '\0');
        std::memcpy(state->now.data() + offset, buffer, size_t(amount));
    }
    return real->pMethods->xWrite(real, buffer, amount, offset);
}

int shimTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    if (FileState *state = stateOf(file)) {
        takeImage();
        state->now.resize(size, '\0');
    }
    return real->pMethods->xTruncate(real, size);
}

int shimSync(sqlite3_file *file, int flags)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    if (FileState *state = stateOf(file)) {
        takeImage();
        state->durable = state->now;
        if (state->syncFolderOnSync) {
            state->syncFolderOnSync = false;
            syncFolder();
        }
    }
    return real->pMethods->xSync(real, flags);
}

int shimFileSize(sqlite3_file *file, sqlite3_int64 *size)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xFileSize(real, size);
}

int shimLock(sqlite3_file *file, int level)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xLock(real, level);
}

int shimUnlock(sqlite3_file *file, int level)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xUnlock(real, level);
}

int shimCheckReservedLock(sqlite3_file *file, int *out)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xCheckReservedLock(real, out);
}

int shimFileControl(sqlite3_file *file, int op, void *arg)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xFileControl(real, op, arg);
}

int shimSectorSize(sqlite3_file *file)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xSectorSize(real);
}

int shimDeviceCharacteristics(sqlite3_file *file)
{
    auto *real = reinterpret_cast<ShimFile *>(file)->real();
    return real->pMethods->xDeviceCharacteristics(real);
}

// Version 1: no shared memory and no memory mapping, as the rollback journal needs neither.
const sqlite3_io_methods shimMethods = {
    1, shimClose, shimRead, shimWrite, shimTruncate, shimSync, shimFileSize, shimLock, shimUnlock,
    shimCheckReservedLock, shimFileControl, shimSectorSize, shimDeviceCharacteristics,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};

QString watchedName(const char *path)
{
    if (!path)
        return {};
    const QFileInfo info(QString::fromUtf8(path));
    return info.absolutePath() == watch.folder ? info.fileName() : QString();
}

int shimOpen(sqlite3_vfs *, sqlite3_filename path, sqlite3_file *file, int flags, int *outFlags)
{
    auto *shim = reinterpret_cast<ShimFile *>(file);
    shim->base.pMethods = nullptr;
    shim->name = nullptr;
    const int rc = watch.real->xOpen(watch.real, path, shim->real(), flags, outFlags);
    if (rc != SQLITE_OK)
        return rc;
    shim->base.pMethods = &shimMethods;
    if (const QString name = watchedName(path); !name.isEmpty()) {
        shim->name = new QString(name);
        FileState &state = watch.files[name];
        if (!state.exists) {
            state.exists = true;
            state.now.clear();
            // The system's VFS syncs the folder at the first sync of a new journal.
            state.syncFolderOnSync = (flags & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_SUPER_JOURNAL)) != 0;
        }
    }
    return SQLITE_OK;
}

int shimDelete(sqlite3_vfs *, const char *path, int syncFolderAfter)
{
    if (const QString name = watchedName(path); !name.isEmpty() && watch.files.contains(name)) {
        takeImage();
        FileState &state = watch.files[name];
        state.exists = false;
        state.now.clear();
        if (syncFolderAfter)
            syncFolder();
    }
    return watch.real->xDelete(watch.real, path, syncFolderAfter);
}

int shimAccess(sqlite3_vfs *, const char *path, int flags, int *out)
{
    return watch.real->xAccess(watch.real, path, flags, out);
}

int shimFullPathname(sqlite3_vfs *, const char *path, int size, char *out)
{
    return watch.real->xFullPathname(watch.real, path, size, out);
}

} // namespace

void start(const QString &folder)
{
    watch.folder = QFileInfo(folder).absoluteFilePath();
    watch.files.clear();
    watch.images.clear();
    watch.saved = 0;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(info.absoluteFilePath());
        file.open(QIODevice::ReadOnly);
        FileState &state = watch.files[info.fileName()];
        state.exists = state.durableExists = true;
        state.now = state.durable = file.readAll();
    }
    watch.real = sqlite3_vfs_find(nullptr);
    watch.vfs = *watch.real; // randomness, sleep, time and the rest come from the real one
    watch.vfs.iVersion = 1;
    watch.vfs.szOsFile = int(sizeof(ShimFile)) + watch.real->szOsFile;
    watch.vfs.zName = "powercut";
    watch.vfs.pNext = nullptr;
    watch.vfs.xOpen = shimOpen;
    watch.vfs.xDelete = shimDelete;
    watch.vfs.xAccess = shimAccess;
    watch.vfs.xFullPathname = shimFullPathname;
    sqlite3_vfs_register(&watch.vfs, 1);
}

void reportSaved(int count)
{
    watch.saved = count;
}

QList<Image> stop()
{
    takeImage(); // the power goes after the last save
    sqlite3_vfs_unregister(&watch.vfs);
    return std::exchange(watch.images, {});
}

} // namespace powercut
