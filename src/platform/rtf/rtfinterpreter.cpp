#include "rtfinterpreter.h"

#include <QHash>
#include <QImage>

#include <algorithm>

namespace censaria::rtf {

namespace {

constexpr std::size_t maxDepth = 256; // deeper groups share the state of this level
constexpr int maxTwips = 31680;       // 22 inches, the largest page

int clampTwips(int value) { return std::clamp(value, -maxTwips, maxTwips); }
// Cell boundaries only count as shares of their row, which may be drawn wider than any page.
int clampCellBoundary(int value) { return std::clamp(value, -64 * maxTwips, 64 * maxTwips); }

enum class Word {
    Ansi, Mac, Pc, Pca, CodePage, DefaultFont, PaperWidth, LeftMargin, RightMargin,
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, FontSize, Font, Color, Background,
    Super, Sub, NoSuperSub, Up, Down,
    Pard, Par, AlignLeft, AlignCenter, AlignRight, Justify, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, LineSpacing, LineMultiple, InTable, ListOverride, ListLevel,
    RowDefaults, RowLeft, CellRight, Border, Cell, Row,
    UnicodeSkip, Unicode, Character,
};

struct WordInfo
{
    Word word;
    char16_t character = 0; // of a Word::Character
};

const QHash<QByteArray, WordInfo> &bodyWords()
{
    static const QHash<QByteArray, WordInfo> words {
        { "ansi", { Word::Ansi } }, { "mac", { Word::Mac } }, { "pc", { Word::Pc } }, { "pca", { Word::Pca } },
        { "ansicpg", { Word::CodePage } }, { "deff", { Word::DefaultFont } },
        { "paperw", { Word::PaperWidth } }, { "margl", { Word::LeftMargin } }, { "margr", { Word::RightMargin } },
        { "plain", { Word::Plain } }, { "b", { Word::Bold } }, { "i", { Word::Italic } },
        { "ul", { Word::Underline } }, { "uld", { Word::Underline } }, { "uldb", { Word::Underline } },
        { "ulw", { Word::Underline } }, { "ulwave", { Word::Underline } }, { "uldash", { Word::Underline } },
        { "ulth", { Word::Underline } }, { "ulnone", { Word::UnderlineNone } },
        { "strike", { Word::Strike } }, { "striked", { Word::Strike } }, { "v", { Word::Hidden } },
        { "fs", { Word::FontSize } }, { "f", { Word::Font } }, { "cf", { Word::Color } },
        { "cb", { Word::Background } }, { "highlight", { Word::Background } }, { "chcbpat", { Word::Background } },
        { "super", { Word::Super } }, { "sub", { Word::Sub } }, { "nosupersub", { Word::NoSuperSub } },
        { "up", { Word::Up } }, { "dn", { Word::Down } },
        { "pard", { Word::Pard } }, { "par", { Word::Par } },
        { "ql", { Word::AlignLeft } }, { "qc", { Word::AlignCenter } }, { "qr", { Word::AlignRight } }, { "qj", { Word::Justify } },
        { "li", { Word::LeftIndent } }, { "ri", { Word::RightIndent } }, { "fi", { Word::FirstIndent } },
        { "sb", { Word::SpaceBefore } }, { "sa", { Word::SpaceAfter } },
        { "sl", { Word::LineSpacing } }, { "slmult", { Word::LineMultiple } },
        { "intbl", { Word::InTable } }, { "ls", { Word::ListOverride } }, { "ilvl", { Word::ListLevel } },
        { "trowd", { Word::RowDefaults } }, { "trleft", { Word::RowLeft } }, { "cellx", { Word::CellRight } },
        { "clbrdrt", { Word::Border } }, { "clbrdrb", { Word::Border } }, { "clbrdrl", { Word::Border } },
        { "clbrdrr", { Word::Border } }, { "trbrdrt", { Word::Border } }, { "trbrdrb", { Word::Border } },
        { "trbrdrl", { Word::Border } }, { "trbrdrr", { Word::Border } },
        { "cell", { Word::Cell } }, { "row", { Word::Row } },
        { "uc", { Word::UnicodeSkip } }, { "u", { Word::Unicode } },
        { "tab", { Word::Character, u'\t' } }, { "line", { Word::Character, QChar::LineSeparator } },
        { "emdash", { Word::Character, u'\u2014' } }, { "endash", { Word::Character, u'\u2013' } },
        { "lquote", { Word::Character, u'\u2018' } }, { "rquote", { Word::Character, u'\u2019' } },
        { "ldblquote", { Word::Character, u'\u201C' } }, { "rdblquote", { Word::Character, u'\u201D' } },
        { "bullet", { Word::Character, u'\u2022' } }, { "emspace", { Word::Character, u'\u2003' } },
        { "enspace", { Word::Character, u'\u2002' } },
    };
    return words;
}

const QHash<QByteArray, Destination> &destinations()
{
    static const QHash<QByteArray, Destination> words {
        { "fonttbl", Destination::FontTable }, { "colortbl", Destination::ColorTable }, { "pict", Destination::Picture },
        { "listtable", Destination::ListTable }, { "listoverridetable", Destination::ListTable },
        { "list", Destination::List }, { "listlevel", Destination::ListLevel }, { "listoverride", Destination::ListOverride },
        { "listtext", Destination::ListMarker }, { "pntext", Destination::ListMarker }, { "pn", Destination::OldStyleList },
        // Groups whose content is not part of the text.
        { "stylesheet", Destination::Skip }, { "info", Destination::Skip }, { "nonshppict", Destination::Skip },
        { "header", Destination::Skip }, { "headerl", Destination::Skip }, { "headerr", Destination::Skip },
        { "headerf", Destination::Skip }, { "footer", Destination::Skip }, { "footerl", Destination::Skip },
        { "footerr", Destination::Skip }, { "footerf", Destination::Skip }, { "footnote", Destination::Skip },
        { "annotation", Destination::Skip }, { "atnid", Destination::Skip }, { "atnauthor", Destination::Skip },
        { "fldinst", Destination::Skip }, { "xe", Destination::Skip }, { "tc", Destination::Skip },
        { "leveltext", Destination::Skip }, { "levelnumbers", Destination::Skip }, { "listname", Destination::Skip },
        { "pntxta", Destination::Skip }, { "pntxtb", Destination::Skip }, { "objdata", Destination::Skip },
        { "objclass", Destination::Skip }, { "filetbl", Destination::Skip }, { "revtbl", Destination::Skip },
        { "template", Destination::Skip }, { "picprop", Destination::Skip }, { "shpinst", Destination::Skip },
        { "ftnsep", Destination::Skip }, { "ftnsepc", Destination::Skip }, { "ftncn", Destination::Skip },
        { "aftnsep", Destination::Skip }, { "aftnsepc", Destination::Skip }, { "aftncn", Destination::Skip },
        { "bkmkstart", Destination::Skip }, { "bkmkend", Destination::Skip },
    };
    return words;
}

// Groups that only wrap body text or a picture: \*\shppict, fields' results, shapes' fallbacks.
bool isTransparent(QByteArrayView word)
{
    return word == "shppict" || word == "field" || word == "fldrslt" || word == "shp" || word == "shprslt"
        || word == "object" || word == "result";
}

QTextListFormat::Style styleOfNumbering(int levelnfc)
{
    switch (levelnfc) {
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case 23: return QTextListFormat::ListDisc;
    case 255: return QTextListFormat::ListStyleUndefined; // no marker at all
    default: return QTextListFormat::ListDecimal;
    }
}

QFont::StyleHint styleHintOf(QByteArrayView family)
{
    if (family == "froman")
        return QFont::Serif;
    if (family == "fswiss")
        return QFont::SansSerif;
    if (family == "fmodern")
        return QFont::TypeWriter;
    if (family == "fscript")
        return QFont::Cursive;
    if (family == "fdecor")
        return QFont::Decorative;
    return QFont::AnyStyle;
}

// Drops what a QTextDocument must not be given as text: control characters,
// its own object and frame markers, paragraph separators that would split cells.
void sanitize(QString &text)
{
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t') || u == 0x7F || c.isNonCharacter() || u == QChar::ObjectReplacementCharacter;
    });
    text.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
}

} // namespace

