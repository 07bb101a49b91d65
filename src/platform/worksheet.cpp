#include "worksheet.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>
#include <utility>
#include <vector>

namespace censaria {
namespace {

// The lessons' type: a sans serif at 11 points, headings in their blue, titles on their band.
const QString family = QStringLiteral("DejaVu Sans");
constexpr double bodyPoints = 11;
const QColor titleBand(31, 78, 95);
const QColor headingBlue(31, 58, 104);

constexpr int figureObject = QTextFormat::UserObject + 1;
constexpr int figureIndex = QTextFormat::UserProperty + 1;

// Draws the sheet's figures where the text makes room for them.
class FigureObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    FigureObject(const QList<Worksheet::Figure> &figures, const QList<double> &shares, QObject *parent)
        : QObject(parent)
        , figures_(figures)
        , shares_(shares)
    {
    }

    QSizeF intrinsicSize(QTextDocument *document, int, const QTextFormat &format) override
    {
        const int index = format.intProperty(figureIndex);
        const QSizeF page = document->pageSize();
        return QSizeF(page.width() * 0.98, page.height() * shares_.value(index));
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &format) override
    {
        const int index = format.intProperty(figureIndex);
        if (index < 0 || index >= figures_.size())
            return;
        painter->save();
        figures_[index](*painter, rect);
        painter->restore();
    }

private:
    QList<Worksheet::Figure> figures_;
    QList<double> shares_;
};

} // namespace

struct Worksheet::Part
{
    enum class Kind { Html, Figure, Page };
    Kind kind;
    QString text;
    int figure = -1;
};

Worksheet::Worksheet(const QString &title)
    : title_(title)
{
    parts_.append({Part::Kind::Page, title});
}

Worksheet::~Worksheet() = default;

void Worksheet::addHtml(const QString &html)
{
    parts_.append({Part::Kind::Html, html});
}

void Worksheet::addFigure(Figure paint, double heightShare)
{
    figures_.append(std::move(paint));
    figureShares_.append(heightShare);
    parts_.append({Part::Kind::Figure, QString(), int(figures_.size() - 1)});
}

void Worksheet::startPage(const QString &title)
{
    parts_.append({Part::Kind::Page, title});
}

QString Worksheet::title() const
{
    return title_;
}

QPageLayout Worksheet::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);
}

QString Worksheet::escaped(const QString &text)
{
    return text.trimmed().toHtmlEscaped();
}

QString Worksheet::heading(const QString &text)
{
    return QStringLiteral("<p style=\"margin-top: 10pt; margin-bottom: 4pt; font-size: 13pt; font-weight: bold; color: %1;\">%2</p>")
        .arg(headingBlue.name(), escaped(text));
}

QString Worksheet::nameLines()
{
    return QStringLiteral("<p style=\"margin-top: 6pt; margin-bottom: 10pt;\">Nome e cognome "
                          "____________________________&nbsp;&nbsp; Classe ______&nbsp;&nbsp; Data __________</p>");
}

// The sheet is laid out once at a resolution of its own, whatever the device's: the pages
// break in the same places on the printer, in the PDF and in the tests. Each part that
// starts a page of its own (the key) is a text of its own, so that it always does.
struct Worksheet::Layout
{
    static constexpr double dpi = 300;
    QImage reference{1, 1, QImage::Format_ARGB32};
    std::vector<std::unique_ptr<QTextDocument>> parts;
    QSizeF page;    // the text of one page
    QSizeF printed; // the whole printable area, the page's number included

    Layout()
    {
        reference.setDotsPerMeterX(qRound(dpi / 0.0254));
        reference.setDotsPerMeterY(qRound(dpi / 0.0254));
    }
    static double units(double points) { return points * dpi / 72; }
    int pageCount() const
    {
        int pages = 0;
        for (const auto &part : parts)
            pages += part->pageCount();
        return pages;
    }
};

