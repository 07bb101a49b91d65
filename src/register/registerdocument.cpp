#include "registerdocument.h"

#include "registermodel.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace censaria::classregister {
namespace {

constexpr double fontPoints = 7.5;
constexpr double nameShare = 0.16; // of the page's width

} // namespace

struct RegisterDocument::Layout
{
    QRectF page;
    double titleHeight = 0;
    double headingHeight = 0;
    double rowHeight = 0;
    double footerHeight = 0;
    int rowsPerPage = 1;
    int pages = 1;
    QList<double> columnLeft; // and one more for the right edge
};

RegisterDocument::RegisterDocument(const RegisterModel &model, QList<int> rows, RegisterHeading heading)
    : model_(model)
    , rows_(std::move(rows))
    , heading_(std::move(heading))
{
}

void RegisterDocument::preparePage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
}

RegisterDocument::Layout RegisterDocument::layout(QPagedPaintDevice &device) const
{
    Layout l;
    const QFont font(QStringLiteral("DejaVu Sans"), 1);
    QFont sized = font;
    sized.setPointSizeF(fontPoints);
    const QFontMetricsF metrics(sized, &device);
    l.page = QRectF(0, 0, device.width(), device.height());
    l.rowHeight = metrics.height() * 1.5;
    l.titleHeight = metrics.height() * 5;
    l.headingHeight = metrics.height() * 3;
    l.footerHeight = metrics.height() * 2;
    const double body = l.page.height() - l.titleHeight - l.headingHeight - l.footerHeight;
    l.rowsPerPage = std::max(1, int(body / l.rowHeight));
    // The two summary rows come after the last pupil.
    const qsizetype lines = rows_.size() + 2;
    l.pages = int(std::max<qsizetype>(1, (lines + l.rowsPerPage - 1) / l.rowsPerPage));
    const int columns = model_.columnCount();
    const double nameWidth = l.page.width() * nameShare;
    const double otherWidth = (l.page.width() - nameWidth) / (columns - 1);
    l.columnLeft.append(0);
    for (int column = 0; column < columns; ++column)
        l.columnLeft.append(nameWidth + column * otherWidth);
    return l;
}

int RegisterDocument::pageCount(QPagedPaintDevice &device) const
{
    return layout(device).pages;
}

bool RegisterDocument::draw(QPagedPaintDevice &device, const Progress &progress) const
{
    const Layout l = layout(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(fontPoints);
    QFont bold = font;
    bold.setBold(true);
    // Column headings are narrow: a smaller type, so that a word fits its column.
    QFont headingFont = bold;
    headingFont.setPointSizeF(fontPoints * 0.8);
    QFont title = bold;
    title.setPointSizeF(fontPoints * 1.6);
    const int columns = model_.columnCount();
    const QList<ColumnSummary> summary = summarise(model_, rows_);
    const double pad = l.rowHeight * 0.15;
    const auto cell = [&](int column, double top, double height) {
        return QRectF(l.columnLeft[column] + pad, top, l.columnLeft[column + 1] - l.columnLeft[column] - 2 * pad, height);
    };
    const auto line = [&](double top) { painter.drawLine(QPointF(0, top), QPointF(l.page.width(), top)); };
    const Qt::Alignment middle = Qt::AlignVCenter;

    const QString titleText = QStringLiteral("Registro della classe %1%2")
                                  .arg(heading_.className, heading_.school.isEmpty() ? QString() : QStringLiteral(" — ") + heading_.school);
    const QString dateText = QStringLiteral("Stampato il %1").arg(heading_.date.toString(QStringLiteral("dd/MM/yyyy")));

    qsizetype next = 0;
    for (int page = 1; page <= l.pages; ++page) {
        if (progress && !progress(page, l.pages)) {
            painter.end();
            return false;
        }
        if (page > 1 && !static_cast<QPagedPaintDevice &>(device).newPage()) {
            painter.end();
            return false;
        }
        painter.setPen(Qt::black);
        painter.setFont(title);
        painter.drawText(QRectF(0, 0, l.page.width(), l.titleHeight * 0.5), Qt::AlignLeft | Qt::AlignBottom, titleText);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, l.page.width(), l.titleHeight * 0.5), Qt::AlignRight | Qt::AlignBottom, dateText);
        painter.drawText(QRectF(0, l.titleHeight * 0.55, l.page.width(), l.titleHeight * 0.4), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("Risultati da: %1.  Il segno — indica un argomento non ancora svolto.").arg(heading_.sources));

        // The heading row, on every page.
        double top = l.titleHeight;
        painter.fillRect(QRectF(0, top, l.page.width(), l.headingHeight), QColor(225, 225, 225));
        painter.setFont(headingFont);
        for (int column = 0; column < columns; ++column)
            painter.drawText(cell(column, top, l.headingHeight), Qt::AlignCenter | Qt::TextWordWrap,
                             RegisterColumn::all()[column].heading());
        line(top);
        top += l.headingHeight;
        line(top);

        painter.setFont(font);
        int used = 0;
        for (; used < l.rowsPerPage && next < rows_.size(); ++used, ++next) {
            const int row = rows_[next];
            if (next % 2 == 1)
                painter.fillRect(QRectF(0, top, l.page.width(), l.rowHeight), QColor(245, 245, 245));
            painter.drawText(cell(0, top, l.rowHeight), Qt::AlignLeft | middle, model_.text(row, 0));
            for (int column = 1; column < columns; ++column)
                painter.drawText(cell(column, top, l.rowHeight), Qt::AlignHCenter | middle, model_.text(row, column));
            top += l.rowHeight;
        }
        if (next == rows_.size() && used + 2 <= l.rowsPerPage) {
            line(top);
            painter.setFont(bold);
            const QStringList labels{QStringLiteral("Media della classe"), QStringLiteral("Alunni che l'hanno svolto")};
            for (int r = 0; r < 2; ++r) {
                painter.drawText(cell(0, top, l.rowHeight), Qt::AlignLeft | middle, labels[r]);
                for (int column = 1; column < columns; ++column) {
                    const ColumnSummary &s = summary[column];
                    const QString text = r == 0 ? (s.average ? decimal(*s.average) : RegisterModel::notDone) : QString::number(s.pupils);
                    painter.drawText(cell(column, top, l.rowHeight), Qt::AlignHCenter | middle, text);
                }
                top += l.rowHeight;
            }
            next = rows_.size() + 2;
        }
        painter.setFont(font);
        painter.drawText(QRectF(0, l.page.height() - l.footerHeight, l.page.width(), l.footerHeight), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Pagina %1 di %2").arg(page).arg(l.pages));
    }
    return painter.end();
}

bool writeRegisterPdf(const RegisterDocument &document, const QString &fileName, const RegisterDocument::Progress &progress,
                      QString *error)
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
        writer.setTitle(QStringLiteral("Registro della classe"));
        writer.setCreator(QStringLiteral("Censaria"));
        RegisterDocument::preparePage(writer);
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

} // namespace censaria::classregister
