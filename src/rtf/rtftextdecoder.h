#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace censaria::rtf {

// Turns the bytes of \'hh escapes and of plain text into Unicode by Windows code page.
class TextDecoder
{
public:
    QString decode(QByteArrayView bytes, int codePage);
    // The code page of a font's \fcharsetN; 0 when the document's applies.
    static int codePageOfCharset(int charset);

private:
    QStringDecoder *decoderFor(int codePage);
    std::map<int, QStringDecoder> decoders_;
};

} // namespace censaria::rtf
