#pragma once

#include "screenkit/documentoutput.h"

#include <QString>

namespace censaria::classregister {

class RegisterDocument;

// The register's three outputs, each from the one document built for the request: a
// file for the spreadsheet, a PDF, the printer; with the teacher's questions and messages.
class RegisterOutputs
{
public:
    RegisterOutputs(Module &module, const QString &title);

    void saveCsv(const RegisterDocument &document);
    void savePdf(const RegisterDocument &document);
    void print(const RegisterDocument &document);
    // Where the teacher's file dialogs start: the USB stick when one is mounted.
    QString startFolder() const { return output_.startFolder(); }

private:
    Module &module_;
    QString title_;
    DocumentOutput output_;
};

} // namespace censaria::classregister
