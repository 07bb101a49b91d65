#include "registeroutputs.h"

#include "screenkit/module.h"
#include "registercsv.h"
#include "registerdocument.h"

#include <QDir>
#include <QFileInfo>

namespace censaria::classregister {

RegisterOutputs::RegisterOutputs(Module &module, const QString &title)
    : module_(module)
    , title_(title)
    , output_(module, title, QStringLiteral("il registro"))
{
}

void RegisterOutputs::saveCsv(const RegisterDocument &document)
{
    QString path = module_.platform().dialogs->saveFile(QStringLiteral("Esporta per foglio di calcolo"),
                                                        output_.suggestedPath(document.fileStem(), QStringLiteral(".csv")),
                                                        QStringLiteral("Foglio di calcolo CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QString error;
    if (!writeFileAtomically(path, document.csv(), &error)) {
        output_.sayNotWritten(path);
        return;
    }
    module_.message(
        QStringLiteral("Il registro è nel file\n%1\n\nSi apre con un doppio clic nel foglio di calcolo.").arg(QDir::toNativeSeparators(path)),
        MessageIcon::Information, title_);
}

void RegisterOutputs::savePdf(const RegisterDocument &document)
{
    output_.savePdf(document, document.fileStem());
}

void RegisterOutputs::print(const RegisterDocument &document)
{
    output_.print(document, document.fileStem());
}

} // namespace censaria::classregister
