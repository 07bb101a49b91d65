#include "protectedfile.h"

#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace censaria {
namespace {

// A descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether an account other than root and this one could put another entry in the folder.
QString whyNotSafe(int folder, const QString &name, bool last)
{
    struct stat info
    {
    };
    if (::fstat(folder, &info) != 0)
        return QStringLiteral("non riesco a esaminare la cartella %1 (%2)").arg(name, systemError());
    if (info.st_uid != 0 && info.st_uid != ::geteuid())
        return QStringLiteral("la cartella %1 appartiene a un altro utente").arg(name);
    const bool othersWrite = (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (othersWrite && (last || !(info.st_mode & S_ISVTX)))
        return QStringLiteral("nella cartella %1 possono scrivere anche altri utenti").arg(name);
    return QString();
}

bool failed(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool writeProtectedFile(const QString &path, const QByteArray &contents, const QString &group, int mode, QString *error)
{
    if (!path.startsWith(u'/'))
        return failed(error, QStringLiteral("il percorso %1 non è assoluto").arg(path));
    QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.contains(QStringLiteral(".")) || parts.contains(QStringLiteral("..")))
        return failed(error, QStringLiteral("il percorso %1 non è valido").arg(path));
    const QByteArray fileName = parts.takeLast().toLocal8Bit();

    const struct group *entry = ::getgrnam(group.toLocal8Bit().constData());
    if (!entry)
        return failed(error, QStringLiteral("il gruppo %1 non esiste").arg(group));
    const gid_t gid = entry->gr_gid;

    Descriptor folder(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    QString walked = QStringLiteral("/");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (const QString why = whyNotSafe(folder.get(), walked, false); !why.isEmpty())
            return failed(error, why);
        const QByteArray part = parts[i].toLocal8Bit();
        const bool last = i == parts.size() - 1;
        Descriptor next(::openat(folder.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid() && errno == ENOENT && last) {
            if (::mkdirat(folder.get(), part.constData(), 0755) != 0 && errno != EEXIST)
                return failed(error, QStringLiteral("non riesco a creare la cartella %1%2 (%3)").arg(walked, parts[i], systemError()));
            next = Descriptor(::openat(folder.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            // Whatever the umask: everyone may read the folder, only its owner change it.
            if (next.valid())
                ::fchmod(next.get(), 0755);
        }
        walked += parts[i] + u'/';
        if (!next.valid())
            return failed(error, errno == ELOOP || errno == ENOTDIR
                                     ? QStringLiteral("%1 è un collegamento o non è una cartella").arg(walked.chopped(1))
                                     : QStringLiteral("non riesco ad aprire la cartella %1 (%2)").arg(walked, systemError()));
        folder = std::move(next);
    }
    if (const QString why = whyNotSafe(folder.get(), walked, true); !why.isEmpty())
        return failed(error, why);

    const QByteArray temporary = QByteArrayLiteral(".") + fileName + QByteArrayLiteral(".nuovo-")
                                 + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    Descriptor file(::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.valid())
        return failed(error, QStringLiteral("non riesco a scrivere nella cartella %1 (%2)").arg(walked, systemError()));
    const auto abandon = [&](const QString &why) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return failed(error, why);
    };
    for (qsizetype done = 0; done < contents.size();) {
        const ssize_t written = ::write(file.get(), contents.constData() + done, size_t(contents.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return abandon(QStringLiteral("non riesco a scrivere il file in %1 (%2)").arg(walked, systemError()));
        done += written;
    }
    if (::fchown(file.get(), uid_t(-1), gid) != 0 || ::fchmod(file.get(), mode_t(mode)) != 0)
        return abandon(QStringLiteral("non riesco a dare il file al gruppo %1 (%2)").arg(group, systemError()));
    if (::fsync(file.get()) != 0)
        return abandon(QStringLiteral("non riesco a scrivere il file sul disco (%1)").arg(systemError()));
    if (::renameat(folder.get(), temporary.constData(), folder.get(), fileName.constData()) != 0)
        return abandon(QStringLiteral("non riesco a mettere il file al posto di %1 (%2)").arg(path, systemError()));
    ::fsync(folder.get());
    return true;
}

} // namespace censaria
