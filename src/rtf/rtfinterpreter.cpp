#include "rtfinterpreter.h"

#include "rtfkeywords.h"

#include <algorithm>

namespace censaria::rtf {

namespace {

constexpr std::size_t maxDepth = 256; // deeper groups share the state of this level

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
    : builder_(document, tables_, row_)
    , states_(1)
{
}

void Interpreter::run(QByteArrayView rtf)
{
    Tokenizer tokenizer(rtf);
    bool rootOpened = false;
    for (Token token = tokenizer.next(); token.type != Token::End; token = tokenizer.next()) {
        if (!rootOpened && token.type != Token::GroupStart)
            continue; // a byte order mark or white space before the document
        if (fallbackToSkip_ > 0 && skipFallback(token))
            continue;
        switch (token.type) {
        case Token::GroupStart:
            groupStart();
            rootOpened = true;
            break;
        case Token::GroupEnd: groupEnd(); break;
        case Token::ControlWord: controlWord(token); break;
        case Token::ControlSymbol: controlSymbol(token.symbol); break;
        case Token::Text: text(token.data); break;
        case Token::HexByte: hexByte(token.byte); break;
        case Token::Binary:
            if (state().destination == Destination::Picture)
                picture_.binary.append(token.data.data(), token.data.size());
            break;
        case Token::End: break;
        }
        if (rootOpened && states_.size() == 1 && groupsPastLimit_ == 0)
            break; // the document's group has closed
    }
    // A truncated file: close what is open, so that its pending text and tables count.
    while (groupsPastLimit_ > 0 || states_.size() > 1)
        groupEnd();
    builder_.finish();
}

// Fallback text after \uN: a text byte, an escape or a control word counts as one
// character; a brace ends the fallback early.
bool Interpreter::skipFallback(Token &token)
{
    switch (token.type) {
    case Token::GroupStart:
    case Token::GroupEnd:
    case Token::End: fallbackToSkip_ = 0; return false;
    case Token::Text:
        if (token.data.size() <= fallbackToSkip_) {
            fallbackToSkip_ -= int(token.data.size());
            return true;
        }
        token.data = token.data.sliced(fallbackToSkip_);
        fallbackToSkip_ = 0;
        return false;
    default: --fallbackToSkip_; return true;
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
        builder_.endDocument(closed.paragraph, closed.character);
    if (closed.opensDestination)
        finishDestination(closed);
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
    case Destination::FontTable: fontTableWord(word, token.parameter); break;
    case Destination::ColorTable: colorTableWord(word, token.parameter); break;
    case Destination::Picture: pictureWord(word, token.parameter); break;
    case Destination::Text:
    case Destination::ListMarker: bodyWord(word, token.parameter, token.hasParameter); break;
    default: listWord(word, token.parameter); break;
    }
}

bool Interpreter::destinationWord(QByteArrayView word)
{
    if (isTransparent(word))
        return true;
    const std::optional<Destination> destination = destinationOf(word);
    if (destination)
        enterDestination(*destination);
    return destination.has_value();
}

void Interpreter::bodyWord(QByteArrayView word, int value, bool hasValue)
{
    const WordInfo *found = bodyWordOf(word);
    if (!found)
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
    case Word::ParagraphBackground: paragraph.background = value; break;
    case Word::RowDefaults: row_ = RowProps(); break;
    case Word::RowLeft: row_.left = clampCellBoundary(value); break;
    case Word::CellRight: row_.cellRights.append(clampCellBoundary(value)); break;
    case Word::Border: row_.borders = true; break;
    case Word::Cell:
        if (inBody && (paragraph.inTable || builder_.inTable()))
            builder_.endCell(paragraph, character);
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

// \uN: N is a signed 16-bit number; the fallback after it is skipped.
void Interpreter::unicode(int value)
{
    const int code = value < 0 ? value + 0x10000 : value;
    if (code >= 0 && code <= 0xFFFF)
        appendCharacter(char16_t(code));
    fallbackToSkip_ = state().unicodeSkip;
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
    case '}': appendCharacter(char16_t(symbol)); break;
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
    case Destination::ListMarker: bytes_.append(bytes.data(), bytes.size()); break;
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
            if (c == ';')
                storeColor();
        }
        break;
    case Destination::Picture: picture_.hex.append(bytes.data(), bytes.size()); break;
    default: break;
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
                     : current.character.font < 0                  ? tables_.defaultFont
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
    case Destination::Text: builder_.insertText(text_, state().character, state().paragraph); break;
    case Destination::ListMarker: listMarker_.append(text_); break;
    case Destination::FontTable: fontName_.append(text_); break;
    default: break;
    }
    text_.clear();
}

} // namespace censaria::rtf
