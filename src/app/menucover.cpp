#include "menucover.h"

#include "platform/typescale.h"
#include "screenkit/keptpixels.h"
#include "screenkit/svgpicture.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>

namespace censaria::menucover {
namespace {

// The menu covers the primary screen.
qreal pixelRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QString keptFile()
{
    const QString folder = pictureCacheFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("menu-cover.pixels"));
}

// Everything the menu's pixels depend on besides its own code: a new build of the
// program, another Qt or style, fonts added or removed (fc-cache rewrites its folder),
// the display and the pupil's size of type.
QByteArray header(const QSize &pixels)
{
    QCryptographicHash digest(QCryptographicHash::Sha256);
    const auto addFile = [&digest](const QString &path) {
        const QFileInfo info(path);
        digest.addData(path.toUtf8() + ' ' + QByteArray::number(info.size()) + ' '
                       + QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n');
    };
    addFile(QCoreApplication::applicationFilePath());
    addFile(QStringLiteral("/etc/fonts/conf.d"));
    addFile(QStringLiteral("/var/cache/fontconfig"));
    addFile(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).filePath(QStringLiteral("fontconfig")));
    digest.addData(QByteArray(qVersion()) + ' ' + QApplication::style()->name().toUtf8() + '\n');
    digest.addData(QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height()) + ' '
                   + QByteArray::number(pixelRatio()) + ' ' + QByteArray::number(TypeScale::factor()));
    return QByteArrayLiteral("Censaria menu 1\n") + digest.result();
}

// The picture's size on a display of this size, in the display's own pixels.
QSize pixelsOver(const QSize &display)
{
    return display * pixelRatio();
}

} // namespace

QImage read(const QSize &display)
{
    const QString file = keptFile();
    if (file.isEmpty())
        return {};
    QImage picture = readKeptPixels(file, header(pixelsOver(display)), pixelsOver(display));
    picture.setDevicePixelRatio(pixelRatio());
    return picture;
}

void keep(const QImage &picture, const QSize &display)
{
    // One that a start could not show (the window was not given the whole display) is
    // not worth its megabytes.
    const QString file = keptFile();
    if (!file.isEmpty() && picture.size() == pixelsOver(display) && picture.devicePixelRatio() == pixelRatio())
        keepPixels(file, header(picture.size()), picture);
}

} // namespace censaria::menucover
