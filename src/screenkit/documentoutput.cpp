#include "documentoutput.h"

#include "module.h"
#include "platform/wording.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QRegularExpression>
#include <QStandardPaths>

namespace censaria {

DocumentOutput::DocumentOutput(Module &module, const QString &title, const QString &what)
    : module_(module)
    , title_(title)
    , what_(what)
{
}

void DocumentOutput::say(const QString &text, MessageIcon icon) const
{
    module_.message(text, icon, title_);
}

QString DocumentOutput::startFolder() const
{
    const QList<Medium> media = module_.platform().driveA->media();
    return media.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : media.first().rootPath;
}

QString DocumentOutput::suggestedPath(const QString &stem, const QString &suffix) const
{
    QString name = stem.simplified() + u'-' + module_.platform().clock->now().date().toString(QStringLiteral("yyyy-MM-dd"));
    // Characters a file name on a stick cannot hold.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|ªº°]"));
    name.remove(unsafe);
    name = name.simplified().replace(u' ', u'-');
    return QDir(startFolder()).filePath(name + suffix);
}

void DocumentOutput::sayNotWritten(const QString &path)
{
    say(QStringLiteral("Non sono riuscito a scrivere il file\n%1\n\nForse il supporto è pieno, protetto da scrittura o è stato "
                       "tolto. Nessun file è rimasto a metà.")
            .arg(QDir::toNativeSeparators(path)),
        MessageIcon::Exclamation);
}

bool DocumentOutput::savePdf(const PagedDocument &document, const QString &fileStem)
{
    QString path = module_.platform().dialogs->saveFile(QStringLiteral("Salva %1 in PDF").arg(what_),
                                                        suggestedPath(fileStem, QStringLiteral(".pdf")),
                                                        QStringLiteral("Documento PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString error;
    const bool written = writePdf(document, path, pageProgress(QStringLiteral("Preparo il PDF (%1)...")), &error);
    module_.platform().progress->finish();
    if (written) {
        QString saying = what_;
        saying[0] = saying[0].toUpper();
        say(QStringLiteral("%1 è nel file\n%2").arg(saying, QDir::toNativeSeparators(path)), MessageIcon::Information);
    } else if (!error.isEmpty()) {
        sayNotWritten(path);
    }
    return written;
}

void DocumentOutput::print(const PagedDocument &document, const QString &fileStem)
{
    PagePrinter &printer = *module_.platform().pagePrinter;
    if (!printer.available()) {
        const int answer = module_.platform().dialogs->choose(QStringLiteral("Non trovo nessuna stampante collegata a questo computer.\n\n"
                                                                             "Puoi salvare %1 in un file PDF, da stampare su un altro computer.")
                                                                  .arg(what_),
                                                              title_, {QStringLiteral("Salva in PDF"), QStringLiteral("Annulla")});
        if (answer == 0)
            savePdf(document, fileStem);
        return;
    }
    QPagedPaintDevice *device = printer.beginDocument(document.title());
    if (!device) {
        say(QStringLiteral("La stampante non risponde: non ho stampato nulla."), MessageIcon::Exclamation);
        return;
    }
    document.preparePage(*device);
    const PagedDocument::Progress pages = pageProgress(QStringLiteral("Stampo %1..."));
    document.draw(*device, [&](int page, int count) {
        if (pages(page, count))
            return true;
        printer.abortDocument();
        return false;
    });
    module_.platform().progress->finish();
    if (!printer.endDocument())
        say(QStringLiteral("La stampante ha dato un errore: la stampa potrebbe non essere completa."), MessageIcon::Exclamation);
}

void DocumentOutput::printOrSave(const PagedDocument &document, const QString &fileStem)
{
    if (!module_.platform().pagePrinter->available()) {
        print(document, fileStem); // which offers the PDF
        return;
    }
    const int answer = module_.platform().dialogs->choose(
        QStringLiteral("Stampo %1 sulla stampante di questo computer, oppure preparo un file PDF?").arg(what_), title_,
        {QStringLiteral("Stampa"), QStringLiteral("Salva in PDF"), QStringLiteral("Annulla")});
    if (answer == 0)
        print(document, fileStem);
    else if (answer == 1)
        savePdf(document, fileStem);
}

PagedDocument::Progress DocumentOutput::pageProgress(const QString &label) const
{
    Progress *progress = module_.platform().progress;
    // One bar for the whole document, started once its number of pages is known.
    return [progress, label](int page, int pages) {
        if (page == 1)
            progress->start(label.arg(wording::counted(pages, QStringLiteral("pagina"), QStringLiteral("pagine"))), pages);
        return progress->advance(page - 1);
    };
}

} // namespace censaria