Interpreter::Interpreter(QTextDocument *document)
    : builder_(document, tables_, row_), states_(1)
{
}

void Interpreter::run(QByteArrayView rtf)
{
    Tokenizer tokenizer(rtf);
    bool rootOpened = false;
    for (Token token = tokenizer.next(); token.type != Token::End; token = tokenizer.next()) {
        if (fallbackToSkip_ > 0 && skipFallback(token))
            continue;
        switch (token.type) {
        case Token::GroupStart:
            groupStart();
            rootOpened = true;
            break;
        case Token::GroupEnd:
            groupEnd();
            break;
        case Token::ControlWord:
            controlWord(token);
            break;
        case Token::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case Token::Text:
            text(token.data);
            break;
        case Token::HexByte:
            hexByte(token.byte);
            break;
        case Token::Binary:
            if (state().destination == Destination::Picture)
                picture_.binary.append(token.data.data(), token.data.size());
            break;
        case Token::End:
            break;
        }
        if (rootOpened && states_.size() == 1 && groupsPastLimit_ == 0)
            break; // the document's group has closed
    }
    // A truncated file: close what is open, so that its pending text and tables count.
    while (groupsPastLimit_ > 0 || states_.size() > 1)
        groupEnd();
    flushText();
    builder_.finish();
}

