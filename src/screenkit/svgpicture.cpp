#include "svgpicture.h"

#include "keptpixels.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>

namespace censaria {
namespace {

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

QImage draw(const QByteArray &svg, const QSize &size)
{
    QImage image(size, keptPixelsFormat);
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
        QImage nothing(size, keptPixelsFormat);
        nothing.fill(Qt::transparent);
        return nothing;
    }
    const QByteArray svg = source.readAll();
    if (cacheFolder.isEmpty())
        return draw(svg, size);
    const QByteArray head = header(svg, size);
    const QString path = keptFile(cacheFolder, file);
    QImage image = readKeptPixels(path, head, size);
    if (image.isNull()) {
        image = draw(svg, size);
        keepPixels(path, head, image);
    }
    return image;
}

QString pictureCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : QDir(cache).filePath(QStringLiteral("pictures"));
}

} // namespace censaria