QTextDocument *Worksheet::startPart(Layout &layout, const QString &title) const
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&layout.reference);
    document->documentLayout()->registerHandler(figureObject, new FigureObject(figures_, figureShares_, document.get()));
    QFont font(family);
    font.setPointSizeF(bodyPoints);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    document->setPageSize(layout.page);

    QTextTableFormat band;
    band.setBackground(titleBand);
    band.setBorder(0);
    band.setCellPadding(Layout::units(6));
    band.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    band.setBottomMargin(Layout::units(8));
    QTextCursor cursor(document.get());
    QTextTable *table = cursor.insertTable(1, 1, band);
    QTextCharFormat titleType;
    titleType.setFont(font);
    titleType.setFontPointSize(15);
    titleType.setFontWeight(QFont::Bold);
    titleType.setForeground(Qt::white);
    table->cellAt(0, 0).firstCursorPosition().insertText(title.trimmed(), titleType);
    layout.parts.push_back(std::move(document));
    return layout.parts.back().get();
}

std::unique_ptr<Worksheet::Layout> Worksheet::laidOut() const
{
    auto layout = std::make_unique<Layout>();
    const QRectF printable = pageLayout().paintRectPoints();
    layout->printed = QSizeF(Layout::units(printable.width()), Layout::units(printable.height()));
    // The last line of every page is kept for the page's number.
    layout->page = QSizeF(layout->printed.width(), layout->printed.height() - Layout::units(28));

    QTextCursor cursor;
    // The rich text between two figures goes in at once, so that its paragraphs and tables
    // follow one another as written (text inserted piece by piece runs on after the last line).
    QString pending;
    const auto flush = [&] {
        if (!pending.isEmpty())
            cursor.insertHtml(std::exchange(pending, QString()));
    };
    for (const Part &part : parts_) {
        switch (part.kind) {
        case Part::Kind::Page:
            flush();
            cursor = QTextCursor(startPart(*layout, part.text));
            cursor.movePosition(QTextCursor::End);
            break;
        case Part::Kind::Html: pending += part.text; break;
        case Part::Kind::Figure: {
            flush();
            cursor.insertBlock();
            QTextCharFormat object;
            object.setObjectType(figureObject);
            object.setProperty(figureIndex, part.figure);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
            cursor.insertBlock();
            break;
        }
        }
    }
    flush();
    // The empty paragraph a table leaves at a part's end takes no room: pushed over the
    // page's end on its own, it would make a blank page.
    for (const auto &part : layout->parts) {
        QTextCursor end(part->lastBlock());
        if (!end.block().text().isEmpty())
            continue;
        QTextBlockFormat nothing = end.blockFormat();
        nothing.setLineHeight(0, QTextBlockFormat::FixedHeight);
        nothing.setTopMargin(0);
        nothing.setBottomMargin(0);
        end.setBlockFormat(nothing);
    }
    return layout;
}

int Worksheet::pageCount() const
{
    return laidOut()->pageCount();
}

bool Worksheet::draw(QPagedPaintDevice &device, const Progress &progress) const
{
    const std::unique_ptr<Layout> layout = laidOut();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // From the sheet's own resolution to the device's.
    painter.scale(device.width() / layout->printed.width(), device.height() / layout->printed.height());
    const QSizeF page = layout->page;
    const int pages = layout->pageCount();
    QFont footer(family);
    footer.setPixelSize(qRound(Layout::units(8)));
    int number = 0;
    for (const auto &part : layout->parts) {
        for (int index = 0; index < part->pageCount(); ++index) {
            ++number;
            if (progress && !progress(number, pages)) {
                painter.end();
                return false;
            }
            if (number > 1 && !device.newPage()) {
                painter.end();
                return false;
            }
            painter.save();
            painter.translate(0, -index * page.height());
            part->drawContents(&painter, QRectF(QPointF(0, index * page.height()), page));
            painter.restore();
            painter.setFont(footer);
            painter.setPen(QColor(90, 90, 90));
            painter.drawText(QRectF(QPointF(0, page.height()), QSizeF(page.width(), layout->printed.height() - page.height())),
                             Qt::AlignRight | Qt::AlignBottom,
                             QStringLiteral("%1 — pagina %2 di %3").arg(title_.trimmed()).arg(number).arg(pages));
        }
    }
    return painter.end();
}

} // namespace censaria

#include "worksheet.moc"
