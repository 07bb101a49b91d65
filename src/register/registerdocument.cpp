#include "registerdocument.h"

#include "registercsv.h"
#include "registerfigures.h"
#include "registermodel.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace censaria::classregister {
namespace {

constexpr double fontPoints = 7.5;
constexpr double nameShare = 0.16;   // of the page's width
constexpr double chartsShare = 0.45; // of the page's body: below the table, or a page of their own

} // namespace

struct RegisterDocument::Layout
{
    QRectF page;
    double titleHeight = 0;
    double headingHeight = 0;
    double rowHeight = 0;
    double footerHeight = 0;
    double body = 0;
    int rowsPerPage = 1;
    int tablePages = 1;
    bool chartsPageOfTheirOwn = false;
    int pages = 1;
    QList<double> columnLeft; // and one more for the right edge
};

RegisterDocument::RegisterDocument(const RegisterModel &model, QList<int> rows, RegisterHeading heading)
    : model_(model)
    , rows_(std::move(rows))
    , heading_(std::move(heading))
{
}

QString RegisterDocument::title() const
{
    return QStringLiteral("Registro della classe");
}

QPageLayout RegisterDocument::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

RegisterDocument::Layout RegisterDocument::layout(QPagedPaintDevice &device) const
{
    Layout l;
    QFont sized(QStringLiteral("DejaVu Sans"));
    sized.setPointSizeF(fontPoints);
    const QFontMetricsF metrics(sized, &device);
    l.page = QRectF(0, 0, device.width(), device.height());
    // A result and its date take two lines.
    l.rowHeight = metrics.height() * (model_.showsDates() ? 2.5 : 1.5);
    l.titleHeight = metrics.height() * 5;
    l.headingHeight = metrics.height() * 3;
    l.footerHeight = metrics.height() * 2;
    l.body = l.page.height() - l.titleHeight - l.headingHeight - l.footerHeight;
    l.rowsPerPage = std::max(1, int(l.body / l.rowHeight));
    // The two summary rows come after the last pupil.
    const qsizetype lines = rows_.size() + 2;
    l.tablePages = int(std::max<qsizetype>(1, (lines + l.rowsPerPage - 1) / l.rowsPerPage));
    const qsizetype onLastPage = lines - qsizetype(l.tablePages - 1) * l.rowsPerPage;
    l.chartsPageOfTheirOwn = l.body - onLastPage * l.rowHeight < l.body * chartsShare;
    l.pages = l.tablePages + (l.chartsPageOfTheirOwn ? 1 : 0);
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

QByteArray RegisterDocument::csv() const
{
    return registerCsv(model_, rows_);
}

QString RegisterDocument::fileStem() const
{
    return heading_.className.isEmpty() ? QStringLiteral("registro") : QStringLiteral("registro-") + heading_.className;
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
    const double pad = l.rowHeight * 0.1;
    const auto cell = [&](int column, double top, double height) {
        return QRectF(l.columnLeft[column] + pad, top, l.columnLeft[column + 1] - l.columnLeft[column] - 2 * pad, height);
    };
    const auto line = [&](double top) { painter.drawLine(QPointF(0, top), QPointF(l.page.width(), top)); };
    const Qt::Alignment middle = Qt::AlignVCenter;
    const auto inkFor = [&](bool belowSix) { painter.setPen(belowSix ? RegisterModel::belowSixColour : QColor(Qt::black)); };

    const QString titleText = QStringLiteral("Registro della classe %1%2")
                                  .arg(heading_.className, heading_.school.isEmpty() ? QString() : QStringLiteral(" — ") + heading_.school);
    const QString dateText = QStringLiteral("Stampato il %1").arg(heading_.date.toString(QStringLiteral("dd/MM/yyyy")));
    QString sourcesText = QStringLiteral("Risultati da: %1.  Il segno — indica un argomento non ancora svolto; %2 un voto sotto il 6.")
                              .arg(heading_.sources, RegisterModel::belowSixSign);
    if (!heading_.filterNote.isEmpty())
        sourcesText += QStringLiteral("  %1.").arg(heading_.filterNote);

    const auto drawCharts = [&](double top) {
        const double bottom = l.page.height() - l.footerHeight;
        const double gap = l.page.width() * 0.03;
        const double width = (l.page.width() - gap) / 2;
        const QRectF room(0, top + l.rowHeight, width, bottom - top - l.rowHeight);
        const ClassFigures figures = classFigures(model_, rows_, heading_.chartTopic, heading_.filterNote);
        paintAverages(painter, room, figures);
        paintDistribution(painter, room.translated(width + gap, 0), figures);
    };

    qsizetype next = 0;
    for (int page = 1; page <= l.pages; ++page) {
        if (progress && !progress(page, l.pages)) {
            painter.end();
            return false;
        }
        if (page > 1 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.setPen(Qt::black);
        painter.setFont(title);
        painter.drawText(QRectF(0, 0, l.page.width(), l.titleHeight * 0.5), Qt::AlignLeft | Qt::AlignBottom, titleText);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, l.page.width(), l.titleHeight * 0.5), Qt::AlignRight | Qt::AlignBottom, dateText);
        painter.drawText(QRectF(0, l.titleHeight * 0.55, l.page.width(), l.titleHeight * 0.45), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         sourcesText);
        painter.setFont(font);
        painter.drawText(QRectF(0, l.page.height() - l.footerHeight, l.page.width(), l.footerHeight), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Pagina %1 di %2").arg(page).arg(l.pages));

        if (page > l.tablePages) {
            drawCharts(l.titleHeight);
            continue;
        }

        // The heading row, on every page of the table.
        double top = l.titleHeight;
        painter.fillRect(QRectF(0, top, l.page.width(), l.headingHeight), QColor(225, 225, 225));
        painter.setFont(headingFont);
        for (int column = 0; column < columns; ++column)
            painter.drawText(cell(column, top, l.headingHeight), Qt::AlignCenter | Qt::TextWordWrap, RegisterColumn::all()[column].heading());
        line(top);
        top += l.headingHeight;
        line(top);

        painter.setFont(font);
        int used = 0;
        for (; used < l.rowsPerPage && next < rows_.size(); ++used, ++next) {
            const int row = rows_[next];
            if (next % 2 == 1)
                painter.fillRect(QRectF(0, top, l.page.width(), l.rowHeight), QColor(245, 245, 245));
            painter.setPen(Qt::black);
            painter.drawText(cell(0, top, l.rowHeight), Qt::AlignLeft | middle, model_.text(row, 0));
            for (int column = 1; column < columns; ++column) {
                inkFor(model_.isBelowSix(row, column));
                const QString date = model_.shortWhen(row, column);
                painter.drawText(cell(column, top, l.rowHeight), Qt::AlignCenter,
                                 date.isEmpty() ? model_.text(row, column) : model_.text(row, column) + u'\n' + date);
            }
            top += l.rowHeight;
        }
        if (next == rows_.size() && used + 2 <= l.rowsPerPage) {
            painter.setPen(Qt::black);
            line(top);
            painter.setFont(bold);
            const QStringList labels{QStringLiteral("Media della classe"), QStringLiteral("Alunni che l'hanno svolto")};
            for (int r = 0; r < 2; ++r) {
                painter.setPen(Qt::black);
                painter.drawText(cell(0, top, l.rowHeight), Qt::AlignLeft | middle, labels[r]);
                for (int column = 1; column < columns; ++column) {
                    const ColumnSummary &s = summary[column];
                    inkFor(r == 0 && averageBelowSix(column, s));
                    const QString text = r == 0 ? averageText(column, s) : QString::number(s.pupils);
                    painter.drawText(cell(column, top, l.rowHeight), Qt::AlignHCenter | middle, text);
                }
                top += l.rowHeight;
            }
            next = rows_.size() + 2;
            painter.setPen(Qt::black);
            if (page == l.tablePages && !l.chartsPageOfTheirOwn)
                drawCharts(top);
        }
    }
    return painter.end();
}

} // namespace censaria::classregister
