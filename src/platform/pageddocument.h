#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace censaria {

// A document drawn page by page with QPainter (the class register, the worksheets), the
// same drawing on the printer and in a PDF file.
class PagedDocument
{
public:
    // Called before each page with its number (from 1) and the number of pages;
    // returning false stops the drawing.
    using Progress = std::function<bool(int page, int pages)>;

    virtual ~PagedDocument() = default;

    // The document's name, on the printer's queue and in the PDF's properties.
    virtual QString title() const = 0;
    virtual QPageLayout pageLayout() const = 0;
    // Draws every page; false when cancelled or when the device could not be painted.
    virtual bool draw(QPagedPaintDevice &device, const Progress &progress = {}) const = 0;

    // Gives the device the document's paper, orientation and margins.
    void preparePage(QPagedPaintDevice &device) const;
};

// Writes the document as a PDF file, whole or not at all; false when cancelled or when
// the file could not be written (the reason in error, empty when cancelled).
bool writePdf(const PagedDocument &document, const QString &fileName, const PagedDocument::Progress &progress, QString *error);

} // namespace censaria
