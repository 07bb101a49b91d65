#include "svgpicture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgRenderer>

namespace censaria {
namespace {

constexpr QImage::Format format = QImage::Format_ARGB32_Premultiplied;

// What a kept copy begins with: the format's name, then a digest of everything its
// pixels depend on. The pixels follow, row after row, as QImage holds them.
QByteArray header(const QByteArray &svg, const QSize &size)
{
    QCryptographicHash digest(QCryptographicHash::Sha256);
    digest.addData(svg);
    digest.addData(QByteArray(qVersion()));
    digest.addData(QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height()));
    return QByteArrayLiteral("Censaria picture 1\n") + digest.result();
}

// One copy per picture, named after its file: ":/pictures/menu.svg" is kept as
// "pictures-menu.svg.pixels".
QString keptFile(const QString &cacheFolder, const QString &file)
{
    QString name;
    for (const QChar c : file)
        name += c.isLetterOrNumber() || c == u'.' || c == u'_' ? c : u'-';
    while (name.startsWith(u'-') || name.startsWith(u'.'))
        name.remove(0, 1);
    return QDir(cacheFolder).filePath(name + QStringLiteral(".pixels"));
}

QImage readKept(const QString &path, const QByteArray &head, const QSize &size)
{
    const qint64 pixelBytes = qint64(size.width()) * size.height() * 4;
    // A folder, or a pipe that would never end, is no picture; nor is a file of another length.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != head.size() + pixelBytes)
        return {};
    QFile kept(path);
    if (!kept.open(QIODevice::ReadOnly) || kept.read(head.size()) != head)
        return {};
    QImage image(size, format);
    if (image.sizeInBytes() != pixelBytes || kept.read(reinterpret_cast<char *>(image.bits()), pixelBytes) != pixelBytes)
        return {};
    return image;
}

// Whole or not at all: a run that stops halfway leaves no copy, or a whole one.
void keep(const QString &path, const QByteArray &head, const QImage &image)
{
    QDir().mkpath(QFileInfo(path).path());
    // The bad copy goes first; were it a link, the file it points to stays as it is.
    QFile::remove(path);
    QSaveFile kept(path);
    if (kept.open(QIODevice::WriteOnly) && kept.write(head) == head.size()
        && kept.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes())
        kept.commit();
}

QImage draw(const QByteArray &svg, const QSize &size)
{
    QImage image(size, format);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter, QRectF(image.rect()));
    return image;
}

} // namespace

QImage svgPicture(const QString &file, const QSize &size, const QString &cacheFolder)
{
    if (size.isEmpty())
        return {};
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        QImage nothing(size, format);
        nothing.fill(Qt::transparent);
        return nothing;
    }
    const QByteArray svg = source.readAll();
    if (cacheFolder.isEmpty())
        return draw(svg, size);
    const QByteArray head = header(svg, size);
    const QString path = keptFile(cacheFolder, file);
    QImage image = readKept(path, head, size);
    if (image.isNull()) {
        image = draw(svg, size);
        keep(path, head, image);
    }
    return image;
}

QString pictureCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : QDir(cache).filePath(QStringLiteral("pictures"));
}

} // namespace censaria
