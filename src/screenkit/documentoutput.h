#pragma once

#include "platform/pageddocument.h"
#include "platform/platform.h"

#include <QString>

namespace censaria {

class Module;

// The one road of a printed document to paper or to a PDF file: the questions to the
// teacher, the progress bar, the file written whole or not at all, the messages.
class DocumentOutput
{
public:
    // what names the document in the messages ("il registro", "la scheda"); they come
    // in boxes with the given title.
    DocumentOutput(Module &module, const QString &title, const QString &what);

    // On the default printer; without one, the PDF is offered instead.
    void print(const PagedDocument &document, const QString &fileStem);
    // Asks where, suggesting fileStem on the USB stick; false when not written.
    bool savePdf(const PagedDocument &document, const QString &fileStem);
    // Asks whether to print or to save a PDF, and does it.
    void printOrSave(const PagedDocument &document, const QString &fileStem);

    // Where the teacher's file dialogs start: the USB stick when one is mounted.
    QString startFolder() const;
    // stem with today's date and suffix in the start folder, without characters a
    // stick's file name cannot hold ("registro-3-B-2026-03-12.pdf").
    QString suggestedPath(const QString &stem, const QString &suffix) const;
    // The message for a file that could not be written.
    void sayNotWritten(const QString &path);

private:
    PagedDocument::Progress pageProgress(const QString &label) const;
    void say(const QString &text, MessageIcon icon) const;

    Module &module_;
    QString title_;
    QString what_;
};

} // namespace censaria
