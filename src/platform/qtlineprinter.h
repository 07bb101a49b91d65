#pragma once

#include "lineprinter.h"

#include <QString>

namespace censaria {

// Renders onto a QPrinter in a fixed-pitch font, so that columns line up;
// by default the system's default printer, or a PDF file when one is given.
class QtLinePrinter : public LinePrinter
{
public:
    QtLinePrinter();
    ~QtLinePrinter() override;
    void setPdfOutput(const QString &fileName);

protected:
    bool render(const QStringList &lines) override;

private:
    QString pdfFile_;
};

} // namespace censaria
