#include "pageddocument.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace censaria {

void PagedDocument::preparePage(QPagedPaintDevice &device) const
{
    device.setPageLayout(pageLayout());
}

bool writePdf(const PagedDocument &document, const QString &fileName, const PagedDocument::Progress &progress, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(document.title());
        writer.setCreator(QStringLiteral("Censaria"));
        document.preparePage(writer);
        drawn = document.draw(writer, progress);
    }
    if (!drawn) {
        file.cancelWriting();
        if (error)
            error->clear();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace censaria