// Fallback text after \uN: a text byte, an escape or a control word counts as one
// character; a brace ends the fallback early.
bool Interpreter::skipFallback(Token &token)
{
    switch (token.type) {
    case Token::GroupStart:
    case Token::GroupEnd:
    case Token::End:
        fallbackToSkip_ = 0;
        return false;
    case Token::Text:
        if (token.data.size() <= fallbackToSkip_) {
            fallbackToSkip_ -= int(token.data.size());
            return true;
        }
        token.data = token.data.sliced(fallbackToSkip_);
        fallbackToSkip_ = 0;
        return false;
    default:
        --fallbackToSkip_;
        return true;
    }
}

void Interpreter::groupStart()
{
    flushText();
    nextIsIgnorable_ = false;
    if (states_.size() >= maxDepth) {
        ++groupsPastLimit_;
        return;
    }
    GroupState inner = state();
    inner.opensDestination = false;
    states_.push_back(inner);
}

void Interpreter::groupEnd()
{
    flushText();
    nextIsIgnorable_ = false;
    if (groupsPastLimit_ > 0) {
        --groupsPastLimit_;
        return;
    }
    if (states_.size() <= 1)
        return;
    const GroupState closed = states_.back();
    if (closed.destination == Destination::FontTable && !fontName_.trimmed().isEmpty())
        storeFont(); // an entry without its closing semicolon
    states_.pop_back();
    if (states_.size() == 1)
        builder_.endDocument(closed.paragraph);
    if (closed.opensDestination)
        finishDestination(closed);
}

void Interpreter::enterDestination(Destination destination)
{
    state().destination = destination;
    state().opensDestination = true;
    switch (destination) {
    case Destination::Picture:
        picture_ = Picture();
        break;
    case Destination::List:
        listLevels_.clear();
        listId_ = 0;
        break;
    case Destination::ListLevel:
        levelStyle_ = QTextListFormat::ListDecimal;
        break;
    case Destination::ListOverride:
        overrideList_ = overrideId_ = 0;
        break;
    case Destination::ListMarker:
        listMarker_.clear();
        break;
    case Destination::OldStyleList:
        oldStyleList_ = QTextListFormat::ListStyleUndefined;
        break;
    default:
        break;
    }
}

// Called with the enclosing group's state current.
void Interpreter::finishDestination(const GroupState &closed)
{
    const bool inBody = state().destination == Destination::Text;
    switch (closed.destination) {
    case Destination::Picture:
        if (inBody)
            insertPicture();
        picture_ = Picture();
        break;
    case Destination::ListLevel:
        listLevels_.append(levelStyle_);
        break;
    case Destination::List:
        tables_.lists.insert(listId_, listLevels_);
        break;
    case Destination::ListOverride:
        tables_.listOverrides.insert(overrideId_, overrideList_);
        break;
    case Destination::ListMarker:
        if (inBody)
            builder_.setListMarker(listMarker_);
        break;
    case Destination::OldStyleList:
        state().paragraph.oldStyleList = oldStyleList_;
        break;
    default:
        break;
    }
}

