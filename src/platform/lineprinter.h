#pragma once

#include <QList>
#include <QStringList>
#include <utility>

namespace censaria {

// A printer that prints lines of text with tabs to character columns, like a
// typewriter: column 1 is the left margin; a tab to a column already passed moves
// to that column of the next line. The page goes out when the document ends.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;

    void print(const QString &text);
    void tab(int column);
    void newLine();
    // Sends what was printed (possibly nothing) to the printer; false if it failed.
    bool endDocument();

protected:
    virtual bool render(const QStringList &lines) = 0;

private:
    QStringList lines_;
    QString current_;
    bool lineOpen_ = false;
};

// Keeps every ended document as its lines; one told to fail refuses every job.
class RecordingPrinter : public LinePrinter
{
public:
    QList<QStringList> documents;
    bool fail = false;

protected:
    bool render(const QStringList &lines) override;
};

} // namespace censaria
