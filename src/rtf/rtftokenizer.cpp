#include "rtftokenizer.h"

#include <limits>

namespace censaria::rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Tokenizer::next()
{
    while (!atEnd()) {
        const char c = rtf_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            return Token(c == '{' ? Token::GroupStart : Token::GroupEnd);
        }
        if (c == '\\') {
            const Token token = escape();
            if (token.type != Token::End)
                return token;
            continue;
        }
        if (c == '\r' || c == '\n') { // line ends are not text in RTF
            ++pos_;
            continue;
        }
        return text();
    }
    return Token{};
}

// Returns End for a lone backslash at the end or a \' without hex digits, so
// that next() simply goes on.
Token Tokenizer::escape()
{
    ++pos_; // the backslash
    if (atEnd())
        return Token{};
    const char c = rtf_[pos_];
    if (isLetter(c))
        return controlWord();
    ++pos_;
    if (c == '\'')
        return hexByte();
    if (c == '\r' || c == '\n') // a backslash before a line end is a paragraph mark
        return Token(Token::ControlWord, "par");
    Token token(Token::ControlSymbol);
    token.symbol = c;
    return token;
}

Token Tokenizer::controlWord()
{
    const qsizetype start = pos_;
    while (!atEnd() && isLetter(rtf_[pos_]))
        ++pos_;
    Token token(Token::ControlWord, rtf_.sliced(start, pos_ - start));

    const bool negative = !atEnd() && rtf_[pos_] == '-' && pos_ + 1 < rtf_.size() && isDigit(rtf_[pos_ + 1]);
    if (negative)
        ++pos_;
    // Saturates instead of overflowing, however many digits follow.
    qint64 value = 0;
    while (!atEnd() && isDigit(rtf_[pos_])) {
        token.hasParameter = true;
        value = std::min<qint64>(value * 10 + (rtf_[pos_] - '0'), std::numeric_limits<int>::max());
        ++pos_;
    }
    token.parameter = int(negative ? -value : value);
    if (!atEnd() && rtf_[pos_] == ' ')
        ++pos_; // the delimiter belongs to the word

    if (token.data == "bin" && token.parameter > 0) {
        const qsizetype length = std::min<qsizetype>(token.parameter, rtf_.size() - pos_);
        token.type = Token::Binary;
        token.data = rtf_.sliced(pos_, length);
        pos_ += length;
    }
    return token;
}

Token Tokenizer::hexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && !atEnd() && hexValue(rtf_[pos_]) >= 0) {
        value = value * 16 + hexValue(rtf_[pos_]);
        ++pos_;
        ++digits;
    }
    if (digits == 0)
        return Token{};
    Token token(Token::HexByte);
    token.byte = static_cast<unsigned char>(value);
    return token;
}

Token Tokenizer::text()
{
    const qsizetype start = pos_;
    while (!atEnd()) {
        const char c = rtf_[pos_];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++pos_;
    }
    return Token(Token::Text, rtf_.sliced(start, pos_ - start));
}

} // namespace censaria::rtf
