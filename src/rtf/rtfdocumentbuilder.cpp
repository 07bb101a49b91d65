#include "rtfdocumentbuilder.h"

#include <QImage>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace censaria::rtf {

namespace {

// For paragraphs whose list is not in the list table: guess from the marker.
QTextListFormat::Style styleOfMarker(const QString &marker)
{
    const QString trimmed = marker.trimmed();
    if (trimmed.isEmpty())
        return QTextListFormat::ListStyleUndefined;
    const QChar first = trimmed.front();
    if (first.isDigit())
        return QTextListFormat::ListDecimal;
    if (first.isLetter() && trimmed.size() > 1)
        return first.isUpper() ? QTextListFormat::ListUpperAlpha : QTextListFormat::ListLowerAlpha;
    return QTextListFormat::ListDisc;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument *document, const DocumentTables &tables, const RowProps &row)
    : document_(document)
    , tables_(tables)
    , row_(row)
    , cursor_(document)
{
}

void DocumentBuilder::insertText(const QString &text, const CharProps &character, const ParaProps &paragraph)
{
    if (text.isEmpty() || character.hidden)
        return;
    enterParagraph(paragraph);
    cursor_.insertText(text, charFormat(character));
    blockOpen_ = true;
}

void DocumentBuilder::insertImage(const QImage &image, QSizeF sizeInTwips, const ParaProps &paragraph)
{
    enterParagraph(paragraph);
    const QString name = QStringLiteral("rtf-picture-%1").arg(++pictures_);
    document_->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(sizeInTwips.width() * pixelsPerTwip);
    format.setHeight(sizeInTwips.height() * pixelsPerTwip);
    cursor_.insertImage(format);
    blockOpen_ = true;
}

void DocumentBuilder::endParagraph(const ParaProps &paragraph, const CharProps &character)
{
    enterParagraph(paragraph);
    closeBlock(paragraph, character);
    cursor_.insertBlock();
}

void DocumentBuilder::endDocument(const ParaProps &paragraph, const CharProps &character)
{
    if (blockOpen_)
        closeBlock(paragraph, character);
}

void DocumentBuilder::endCell(const ParaProps &paragraph, const CharProps &character)
{
    ParaProps inCell = paragraph;
    inCell.inTable = true; // some writers leave \intbl out of a cell's last paragraph
    enterParagraph(inCell);
    closeBlock(inCell, character);
    ++tableColumn_;
    cellPending_ = true;
}

void DocumentBuilder::endRow()
{
    if (table_)
        rowEnded_ = cellPending_ = true;
}

// Moves the cursor into or out of the table the paragraph belongs to, making
// the row or column it needs.
void DocumentBuilder::enterParagraph(const ParaProps &paragraph)
{
    if (!paragraph.inTable) {
        if (table_)
            leaveTable();
        return;
    }
    if (!table_) {
        startTable();
        return;
    }
    if (rowEnded_) {
        table_->appendRows(1);
        ++tableRow_;
        tableColumn_ = 0;
        rowEnded_ = false;
    }
    if (tableColumn_ >= table_->columns())
        table_->appendColumns(tableColumn_ - table_->columns() + 1);
    if (cellPending_) {
        cursor_ = table_->cellAt(tableRow_, tableColumn_).firstCursorPosition();
        cellPending_ = false;
    }
}

void DocumentBuilder::startTable()
{
    table_ = cursor_.insertTable(1, std::max<int>(1, row_.cellRights.size()), tableFormat());
    tableRow_ = tableColumn_ = 0;
    rowEnded_ = cellPending_ = false;
}

// The table takes the share of the page's text width its row takes, so it
// follows the width of the view. Its columns are sized by their content rather
// than by \cellx: a table written for a full page stays legible, its words
// whole, in a narrower view.
QTextTableFormat DocumentBuilder::tableFormat() const
{
    QTextTableFormat format;
    format.setBorder(row_.borders ? 1 : 0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    const int rowWidth = row_.cellRights.isEmpty() ? 0 : row_.cellRights.last() - row_.left;
    const int textWidth = tables_.paperWidth - tables_.leftMargin - tables_.rightMargin;
    if (rowWidth > 0 && textWidth > 0)
        format.setWidth(QTextLength(QTextLength::PercentageLength, std::min(100.0, 100.0 * rowWidth / textWidth)));
    return format;
}

void DocumentBuilder::leaveTable()
{
    cursor_ = table_->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    table_ = nullptr;
}

// The properties in force at the paragraph's end are its mark's: they size an
// empty paragraph and a list item's marker.
void DocumentBuilder::closeBlock(const ParaProps &paragraph, const CharProps &character)
{
    blockOpen_ = false;
    cursor_.setBlockFormat(blockFormat(paragraph));
    cursor_.setBlockCharFormat(charFormat(character));
    if (paragraph.listOverride != 0 || paragraph.oldStyleList != QTextListFormat::ListStyleUndefined || !listMarker_.isEmpty())
        listItems_.append({cursor_.block(), paragraph.listOverride, paragraph.listLevel, paragraph.oldStyleList, listMarker_});
    listMarker_.clear();
}

QTextCharFormat DocumentBuilder::charFormat(const CharProps &character)
{
    if (formatKnown_ && character == lastCharacter_)
        return lastFormat_;
    QTextCharFormat format;
    const Font font = tables_.fonts.value(character.font < 0 ? tables_.defaultFont : character.font);
    if (!font.family.isEmpty()) {
        format.setFontFamilies({font.family});
        format.setFontStyleHint(font.hint);
    }
    format.setFontPointSize(std::clamp(character.halfPoints, 2, 3276) / 2.0);
    format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(character.italic);
    format.setFontUnderline(character.underline);
    format.setFontStrikeOut(character.strike);
    if (character.offset == CharProps::Offset::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (character.offset == CharProps::Offset::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const QColor foreground = tables_.colors.value(character.color);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = character.background > 0 ? tables_.colors.value(character.background) : QColor();
    if (background.isValid())
        format.setBackground(background);
    lastCharacter_ = character;
    lastFormat_ = format;
    formatKnown_ = true;
    return format;
}

QTextBlockFormat DocumentBuilder::blockFormat(const ParaProps &paragraph) const
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    const int left = std::max(0, paragraph.leftIndent);
    format.setLeftMargin(left * pixelsPerTwip);
    format.setRightMargin(std::max(0, paragraph.rightIndent) * pixelsPerTwip);
    format.setTextIndent(std::max(-left, paragraph.firstIndent) * pixelsPerTwip);
    format.setTopMargin(std::max(0, paragraph.spaceBefore) * pixelsPerTwip);
    format.setBottomMargin(std::max(0, paragraph.spaceAfter) * pixelsPerTwip);
    if (paragraph.lineSpacing > 0 && paragraph.lineMultiple)
        format.setLineHeight(paragraph.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else if (paragraph.lineSpacing > 0)
        format.setLineHeight(paragraph.lineSpacing * pixelsPerTwip, QTextBlockFormat::MinimumHeight);
    else if (paragraph.lineSpacing < 0)
        format.setLineHeight(-qreal(paragraph.lineSpacing) * pixelsPerTwip, QTextBlockFormat::FixedHeight);
    const QColor background = paragraph.background > 0 ? tables_.colors.value(paragraph.background) : QColor();
    if (background.isValid())
        format.setBackground(background);
    return format;
}

QTextListFormat::Style DocumentBuilder::listStyle(const ListItem &item) const
{
    if (item.listOverride != 0) {
        const auto levels = tables_.lists.value(tables_.listOverrides.value(item.listOverride, -1));
        if (item.level >= 0 && item.level < levels.size())
            return levels[item.level];
    }
    if (item.oldStyle != QTextListFormat::ListStyleUndefined)
        return item.oldStyle;
    return styleOfMarker(item.marker);
}

// A list item's hanging first line makes room for its marker, which the list now draws.
// Lists of the list table (\ls) number on through the document; the others
// restart wherever a paragraph outside them comes between.
void DocumentBuilder::finish()
{
    QHash<std::pair<int, int>, QTextList *> tableLists;
    QTextList *run = nullptr;
    QTextBlock runEnd;
    for (const ListItem &item : std::as_const(listItems_)) {
        QTextCursor cursor(item.block);
        const QTextListFormat::Style style = listStyle(item);
        if (style == QTextListFormat::ListStyleUndefined) {
            cursor.insertText(item.marker);
            continue;
        }
        QTextBlockFormat format = item.block.blockFormat();
        format.setTextIndent(0);
        cursor.setBlockFormat(format);
        const bool fromTable = item.listOverride != 0;
        QTextList *&list = fromTable ? tableLists[{item.listOverride, item.level}] : run;
        if (!fromTable && (item.block.previous() != runEnd || (run && run->format().style() != style)))
            run = nullptr;
        if (list) {
            list->add(item.block);
        } else {
            QTextListFormat listFormat;
            listFormat.setStyle(style);
            listFormat.setIndent(0);
            list = cursor.createList(listFormat);
        }
        if (!fromTable)
            runEnd = item.block;
    }
    listItems_.clear();
}

} // namespace censaria::rtf
