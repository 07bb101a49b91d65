#include "twips.h"

#include "typescale.h"

#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtMath>
#include <algorithm>

namespace censaria {

double Twips::scale_ = 1.0 / 15.0; // 96 dots per inch until a display is known

void Twips::setDisplay(const QSize &display)
{
    if (display.isEmpty())
        return;
    scale_ = std::min(double(display.width()) / designWidth, double(display.height()) / designHeight);
}

double Twips::scale()
{
    return scale_;
}

double Twips::styleScale()
{
    return scale_ * 15;
} // 15 twips to the pixel at 96 dots per inch

int Twips::px(int twips)
{
    return qRound(twips * scale_);
}

QRect Twips::rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QSize Twips::size(int width, int height)
{
    return QSize(px(width), px(height));
}

// 20 twips to the point; a pupil who asked for larger type gets it everywhere.
int Twips::fontPixels(double points)
{
    return std::max(6, qRound(points * 20 * scale_ * TypeScale::factor()));
}

QFont Twips::font(double points, bool bold, const QString &family)
{
    QFont f(family.isEmpty() ? QStringLiteral("Sans Serif") : family);
    if (family.isEmpty())
        f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(fontPixels(points));
    f.setBold(bold);
    return f;
}

namespace {

constexpr qreal listIndent = 40; // Qt's indent of a list level, in pixels at 96 dots per inch

// Type in points becomes pixels of this display; a run without a size of its own
// keeps the document's default font, which the view gives.
bool typeInPixels(QTextCharFormat &format)
{
    if (!format.hasProperty(QTextFormat::FontPointSize))
        return false;
    const int pixels = Twips::fontPixels(format.fontPointSize());
    format.clearProperty(QTextFormat::FontPointSize);
    format.setProperty(QTextFormat::FontPixelSize, pixels);
    return true;
}

struct Run
{
    int start;
    int end;
    QTextCharFormat format;
};

// The runs of a paragraph whose type or picture takes the display's size.
void collectRuns(const QTextBlock &block, QList<Run> &runs)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QTextCharFormat format = fragment.charFormat();
        bool changed = typeInPixels(format);
        if (format.isImageFormat()) {
            QTextImageFormat image = format.toImageFormat();
            if (image.width() > 0)
                image.setWidth(image.width() * Twips::styleScale());
            if (image.height() > 0)
                image.setHeight(image.height() * Twips::styleScale());
            format = image;
            changed = true;
        }
        if (changed)
            runs.append({fragment.position(), fragment.position() + fragment.length(), format});
    }
}

void scaleParagraph(QTextCursor &cursor, const QTextBlock &block)
{
    const double k = Twips::styleScale();
    QTextBlockFormat format = block.blockFormat();
    format.setLeftMargin(format.leftMargin() * k);
    format.setRightMargin(format.rightMargin() * k);
    format.setTopMargin(format.topMargin() * k);
    format.setBottomMargin(format.bottomMargin() * k);
    format.setTextIndent(format.textIndent() * k);
    if (format.lineHeightType() == QTextBlockFormat::FixedHeight || format.lineHeightType() == QTextBlockFormat::MinimumHeight)
        format.setLineHeight(format.lineHeight() * k, format.lineHeightType());
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
    // The paragraph's own type sizes its list bullet.
    QTextCharFormat type = block.charFormat();
    if (typeInPixels(type))
        cursor.setBlockCharFormat(type);
}

void scaleTable(QTextTable *table)
{
    const double k = Twips::styleScale();
    QTextTableFormat format = table->format();
    format.setCellPadding(format.cellPadding() * k);
    format.setCellSpacing(format.cellSpacing() * k);
    format.setBorder(format.border() * k);
    QList<QTextLength> widths = format.columnWidthConstraints();
    for (QTextLength &width : widths)
        if (width.type() == QTextLength::FixedLength)
            width = QTextLength(QTextLength::FixedLength, width.rawValue() * k);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

} // namespace

void Twips::scaleDocument(QTextDocument *document)
{
    // One edit block: the page is laid out again once.
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QList<Run> runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        scaleParagraph(cursor, block);
        collectRuns(block, runs);
    }
    // Formats are set once the walk is over: setting one splits and merges the fragments walked.
    for (const Run &run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    for (QTextFrame *frame : document->rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            scaleTable(table);
    document->setIndentWidth(listIndent * styleScale());
    cursor.endEditBlock();
}

} // namespace censaria
