#include "rtfreader.h"

#include "rtfinterpreter.h"

#include <QFile>
#include <QTextDocument>

namespace censaria {

bool RtfReader::read(const QByteArray &rtf, QTextDocument *document)
{
    QByteArray start = rtf.left(64);
    if (start.startsWith("\xEF\xBB\xBF")) // a byte order mark some editors put before anything
        start.remove(0, 3);
    if (!start.trimmed().startsWith("{\\rtf"))
        return false;
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false); // a fresh document needs no history of its making
    document->clear();
    // Words are not split, as in a word processor; this also keeps table cells legible.
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(wrapping);
    rtf::Interpreter(document).run(rtf);
    document->setUndoRedoEnabled(undo);
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
            *error = QStringLiteral("il file non è in formato RTF");
        return false;
    }
    return true;
}

} // namespace censaria
