// The interpreter's tables and embedded objects: fonts, colours, lists, pictures.
#include "rtfinterpreter.h"

#include "rtfkeywords.h"

#include <QImage>

#include <algorithm>

namespace censaria::rtf {

void Interpreter::enterDestination(Destination destination)
{
    state().destination = destination;
    state().opensDestination = true;
    switch (destination) {
    case Destination::Picture: picture_ = Picture(); break;
    case Destination::List:
        listLevels_.clear();
        listId_ = 0;
        break;
    case Destination::ListLevel: levelStyle_ = QTextListFormat::ListDecimal; break;
    case Destination::ListOverride: overrideList_ = overrideId_ = 0; break;
    case Destination::ListMarker: listMarker_.clear(); break;
    case Destination::OldStyleList: oldStyleList_ = QTextListFormat::ListStyleUndefined; break;
    default: break;
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
    case Destination::ListLevel: listLevels_.append(levelStyle_); break;
    case Destination::List: tables_.lists.insert(listId_, listLevels_); break;
    case Destination::ListOverride: tables_.listOverrides.insert(overrideId_, overrideList_); break;
    case Destination::ListMarker:
        if (inBody)
            builder_.setListMarker(listMarker_);
        break;
    case Destination::OldStyleList: state().paragraph.oldStyleList = oldStyleList_; break;
    default: break;
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

void Interpreter::colorTableWord(QByteArrayView word, int value)
{
    const int part = word == "red" ? 0 : word == "green" ? 1 : word == "blue" ? 2 : -1;
    if (part >= 0) {
        colorParts_[part] = std::clamp(value, 0, 255);
        colorGiven_ = true;
    }
}

// An entry without red, green or blue is "auto": the text's default colour.
void Interpreter::storeColor()
{
    tables_.colors.append(colorGiven_ ? QColor(colorParts_[0], colorParts_[1], colorParts_[2]) : QColor());
    colorGiven_ = false;
    std::fill(std::begin(colorParts_), std::end(colorParts_), 0);
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
                      : picture_.width > 0   ? picture_.width * twipsPerPixel
                                             : image.width() * twipsPerPixel;
    const int height = picture_.goalHeight > 0 ? picture_.goalHeight
                       : picture_.height > 0   ? picture_.height * twipsPerPixel
                                               : image.height() * twipsPerPixel;
    builder_.insertImage(image, QSizeF(width * picture_.scaleX / 100.0, height * picture_.scaleY / 100.0), state().paragraph);
}

} // namespace censaria::rtf
