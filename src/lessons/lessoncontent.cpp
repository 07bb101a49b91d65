#include "lessoncontent.h"

#include "platform/twips.h"
#include "rtf/rtfreader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextFragment>

#include <algorithm>

namespace censaria {
namespace {

const QString dataFolder = QStringLiteral("perCensaria");

bool missing(const QString &path)
{
    return !QFileInfo(path).isFile();
}

void showNote(QTextDocument *document, const QString &heading, const QString &text)
{
    document->clear();
    document->setHtml(QStringLiteral("<h3 style=\"color:#9a2b1f\">%1</h3><p>%2</p>"
                                     "<p>Le altre pagine della lezione si possono leggere lo stesso.</p>")
                          .arg(heading.toHtmlEscaped(), text.toHtmlEscaped()));
}

} // namespace

bool loadLessonText(const QString &path, QTextDocument *document)
{
    const QString name = QFileInfo(path).fileName();
    if (missing(path)) {
        showNote(document, QStringLiteral("Il testo di questa lezione non c'è"),
                 QStringLiteral("Manca il file «%1» nella cartella %2 del programma. Avvisa l'insegnante.").arg(name, dataFolder));
        return false;
    }
    // A file cut short or overwritten keeps its RTF start and yields an empty page.
    if (!RtfReader::readFile(path, document) || document->toPlainText().trimmed().isEmpty()) {
        showNote(document, QStringLiteral("Il testo di questa lezione non si può leggere"),
                 QStringLiteral("Il file «%1» nella cartella %2 del programma è rovinato o non è un testo RTF. "
                                "Avvisa l'insegnante.")
                     .arg(name, dataFolder));
        return false;
    }
    return true;
}

QTextDocument *makeLessonDocument(const QString &path, const QFont &font, qreal indent, QObject *parent)
{
    auto *document = new QTextDocument(parent);
    document->setDefaultFont(font);
    if (loadLessonText(path, document)) {
        Twips::scaleDocument(document);
        if (indent != 0)
            indentParagraphs(document, indent);
    }
    return document;
}

void indentParagraphs(QTextDocument *document, qreal indent)
{
    // One edit block: the page is laid out again once, not once per paragraph.
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() + indent);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

LessonPicture loadLessonPicture(const QString &path, const QSize &box)
{
    const QString name = QFileInfo(path).fileName();
    if (missing(path))
        return {{}, QStringLiteral("Figura non disponibile:\nmanca il file «%1»\nnella cartella %2.").arg(name, dataFolder)};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Decoded straight to the box: a JPEG reduced while it is decoded costs a fraction
    // of decoding it whole and smoothing it down afterwards.
    const QSize stored = reader.size();
    if (!box.isEmpty() && !stored.isEmpty()) {
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        reader.setScaledSize(stored.scaled(turned ? box.transposed() : box, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull())
        return {{}, QStringLiteral("Figura non disponibile:\nil file «%1»\nnon si può leggere.").arg(name)};
    return {image, {}};
}

} // namespace censaria
