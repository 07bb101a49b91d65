#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace censaria {

// Reads Rich Text Format, as word processors write it, into a QTextDocument
// (Qt has no reader of its own). Malformed input never fails hard: what could be
// read is shown.
// Font sizes come out in points; indents, spacing and picture sizes in the
// document's pixels at 96 per inch; tables as shares of the text width, so
// they follow the width the document is given. Pictures are image resources
// of the document. The document wraps at word boundaries only; a QTextEdit
// showing it applies its own wordWrapMode instead (QTextOption::WordWrap keeps this).
class RtfReader
{
public:
    // Replaces the document's content; false if the data does not start as RTF.
    static bool read(const QByteArray &rtf, QTextDocument *document);
    // The same for a file; false, with a reason, when it cannot be read.
    static bool readFile(const QString &fileName, QTextDocument *document, QString *error = nullptr);
};

} // namespace censaria
