#pragma once

#include <QByteArrayView>

namespace censaria::rtf {

struct Token
{
    enum Type { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte, Binary };
    Token(Type type = End, QByteArrayView data = {})
        : type(type)
        , data(data)
    {
    }

    Type type;
    QByteArrayView data; // the word of a ControlWord, the bytes of Text and Binary
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;        // of a ControlSymbol
    unsigned char byte = 0; // of a HexByte
};

// Splits RTF into tokens. Never reads past the end of its data: a truncated
// escape, a parameter of any length or a \bin longer than what is left all
// give a token built from what is there.
class Tokenizer
{
public:
    explicit Tokenizer(QByteArrayView rtf)
        : rtf_(rtf)
    {
    }
    Token next();

private:
    Token escape();
    Token controlWord();
    Token hexByte();
    Token text();
    bool atEnd() const { return pos_ >= rtf_.size(); }

    QByteArrayView rtf_;
    qsizetype pos_ = 0;
};

} // namespace censaria::rtf
