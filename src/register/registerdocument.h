#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPdfWriter;

namespace censaria::classregister {

class RegisterModel;

// What heads every page: the class and school as the teacher typed them, the date.
struct RegisterHeading
{
    QString className;
    QString school;
    QDate date;
    QString sources;
};

// The register on paper: landscape A4 pages with the heading, the table's heading row
// repeated on every page, the class averages after the last pupil, page numbers.
class RegisterDocument
{
public:
    // Called before each page with its number (from 1) and the number of pages;
    // returning false stops the drawing.
    using Progress = std::function<bool(int page, int pages)>;

    RegisterDocument(const RegisterModel &model, QList<int> rows, RegisterHeading heading);

    // Sets the device to landscape A4 with its margins.
    static void preparePage(QPagedPaintDevice &device);
    // Draws every page; false when cancelled or when the device could not be painted.
    bool draw(QPagedPaintDevice &device, const Progress &progress = {}) const;
    // How many pages the register takes on that device.
    int pageCount(QPagedPaintDevice &device) const;

private:
    struct Layout;
    Layout layout(QPagedPaintDevice &device) const;

    const RegisterModel &model_;
    QList<int> rows_;
    RegisterHeading heading_;
};

// Writes the register as a PDF file, whole or not at all; false when cancelled or when
// the file could not be written (the reason in error, empty when cancelled).
bool writeRegisterPdf(const RegisterDocument &document, const QString &fileName, const RegisterDocument::Progress &progress,
                      QString *error);

} // namespace censaria::classregister
