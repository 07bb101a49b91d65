#pragma once

#include "rtfstate.h"

#include <QByteArrayView>
#include <QFont>
#include <QTextListFormat>

#include <optional>

namespace censaria::rtf {

// The control words of the body that this reader acts on.
enum class Word {
    Ansi,
    Mac,
    Pc,
    Pca,
    CodePage,
    DefaultFont,
    PaperWidth,
    LeftMargin,
    RightMargin,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    FontSize,
    Font,
    Color,
    Background,
    ParagraphBackground,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Down,
    Pard,
    Par,
    AlignLeft,
    AlignCenter,
    AlignRight,
    Justify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    InTable,
    ListOverride,
    ListLevel,
    RowDefaults,
    RowLeft,
    CellRight,
    Border,
    Cell,
    Row,
    UnicodeSkip,
    Unicode,
    Character,
};

struct WordInfo
{
    Word word;
    char16_t character = 0; // of a Word::Character
};

// nullptr for a word the body ignores.
const WordInfo *bodyWordOf(QByteArrayView word);
// The destination a group starting with this word opens, if this reader knows it.
std::optional<Destination> destinationOf(QByteArrayView word);
// Groups that only wrap body text or a picture.
bool isTransparent(QByteArrayView word);
// A list level's \levelnfc; ListStyleUndefined for levels without a marker.
QTextListFormat::Style styleOfNumbering(int levelnfc);
// A font table's \froman, \fswiss and the like.
QFont::StyleHint styleHintOf(QByteArrayView family);

} // namespace censaria::rtf
