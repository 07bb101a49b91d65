#include "rtfreader.h"

#include <QFile>
#include <QTextDocument>

namespace censaria {

// A first reader that keeps only the text; formatting comes with the full parser.
bool RtfReader::read(const QByteArray &rtf, QTextDocument *document)
{
    if (!rtf.trimmed().startsWith("{\\rtf"))
        return false;
    QString text;
    int depth = 0;
    int skipDepth = -1;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == skipDepth)
                skipDepth = -1;
            --depth;
        } else if (c == '\\') {
            qsizetype j = i + 1;
            QByteArray word;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                word.append(rtf[j++]);
            while (j < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[j])) || rtf[j] == '-'))
                ++j;
            if (j < rtf.size() && rtf[j] == ' ')
                ++j;
            if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "pict" || word == "info")
                skipDepth = depth;
            if (skipDepth < 0 && (word == "par" || word == "line"))
                text.append(u'\n');
            if (word.isEmpty() && j < rtf.size()) {
                if (rtf[j] == '*')
                    skipDepth = depth;
                else if (rtf[j] == '\'' && j + 2 < rtf.size()) {
                    if (skipDepth < 0)
                        text.append(QChar(QByteArray::fromHex(rtf.mid(j + 1, 2)).at(0) & 0xff));
                    j += 2;
                } else if (skipDepth < 0)
                    text.append(QChar::fromLatin1(rtf[j]));
                ++j;
            }
            i = j - 1;
        } else if (skipDepth < 0 && c != '\r' && c != '\n') {
            text.append(QChar::fromLatin1(c));
        }
    }
    document->setPlainText(text);
    return true;
}

bool RtfReader::readFile(const QString &fileName, QTextDocument *document, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!read(file.readAll(), document)) {
        if (error)
            *error = QStringLiteral("not an RTF file");
        return false;
    }
    return true;
}

} // namespace censaria
