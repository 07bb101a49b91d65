#pragma once

#include "platform/pageddocument.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace censaria::classregister {

class RegisterModel;

// What heads every page: the class and school as the teacher typed them, the date, where
// the results come from; and which pupils and topic the charts show.
struct RegisterHeading
{
    QString className;
    QString school;
    QDate date;
    QString sources;
    int chartTopic = 0;
    QString filterNote; // empty for the whole class
};

// The register as it is shown, built once for each output. On paper: landscape A4
// pages with the heading, the table's heading row repeated on every page, the class
// averages after the last pupil, the class's two charts below them or on a page of
// their own, page numbers. As a spreadsheet: the same pupils in a CSV file.
class RegisterDocument : public PagedDocument
{
public:
    RegisterDocument(const RegisterModel &model, QList<int> rows, RegisterHeading heading);

    QString title() const override;
    QPageLayout pageLayout() const override;
    bool draw(QPagedPaintDevice &device, const Progress &progress = {}) const override;
    // How many pages the register takes on that device.
    int pageCount(QPagedPaintDevice &device) const;
    // The same pupils as a spreadsheet file (registercsv.h).
    QByteArray csv() const;
    // The files' name without suffix, after the class: "registro-3B", or "registro".
    QString fileStem() const;

private:
    struct Layout;
    Layout layout(QPagedPaintDevice &device) const;

    const RegisterModel &model_;
    QList<int> rows_;
    RegisterHeading heading_;
};

} // namespace censaria::classregister