void Interpreter::controlWord(const Token &token)
{
    const QByteArrayView word = token.data;
    if (word != "u") // keeps a surrogate pair of \u words in one run
        flushText();
    const bool ignorable = std::exchange(nextIsIgnorable_, false);
    if (state().destination == Destination::Skip)
        return;
    if (destinationWord(word))
        return;
    if (ignorable) { // \* before a destination this reader does not know
        enterDestination(Destination::Skip);
        return;
    }
    switch (state().destination) {
    case Destination::FontTable:
        fontTableWord(word, token.parameter);
        break;
    case Destination::ColorTable: {
        const int part = word == "red" ? 0 : word == "green" ? 1 : word == "blue" ? 2 : -1;
        if (part >= 0) {
            colorParts_[part] = std::clamp(token.parameter, 0, 255);
            colorGiven_ = true;
        }
        break;
    }
    case Destination::Picture:
        pictureWord(word, token.parameter);
        break;
    case Destination::Text:
    case Destination::ListMarker:
        bodyWord(word, token.parameter, token.hasParameter);
        break;
    default:
        listWord(word, token.parameter);
        break;
    }
}

bool Interpreter::destinationWord(QByteArrayView word)
{
    if (isTransparent(word))
        return true;
    const auto found = destinations().constFind(QByteArray::fromRawData(word.data(), word.size()));
    if (found == destinations().cend())
        return false;
    enterDestination(*found);
    return true;
}

void Interpreter::bodyWord(QByteArrayView word, int value, bool hasValue)
{
    const auto found = bodyWords().constFind(QByteArray::fromRawData(word.data(), word.size()));
    if (found == bodyWords().cend())
        return; // unknown words are ignored
    CharProps &character = state().character;
    ParaProps &paragraph = state().paragraph;
    const bool on = !hasValue || value != 0;
    const bool inBody = state().destination == Destination::Text;
    switch (found->word) {
    case Word::Ansi: tables_.codePage = 1252; break;
    case Word::Mac: tables_.codePage = 10000; break;
    case Word::Pc: tables_.codePage = 437; break;
    case Word::Pca: tables_.codePage = 850; break;
    case Word::CodePage: tables_.codePage = value; break;
    case Word::DefaultFont: tables_.defaultFont = value; break;
    case Word::PaperWidth: tables_.paperWidth = clampTwips(value); break;
    case Word::LeftMargin: tables_.leftMargin = clampTwips(value); break;
    case Word::RightMargin: tables_.rightMargin = clampTwips(value); break;
    case Word::Plain: character = CharProps(); break;
    case Word::Bold: character.bold = on; break;
    case Word::Italic: character.italic = on; break;
    case Word::Underline: character.underline = on; break;
    case Word::UnderlineNone: character.underline = false; break;
    case Word::Strike: character.strike = on; break;
    case Word::Hidden: character.hidden = on; break;
    case Word::FontSize: character.halfPoints = hasValue ? value : 24; break;
    case Word::Font: character.font = value; break;
    case Word::Color: character.color = value; break;
    case Word::Background: character.background = value; break;
    case Word::Super: character.offset = CharProps::Offset::Super; break;
    case Word::Sub: character.offset = CharProps::Offset::Sub; break;
    case Word::NoSuperSub: character.offset = CharProps::Offset::Normal; break;
    case Word::Up: character.offset = value != 0 ? CharProps::Offset::Super : CharProps::Offset::Normal; break;
    case Word::Down: character.offset = value != 0 ? CharProps::Offset::Sub : CharProps::Offset::Normal; break;
    case Word::Pard: paragraph = ParaProps(); break;
    case Word::Par:
        if (inBody)
            builder_.endParagraph(paragraph, character);
        break;
    case Word::AlignLeft: paragraph.alignment = Qt::AlignLeft; break;
    case Word::AlignCenter: paragraph.alignment = Qt::AlignHCenter; break;
    case Word::AlignRight: paragraph.alignment = Qt::AlignRight; break;
    case Word::Justify: paragraph.alignment = Qt::AlignJustify; break;
    case Word::LeftIndent: paragraph.leftIndent = clampTwips(value); break;
    case Word::RightIndent: paragraph.rightIndent = clampTwips(value); break;
    case Word::FirstIndent: paragraph.firstIndent = clampTwips(value); break;
    case Word::SpaceBefore: paragraph.spaceBefore = clampTwips(value); break;
    case Word::SpaceAfter: paragraph.spaceAfter = clampTwips(value); break;
    case Word::LineSpacing: paragraph.lineSpacing = clampTwips(value); break;
    case Word::LineMultiple: paragraph.lineMultiple = on; break;
    case Word::InTable: paragraph.inTable = on; break;
    case Word::ListOverride: paragraph.listOverride = value; break;
    case Word::ListLevel: paragraph.listLevel = std::clamp(value, 0, 8); break;
    case Word::RowDefaults: row_ = RowProps(); break;
    case Word::RowLeft: row_.left = clampCellBoundary(value); break;
    case Word::CellRight: row_.cellRights.append(clampCellBoundary(value)); break;
    case Word::Border: row_.borders = true; break;
    case Word::Cell:
        if (inBody && (paragraph.inTable || builder_.inTable()))
            builder_.endCell(paragraph);
        else if (inBody) // a cell with no table around it: keep its text apart
            appendCharacter(u'\t');
        break;
    case Word::Row:
        if (inBody)
            builder_.endRow();
        break;
    case Word::UnicodeSkip: state().unicodeSkip = std::max(0, value); break;
    case Word::Unicode: unicode(value); break;
    case Word::Character: appendCharacter(found->character); break;
    }
}

