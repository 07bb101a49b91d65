#include "benchrtf.h"

#include "figures.h"
#include "rtf/rtfreader.h"

#include <QDir>
#include <QTextDocument>

namespace censaria::bench {

void benchRtf(Report &report, const QString &dataFolder, const RunSize &size)
{
    const QDir data(dataFolder);
    const QStringList files = data.entryList({QStringLiteral("a-*.rtf")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        report.addFailure(QStringLiteral("RTF reader"), QStringLiteral("no lesson files in ") + dataFolder);
    for (const QString &file : files) {
        bool read = true;
        const QList<double> times = timeRuns(size.times(30), [&] {
            QTextDocument document;
            read = RtfReader::readFile(data.filePath(file), &document) && read;
        });
        if (read)
            report.addLimit(QStringLiteral("RTF reader on ") + file, median(times), QStringLiteral("ms"), 10);
        else
            report.addFailure(QStringLiteral("RTF reader on ") + file, QStringLiteral("the file could not be read"));
    }
}

} // namespace censaria::bench
