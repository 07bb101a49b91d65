#pragma once

#include "rtfdocumentbuilder.h"
#include "rtfstate.h"
#include "rtftextdecoder.h"
#include "rtftokenizer.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QTextDocument;

namespace censaria::rtf {

// Follows the groups, destinations and control words of an RTF file and hands
// the body to a DocumentBuilder. Groups nest in a list, never by recursion.
class Interpreter
{
public:
    explicit Interpreter(QTextDocument *document);
    void run(QByteArrayView rtf);

private:
    struct Picture
    {
        QByteArray hex;
        QByteArray binary;
        const char *format = nullptr;                             // "PNG" or "JPEG"; other formats are not shown
        int width = 0, height = 0, goalWidth = 0, goalHeight = 0; // \picw in pixels, goals in twips
        int scaleX = 100, scaleY = 100;
    };

    GroupState &state() { return states_.back(); }
    void groupStart();
    void groupEnd();
    void finishDestination(const GroupState &closed);
    void enterDestination(Destination destination);
    void controlWord(const Token &token);
    bool destinationWord(QByteArrayView word);
    void bodyWord(QByteArrayView word, int value, bool hasValue);
    void fontTableWord(QByteArrayView word, int value);
    void pictureWord(QByteArrayView word, int value);
    void listWord(QByteArrayView word, int value);
    void colorTableWord(QByteArrayView word, int value);
    void controlSymbol(char symbol);
    void storeFont();
    void storeColor();
    void text(QByteArrayView bytes);
    void hexByte(unsigned char byte);
    void unicode(int value);
    void appendCharacter(char16_t character);
    void flushBytes();
    void flushText();
    void insertPicture();
    int codePage() const;
    bool skipFallback(Token &token);

    DocumentTables tables_;
    RowProps row_;
    DocumentBuilder builder_;
    TextDecoder decoder_;
    std::vector<GroupState> states_;
    int groupsPastLimit_ = 0;
    bool nextIsIgnorable_ = false; // after \*
    int fallbackToSkip_ = 0;       // after \uN
    QByteArray bytes_;             // text not yet decoded
    QString text_;                 // text not yet handed on

    int fontId_ = 0;
    QString fontName_;
    int colorParts_[3] = {0, 0, 0};
    bool colorGiven_ = false;
    Picture picture_;
    QString listMarker_;
    QTextListFormat::Style levelStyle_ = QTextListFormat::ListDecimal;
    QList<QTextListFormat::Style> listLevels_;
    int listId_ = 0;
    int overrideList_ = 0;
    int overrideId_ = 0;
    QTextListFormat::Style oldStyleList_ = QTextListFormat::ListStyleUndefined;
};

} // namespace censaria::rtf
