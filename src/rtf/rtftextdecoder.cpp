#include "rtftextdecoder.h"

#include <algorithm>

namespace censaria::rtf {

namespace {

// Windows-1252 in 0x80-0x9F, for Qt builds without ICU; elsewhere it is Latin-1.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

QString TextDecoder::decode(QByteArrayView bytes, int codePage)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes); // ASCII, the same in every code page this reader meets
    if (QStringDecoder *decoder = decoderFor(codePage))
        return decoder->decode(bytes);
    return decodeCp1252(bytes);
}

QStringDecoder *TextDecoder::decoderFor(int codePage)
{
    auto found = decoders_.find(codePage);
    if (found == decoders_.end()) {
        const auto flags = QStringConverter::Flag::Stateless;
        QStringDecoder decoder;
        if (codePage == 65001)
            decoder = QStringDecoder(QStringConverter::Utf8, flags);
        else if (codePage == 10000)
            decoder = QStringDecoder("macintosh", flags);
        for (const char *prefix : {"windows-", "cp", "ibm-"}) {
            if (!decoder.isValid())
                decoder = QStringDecoder(QByteArray(prefix + QByteArray::number(codePage)).constData(), flags);
        }
        found = decoders_.emplace(codePage, std::move(decoder)).first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

int TextDecoder::codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 850;
    default: return 0;
    }
}

} // namespace censaria::rtf
