#include "keptpixels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace censaria {

QImage readKeptPixels(const QString &path, const QByteArray &head, const QSize &size)
{
    const qint64 pixelBytes = qint64(size.width()) * size.height() * 4;
    // A folder, or a pipe that would never end, is no picture; nor is a file of another length.
    const QFileInfo info(path);
    if (size.isEmpty() || !info.isFile() || info.size() != head.size() + pixelBytes)
        return {};
    QFile kept(path);
    if (!kept.open(QIODevice::ReadOnly) || kept.read(head.size()) != head)
        return {};
    QImage image(size, keptPixelsFormat);
    if (image.sizeInBytes() != pixelBytes || kept.read(reinterpret_cast<char *>(image.bits()), pixelBytes) != pixelBytes)
        return {};
    return image;
}

void keepPixels(const QString &path, const QByteArray &head, const QImage &image)
{
    const QImage pixels = image.convertToFormat(keptPixelsFormat);
    QDir().mkpath(QFileInfo(path).path());
    // The bad copy goes first; were it a link, the file it points to stays as it is.
    QFile::remove(path);
    QSaveFile kept(path);
    if (kept.open(QIODevice::WriteOnly) && kept.write(head) == head.size()
        && kept.write(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes()) == pixels.sizeInBytes())
        kept.commit();
}

} // namespace censaria
