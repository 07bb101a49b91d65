#include "lineprinter.h"

namespace censaria {

void LinePrinter::print(const QString &text)
{
    current_ += text;
    lineOpen_ = true;
}

void LinePrinter::tab(int column)
{
    const int target = std::max(column, 1) - 1;
    if (current_.size() > target)
        newLine();
    current_ += QString(target - current_.size(), u' ');
    lineOpen_ = true;
}

void LinePrinter::newLine()
{
    lines_.append(current_);
    current_.clear();
    lineOpen_ = false;
}

bool LinePrinter::endDocument()
{
    if (lineOpen_)
        newLine();
    const QStringList lines = std::exchange(lines_, {});
    return render(lines);
}

bool RecordingPrinter::render(const QStringList &lines)
{
    if (fail)
        return false;
    documents.append(lines);
    return true;
}

} // namespace censaria
