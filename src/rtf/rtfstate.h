#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextListFormat>

#include <algorithm>

namespace censaria::rtf {

constexpr int maxTwips = 31680; // 22 inches, the largest page

inline int clampTwips(int value)
{
    return std::clamp(value, -maxTwips, maxTwips);
}
// Cell boundaries only count as shares of their row, which may be drawn wider than any page.
inline int clampCellBoundary(int value)
{
    return std::clamp(value, -64 * maxTwips, 64 * maxTwips);
}

// Character properties as RTF states them; turned into a QTextCharFormat only
// when text is inserted, so that \deff and the font table may come in any order.
struct CharProps
{
    enum class Offset { Normal, Super, Sub };
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int halfPoints = 24;
    int font = -1; // -1: the document's default font
    int color = 0; // index in the colour table; an "auto" entry means the default colour
    int background = 0;
    Offset offset = Offset::Normal;
    bool operator==(const CharProps &) const = default;
};

// Lengths in twips.
struct ParaProps
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: 0 automatic; with lineMultiple, 240 is single spacing
    bool lineMultiple = false;
    bool inTable = false;
    int listOverride = 0; // \lsN, 0 for none
    int listLevel = 0;
    int background = 0; // \cbpat: shading of the whole paragraph, index in the colour table
    QTextListFormat::Style oldStyleList = QTextListFormat::ListStyleUndefined; // \pn paragraphs
};

// The row being defined by \trowd ... \cellx; twips.
struct RowProps
{
    int left = 0;
    QList<int> cellRights;
    bool borders = false;
};

enum class Destination {
    Text, // the document body
    Skip, // read past, braces only
    FontTable,
    ColorTable,
    Picture,
    ListTable,
    List,
    ListLevel,
    ListOverride,
    ListMarker,   // \listtext and \pntext: the marker a writer spelled out
    OldStyleList, // \pn
};

struct GroupState
{
    Destination destination = Destination::Text;
    bool opensDestination = false; // this group began it, so its end finishes it
    CharProps character;
    ParaProps paragraph;
    int unicodeSkip = 1; // \ucN
};

struct Font
{
    QString family;
    QFont::StyleHint hint = QFont::AnyStyle;
    int codePage = 0; // 0: the document's
};

// What the header and the tables say, gathered wherever they appear in the file.
struct DocumentTables
{
    int codePage = 1252;
    int defaultFont = 0;
    int paperWidth = 12240; // twips
    int leftMargin = 1800;
    int rightMargin = 1800;
    QHash<int, Font> fonts;
    QList<QColor> colors;                            // an invalid colour is an "auto" entry
    QHash<int, QList<QTextListFormat::Style>> lists; // \listid -> style per level
    QHash<int, int> listOverrides;                   // \ls -> \listid
};

} // namespace censaria::rtf
