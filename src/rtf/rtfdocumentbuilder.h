#pragma once

#include "rtfstate.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextTableFormat>

class QImage;
class QTextDocument;
class QTextTable;

namespace censaria::rtf {

// Writes what the interpreter reads into a QTextDocument: runs of text, paragraph
// ends, pictures and table cells. Lengths arrive in twips and leave in the
// document's pixels, at 96 per inch as Qt lays out point sizes.
class DocumentBuilder
{
public:
    static constexpr qreal pixelsPerTwip = 96.0 / 1440.0;

    DocumentBuilder(QTextDocument *document, const DocumentTables &tables, const RowProps &row);

    void insertText(const QString &text, const CharProps &character, const ParaProps &paragraph);
    void insertImage(const QImage &image, QSizeF sizeInTwips, const ParaProps &paragraph);
    void endParagraph(const ParaProps &paragraph, const CharProps &character);
    // The last paragraph needs no \par: it takes the properties in force at the end.
    void endDocument(const ParaProps &paragraph, const CharProps &character);
    void endCell(const ParaProps &paragraph, const CharProps &character);
    void endRow();
    bool inTable() const { return table_ != nullptr; }
    // The bullet or number a writer spelled out for the current paragraph.
    void setListMarker(const QString &marker) { listMarker_ = marker; }
    // Gathers the list paragraphs into lists, now that the list table is known.
    void finish();

private:
    struct ListItem
    {
        QTextBlock block;
        int listOverride;
        int level;
        QTextListFormat::Style oldStyle;
        QString marker;
    };

    void enterParagraph(const ParaProps &paragraph);
    void startTable();
    QTextTableFormat tableFormat() const;
    void leaveTable();
    void closeBlock(const ParaProps &paragraph, const CharProps &character);
    QTextCharFormat charFormat(const CharProps &character);
    QTextBlockFormat blockFormat(const ParaProps &paragraph) const;
    QTextListFormat::Style listStyle(const ListItem &item) const;

    QTextDocument *document_;
    const DocumentTables &tables_;
    const RowProps &row_;
    QTextCursor cursor_;
    CharProps lastCharacter_;
    QTextCharFormat lastFormat_;
    bool formatKnown_ = false;

    QTextTable *table_ = nullptr;
    int tableRow_ = 0;
    int tableColumn_ = 0;
    bool rowEnded_ = false;
    bool cellPending_ = false; // the cursor must move to the current cell first

    bool blockOpen_ = false; // content not yet closed by \par or \cell

    QString listMarker_;
    QList<ListItem> listItems_;
    int pictures_ = 0;
};

} // namespace censaria::rtf
