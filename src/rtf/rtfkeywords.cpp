#include "rtfkeywords.h"

#include <QHash>

namespace censaria::rtf {

namespace {

const QHash<QByteArray, WordInfo> &bodyWords()
{
    static const QHash<QByteArray, WordInfo> words{
        {"ansi", {Word::Ansi}},
        {"mac", {Word::Mac}},
        {"pc", {Word::Pc}},
        {"pca", {Word::Pca}},
        {"ansicpg", {Word::CodePage}},
        {"deff", {Word::DefaultFont}},
        {"paperw", {Word::PaperWidth}},
        {"margl", {Word::LeftMargin}},
        {"margr", {Word::RightMargin}},
        {"plain", {Word::Plain}},
        {"b", {Word::Bold}},
        {"i", {Word::Italic}},
        {"ul", {Word::Underline}},
        {"uld", {Word::Underline}},
        {"uldb", {Word::Underline}},
        {"ulw", {Word::Underline}},
        {"ulwave", {Word::Underline}},
        {"uldash", {Word::Underline}},
        {"ulth", {Word::Underline}},
        {"ulnone", {Word::UnderlineNone}},
        {"strike", {Word::Strike}},
        {"striked", {Word::Strike}},
        {"v", {Word::Hidden}},
        {"fs", {Word::FontSize}},
        {"f", {Word::Font}},
        {"cf", {Word::Color}},
        {"cb", {Word::Background}},
        {"highlight", {Word::Background}},
        {"chcbpat", {Word::Background}},
        {"cbpat", {Word::ParagraphBackground}},
        {"super", {Word::Super}},
        {"sub", {Word::Sub}},
        {"nosupersub", {Word::NoSuperSub}},
        {"up", {Word::Up}},
        {"dn", {Word::Down}},
        {"pard", {Word::Pard}},
        {"par", {Word::Par}},
        {"ql", {Word::AlignLeft}},
        {"qc", {Word::AlignCenter}},
        {"qr", {Word::AlignRight}},
        {"qj", {Word::Justify}},
        {"li", {Word::LeftIndent}},
        {"ri", {Word::RightIndent}},
        {"fi", {Word::FirstIndent}},
        {"sb", {Word::SpaceBefore}},
        {"sa", {Word::SpaceAfter}},
        {"sl", {Word::LineSpacing}},
        {"slmult", {Word::LineMultiple}},
        {"intbl", {Word::InTable}},
        {"ls", {Word::ListOverride}},
        {"ilvl", {Word::ListLevel}},
        {"trowd", {Word::RowDefaults}},
        {"trleft", {Word::RowLeft}},
        {"cellx", {Word::CellRight}},
        {"clbrdrt", {Word::Border}},
        {"clbrdrb", {Word::Border}},
        {"clbrdrl", {Word::Border}},
        {"clbrdrr", {Word::Border}},
        {"trbrdrt", {Word::Border}},
        {"trbrdrb", {Word::Border}},
        {"trbrdrl", {Word::Border}},
        {"trbrdrr", {Word::Border}},
        {"cell", {Word::Cell}},
        {"row", {Word::Row}},
        {"uc", {Word::UnicodeSkip}},
        {"u", {Word::Unicode}},
        {"tab", {Word::Character, u'\t'}},
        {"line", {Word::Character, QChar::LineSeparator}},
        {"emdash", {Word::Character, u'\u2014'}},
        {"endash", {Word::Character, u'\u2013'}},
        {"lquote", {Word::Character, u'\u2018'}},
        {"rquote", {Word::Character, u'\u2019'}},
        {"ldblquote", {Word::Character, u'\u201C'}},
        {"rdblquote", {Word::Character, u'\u201D'}},
        {"bullet", {Word::Character, u'\u2022'}},
        {"emspace", {Word::Character, u'\u2003'}},
        {"enspace", {Word::Character, u'\u2002'}},
    };
    return words;
}

const QHash<QByteArray, Destination> &destinations()
{
    static const QHash<QByteArray, Destination> words{
        {"fonttbl", Destination::FontTable},
        {"colortbl", Destination::ColorTable},
        {"pict", Destination::Picture},
        {"listtable", Destination::ListTable},
        {"listoverridetable", Destination::ListTable},
        {"list", Destination::List},
        {"listlevel", Destination::ListLevel},
        {"listoverride", Destination::ListOverride},
        {"listtext", Destination::ListMarker},
        {"pntext", Destination::ListMarker},
        {"pn", Destination::OldStyleList},
        // Groups whose content is not part of the text.
        {"stylesheet", Destination::Skip},
        {"info", Destination::Skip},
        {"nonshppict", Destination::Skip},
        {"header", Destination::Skip},
        {"headerl", Destination::Skip},
        {"headerr", Destination::Skip},
        {"headerf", Destination::Skip},
        {"footer", Destination::Skip},
        {"footerl", Destination::Skip},
        {"footerr", Destination::Skip},
        {"footerf", Destination::Skip},
        {"footnote", Destination::Skip},
        {"annotation", Destination::Skip},
        {"atnid", Destination::Skip},
        {"atnauthor", Destination::Skip},
        {"fldinst", Destination::Skip},
        {"xe", Destination::Skip},
        {"tc", Destination::Skip},
        {"leveltext", Destination::Skip},
        {"levelnumbers", Destination::Skip},
        {"listname", Destination::Skip},
        {"pntxta", Destination::Skip},
        {"pntxtb", Destination::Skip},
        {"objdata", Destination::Skip},
        {"objclass", Destination::Skip},
        {"filetbl", Destination::Skip},
        {"revtbl", Destination::Skip},
        {"template", Destination::Skip},
        {"picprop", Destination::Skip},
        {"shpinst", Destination::Skip},
        {"ftnsep", Destination::Skip},
        {"ftnsepc", Destination::Skip},
        {"ftncn", Destination::Skip},
        {"aftnsep", Destination::Skip},
        {"aftnsepc", Destination::Skip},
        {"aftncn", Destination::Skip},
        {"bkmkstart", Destination::Skip},
        {"bkmkend", Destination::Skip},
    };
    return words;
}

} // namespace

const WordInfo *bodyWordOf(QByteArrayView word)
{
    const auto found = bodyWords().constFind(QByteArray::fromRawData(word.data(), word.size()));
    return found == bodyWords().cend() ? nullptr : &*found;
}

std::optional<Destination> destinationOf(QByteArrayView word)
{
    const auto found = destinations().constFind(QByteArray::fromRawData(word.data(), word.size()));
    return found == destinations().cend() ? std::nullopt : std::optional(*found);
}

// Groups that only wrap body text or a picture: \*\shppict, fields' results, shapes' fallbacks.
bool isTransparent(QByteArrayView word)
{
    return word == "shppict" || word == "field" || word == "fldrslt" || word == "shp" || word == "shprslt" || word == "object"
           || word == "result";
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

} // namespace censaria::rtf
