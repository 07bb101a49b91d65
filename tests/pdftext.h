#pragma once

// The text of a PDF's pages as a reader of the file gets it: poppler's pdftotext, which
// scripts/test installs (poppler-utils). A missing pdftotext fails the test, never skips it.
#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace censaria::pdftest {

// One string per page, read line by line as laid out (so that a table's row stays one
// line), its white space run together into single blanks and its ligatures undone;
// nullopt when pdftotext could not be run.
inline std::optional<QStringList> pageTexts(const QByteArray &pdf)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("documento.pdf"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size())
        return std::nullopt;
    out.close();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    if (!reader.waitForFinished(60000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return std::nullopt;
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    // Ligatures ("ﬁ", "ﬀ") read back as the letters they join.
    for (QString &page : pages)
        page = page.normalized(QString::NormalizationForm_KC).simplified();
    return pages;
}

// The size of the first page in points, from the PDF's own words: "595 842" is A4 portrait.
inline QString firstMediaBox(const QByteArray &pdf)
{
    const qsizetype at = pdf.indexOf("/MediaBox [");
    if (at < 0)
        return {};
    const QList<QByteArray> numbers = pdf.mid(at + 11, 40).split(']').first().simplified().split(' ');
    return numbers.size() == 4 ? QStringLiteral("%1 %2").arg(qRound(numbers[2].toDouble())).arg(qRound(numbers[3].toDouble())) : QString();
}

} // namespace censaria::pdftest
