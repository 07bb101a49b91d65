#include "figurecanvas.h"

#include "screenkit/module.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace censaria::populations {

FigureCanvas::FigureCanvas(QWidget *parent, FigurePainter paint)
    : QWidget(parent)
    , paint_(std::move(paint))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FigureCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    // The full-screen button stands over the top right corner: the figure keeps clear of it.
    const int covered = fullScreen_ ? x() + width() - fullScreen_->x() : 0;
    paint_(painter, QRectF(rect()).adjusted(0, 0, -covered, 0));
}

QImage FigureCanvas::image(const QSize &size) const
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing);
    paint_(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

void FigureCanvas::offerFullScreen(std::function<QString()> title)
{
    fullScreen_ = censaria::offerFullScreen(this, std::move(title), paint_);
}

bool FigureCanvas::saveImage(Module &module, const QString &title, const QString &fileName)
{
    const QList<Medium> media = module.platform().driveA->media();
    const QString folder = media.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) : media.first().rootPath;
    // Characters a file name on a stick cannot hold.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
    QString suggested = fileName;
    suggested.remove(unsafe);
    QString path = module.platform().dialogs->saveFile(QStringLiteral("Salva l'immagine: %1").arg(title),
                                                       QDir(folder).filePath(suggested + QStringLiteral(".png")),
                                                       QStringLiteral("Immagine PNG (*.png)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    // Written whole or not at all: a full or pulled-out stick leaves no broken picture.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image(imageSize).save(&file, "PNG") || !file.commit()) {
        module.message(QStringLiteral("Non sono riuscito a salvare l'immagine nel file\n%1\n\nForse il supporto è pieno, protetto da "
                                      "scrittura o è stato tolto. Nessun file è rimasto a metà.")
                           .arg(QDir::toNativeSeparators(path)),
                       MessageIcon::Exclamation);
        return false;
    }
    module.message(QStringLiteral("L'immagine è nel file\n%1").arg(QDir::toNativeSeparators(path)), MessageIcon::Information);
    return true;
}

} // namespace censaria::populations
