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
    bool exists = false;           // the folder's entry, as the running system sees it
    QByteArray now;                // the content in the page cache
    bool durableExists = false;    // the entry as of the folder's last sync
    QByteArray durable;            // the content as of the file's last sync
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

// A call passed on to the real file, for the calls the disk model need not see and after those it does.
using M = sqlite3_io_methods;
template <auto method>
constexpr auto forward = [](sqlite3_file *file, auto... args) {
    sqlite3_file *real = reinterpret_cast<ShimFile *>(file)->real();
    return (real->pMethods->*method)(real, args...);
};

int shimWrite(sqlite3_file *file, const void *buffer, int amount, sqlite3_int64 offset)
{
    if (FileState *state = stateOf(file)) {
        takeImage();
        if (state->now.size() < offset + amount)
            state->now.resize(offset + amount, '\0');
        std::memcpy(state->now.data() + offset, buffer, size_t(amount));
    }
    return forward<&M::xWrite>(file, buffer, amount, offset);
}

int shimTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    if (FileState *state = stateOf(file)) {
        takeImage();
        state->now.resize(size, '\0');
    }
    return forward<&M::xTruncate>(file, size);
}

int shimSync(sqlite3_file *file, int flags)
{
    if (FileState *state = stateOf(file)) {
        takeImage();
        state->durable = state->now;
        if (state->syncFolderOnSync) {
            state->syncFolderOnSync = false;
            syncFolder();
        }
    }
    return forward<&M::xSync>(file, flags);
}

// Version 1: no shared memory and no memory mapping, as the rollback journal needs neither.
const sqlite3_io_methods shimMethods = {
    1,
    shimClose,
    forward<&M::xRead>,
    shimWrite,
    shimTruncate,
    shimSync,
    forward<&M::xFileSize>,
    forward<&M::xLock>,
    forward<&M::xUnlock>,
    forward<&M::xCheckReservedLock>,
    forward<&M::xFileControl>,
    forward<&M::xSectorSize>,
    forward<&M::xDeviceCharacteristics>,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
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
