#include "platform/rtf/rtfreader.h"
#include <QGuiApplication>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QFileInfo>
int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    for (int i = 1; i < argc; ++i) {
        QTextDocument doc;
        censaria::RtfReader::readFile(argv[i], &doc);
        doc.setTextWidth(560);
        QSizeF size = doc.documentLayout()->documentSize();
        QImage image(560, int(size.height()) + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        doc.drawContents(&p);
        image.save("/tmp/rtfprobe/" + QFileInfo(argv[i]).completeBaseName() + ".png");
    }
}
