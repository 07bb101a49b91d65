#pragma once

#include "pageddocument.h"

#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

class QTextDocument;

namespace censaria {

// A sheet to hand out in class, on A4 portrait in the lessons' type: a title band, then
// text, tables and figures as they come, flowing over as many pages as they need; a part
// such as the answer key can start a page of its own. Every page ends with its number.
class Worksheet : public PagedDocument
{
public:
    using Figure = std::function<void(QPainter &painter, const QRectF &area)>;

    explicit Worksheet(const QString &title);
    ~Worksheet() override;

    // Rich text (Qt's subset of HTML) at the end of the sheet.
    void addHtml(const QString &html);
    // A figure as wide as the text, heightShare of the page's text height tall.
    void addFigure(Figure paint, double heightShare);
    // What follows starts on a new page, under its own title band.
    void startPage(const QString &title);

    QString title() const override;
    QPageLayout pageLayout() const override;
    bool draw(QPagedPaintDevice &device, const Progress &progress = {}) const override;
    int pageCount() const;

    // The pieces of a sheet, written the same way everywhere.
    static QString escaped(const QString &text);
    static QString heading(const QString &text);
    // The lines a pupil fills in: name, class, date.
    static QString nameLines();

private:
    struct Part;
    struct Layout;
    // The sheet's text laid out on its pages.
    std::unique_ptr<Layout> laidOut() const;
    // A part that starts on a page of its own, under its title band.
    QTextDocument *startPart(Layout &layout, const QString &title) const;

    QString title_;
    QList<Part> parts_;
    QList<Figure> figures_;
    QList<double> figureShares_;
};

} // namespace censaria