void Interpreter::fontTableWord(QByteArrayView word, int value)
{
    if (word == "f") {
        fontId_ = value;
        fontName_.clear();
    } else if (word == "fcharset") {
        tables_.fonts[fontId_].codePage = TextDecoder::codePageOfCharset(value);
    } else if (word == "fcpg" && value > 0) {
        tables_.fonts[fontId_].codePage = value;
    } else if (const QFont::StyleHint hint = styleHintOf(word); hint != QFont::AnyStyle) {
        tables_.fonts[fontId_].hint = hint;
    } else if (word == "u") { // a Unicode character in a font name
        unicode(value);
    }
}

// \uN: N is a signed 16-bit number; the fallback after it is skipped.
void Interpreter::unicode(int value)
{
    const int code = value < 0 ? value + 0x10000 : value;
    if (code >= 0 && code <= 0xFFFF)
        appendCharacter(char16_t(code));
    fallbackToSkip_ = state().unicodeSkip;
}

void Interpreter::storeFont()
{
    flushText();
    tables_.fonts[fontId_].family = fontName_.trimmed();
    fontName_.clear();
}

void Interpreter::pictureWord(QByteArrayView word, int value)
{
    if (word == "pngblip")
        picture_.format = "PNG";
    else if (word == "jpegblip")
        picture_.format = "JPEG";
    else if (word.endsWith("blip") || word.endsWith("metafile") || word.endsWith("bitmap") || word == "macpict")
        picture_.format = nullptr;
    else if (word == "picw")
        picture_.width = clampTwips(value);
    else if (word == "pich")
        picture_.height = clampTwips(value);
    else if (word == "picwgoal")
        picture_.goalWidth = clampTwips(value);
    else if (word == "pichgoal")
        picture_.goalHeight = clampTwips(value);
    else if (word == "picscalex")
        picture_.scaleX = std::clamp(value, 1, 1000);
    else if (word == "picscaley")
        picture_.scaleY = std::clamp(value, 1, 1000);
}

void Interpreter::listWord(QByteArrayView word, int value)
{
    const Destination destination = state().destination;
    if (destination == Destination::ListLevel && (word == "levelnfc" || word == "levelnfcn"))
        levelStyle_ = styleOfNumbering(value);
    else if (destination == Destination::List && word == "listid")
        listId_ = value;
    else if (destination == Destination::ListOverride && word == "listid")
        overrideList_ = value;
    else if (destination == Destination::ListOverride && word == "ls")
        overrideId_ = value;
    else if (destination == Destination::OldStyleList) {
        if (word == "pnlvlblt")
            oldStyleList_ = QTextListFormat::ListDisc;
        else if (word == "pndec")
            oldStyleList_ = QTextListFormat::ListDecimal;
        else if (word == "pnucrm")
            oldStyleList_ = QTextListFormat::ListUpperRoman;
        else if (word == "pnlcrm")
            oldStyleList_ = QTextListFormat::ListLowerRoman;
        else if (word == "pnucltr")
            oldStyleList_ = QTextListFormat::ListUpperAlpha;
        else if (word == "pnlcltr")
            oldStyleList_ = QTextListFormat::ListLowerAlpha;
    }
}

