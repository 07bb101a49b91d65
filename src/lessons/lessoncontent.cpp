#include "lessoncontent.h"

#include "platform/rtf/rtfreader.h"

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

// Gives a format that states its size in points that size in pixels; false if it states none.
bool inPixels(QTextCharFormat &format, qreal pixelsPerPoint)
{
    if (!format.hasProperty(QTextFormat::FontPointSize))
        return false;
    const int pixels = std::max(1, qRound(format.fontPointSize() * pixelsPerPoint));
    format.clearProperty(QTextFormat::FontPointSize);
    format.setProperty(QTextFormat::FontPixelSize, pixels);
    return true;
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
    if (!RtfReader::readFile(path, document)) {
        showNote(document, QStringLiteral("Il testo di questa lezione non si può leggere"),
                 QStringLiteral("Il file «%1» nella cartella %2 del programma è rovinato o non è un testo RTF. "
                                "Avvisa l'insegnante.")
                     .arg(name, dataFolder));
        return false;
    }
    return true;
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

void fitToDisplay(QTextDocument *document, qreal lengthScale, qreal pixelsPerPoint)
{
    struct Run
    {
        int start;
        int end;
        QTextCharFormat format;
    };
    QList<Run> runs;
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    document->setIndentWidth(document->indentWidth() * lengthScale); // the lists' indent
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() * lengthScale);
        format.setRightMargin(format.rightMargin() * lengthScale);
        format.setTopMargin(format.topMargin() * lengthScale);
        format.setBottomMargin(format.bottomMargin() * lengthScale);
        format.setTextIndent(format.textIndent() * lengthScale);
        if (format.lineHeightType() == QTextBlockFormat::MinimumHeight || format.lineHeightType() == QTextBlockFormat::FixedHeight)
            format.setLineHeight(format.lineHeight() * lengthScale, format.lineHeightType());
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
        QTextCharFormat marker = block.charFormat(); // the font of a list item's bullet
        if (inPixels(marker, pixelsPerPoint))
            cursor.setBlockCharFormat(marker);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat chars = fragment.charFormat();
            if (chars.isImageFormat()) {
                QTextImageFormat image = chars.toImageFormat();
                image.setWidth(image.width() * lengthScale);
                image.setHeight(image.height() * lengthScale);
                chars = image;
            } else if (!inPixels(chars, pixelsPerPoint)) {
                continue;
            }
            runs.append({fragment.position(), fragment.position() + fragment.length(), chars});
        }
    }
    // Formats are set once the walk is over: setting them splits and merges fragments.
    for (const Run &run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

LessonPicture loadLessonPicture(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (missing(path))
        return {{}, QStringLiteral("Figura non disponibile:\nmanca il file «%1»\nnella cartella %2.").arg(name, dataFolder)};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return {{}, QStringLiteral("Figura non disponibile:\nil file «%1»\nnon si può leggere.").arg(name)};
    return {image, {}};
}

} // namespace censaria
