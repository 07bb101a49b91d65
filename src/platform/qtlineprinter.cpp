#include "qtlineprinter.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace censaria {

QtLinePrinter::QtLinePrinter() = default;
QtLinePrinter::~QtLinePrinter() = default;

void QtLinePrinter::setPdfOutput(const QString &fileName)
{
    pdfFile_ = fileName;
}

bool QtLinePrinter::render(const QStringList &lines)
{
    // Without any printer Qt would quietly fall back to a file nobody asked for.
    if (pdfFile_.isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Censaria"));
    if (!pdfFile_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile_);
    }
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // 10 points leave room for 84 columns within the margins of an A4 or Letter page.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = painter.fontMetrics().ascent();
    for (const QString &line : lines) {
        if (y > pageHeight) {
            printer.newPage();
            y = painter.fontMetrics().ascent();
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
    return painter.end();
}

} // namespace censaria