void Interpreter::controlSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        flushText();
        nextIsIgnorable_ = true;
        break;
    case '\\':
    case '{':
    case '}':
        appendCharacter(char16_t(symbol));
        break;
    case '~': appendCharacter(u'\u00A0'); break;
    case '-': appendCharacter(u'\u00AD'); break;
    case '_': appendCharacter(u'\u2011'); break;
    case '\t': appendCharacter(u'\t'); break;
    default: break; // \: index subentries, \| formulas and the like
    }
}

void Interpreter::text(QByteArrayView bytes)
{
    switch (state().destination) {
    case Destination::Text:
    case Destination::ListMarker:
        bytes_.append(bytes.data(), bytes.size());
        break;
    case Destination::FontTable:
        for (const char c : bytes) {
            if (c == ';')
                storeFont();
            else
                bytes_.append(c);
        }
        break;
    case Destination::ColorTable:
        for (const char c : bytes) {
            if (c != ';')
                continue;
            tables_.colors.append(colorGiven_ ? QColor(colorParts_[0], colorParts_[1], colorParts_[2]) : QColor());
            colorGiven_ = false;
            std::fill(std::begin(colorParts_), std::end(colorParts_), 0);
        }
        break;
    case Destination::Picture:
        picture_.hex.append(bytes.data(), bytes.size());
        break;
    default:
        break;
    }
}

void Interpreter::hexByte(unsigned char byte)
{
    const Destination destination = state().destination;
    if (destination == Destination::Text || destination == Destination::ListMarker || destination == Destination::FontTable)
        bytes_.append(char(byte));
}

void Interpreter::appendCharacter(char16_t character)
{
    flushBytes();
    text_.append(QChar(character));
}

int Interpreter::codePage() const
{
    const GroupState &current = states_.back();
    const int font = current.destination == Destination::FontTable ? fontId_
        : current.character.font < 0                               ? tables_.defaultFont
                                                                    : current.character.font;
    const int fontCodePage = tables_.fonts.value(font).codePage;
    return fontCodePage != 0 ? fontCodePage : tables_.codePage;
}

void Interpreter::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    text_.append(decoder_.decode(bytes_, codePage()));
    bytes_.clear();
}

void Interpreter::flushText()
{
    flushBytes();
    if (text_.isEmpty())
        return;
    sanitize(text_);
    switch (state().destination) {
    case Destination::Text:
        builder_.insertText(text_, state().character, state().paragraph);
        break;
    case Destination::ListMarker:
        listMarker_.append(text_);
        break;
    case Destination::FontTable:
        fontName_.append(text_);
        break;
    default:
        break;
    }
    text_.clear();
}

// The size a writer meant: the goal size in twips, else the size in pixels at
// 96 per inch, scaled by the percentages given.
void Interpreter::insertPicture()
{
    const QByteArray data = picture_.binary.isEmpty() ? QByteArray::fromHex(picture_.hex) : picture_.binary;
    QImage image;
    if (!picture_.format || !image.loadFromData(data, picture_.format))
        return;
    constexpr int twipsPerPixel = 15;
    const int width = picture_.goalWidth > 0 ? picture_.goalWidth
        : picture_.width > 0                 ? picture_.width * twipsPerPixel
                                             : image.width() * twipsPerPixel;
    const int height = picture_.goalHeight > 0 ? picture_.goalHeight
        : picture_.height > 0                  ? picture_.height * twipsPerPixel
                                               : image.height() * twipsPerPixel;
    builder_.insertImage(image, QSizeF(width * picture_.scaleX / 100.0, height * picture_.scaleY / 100.0), state().paragraph);
}

} // namespace censaria::rtf
