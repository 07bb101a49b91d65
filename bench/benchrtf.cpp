#include "benchrtf.h"

#include "figures.h"
#include "rtf/rtfreader.h"

#include <QDir>
#include <QTextDocument>

namespace censaria::bench {

void benchRtf(Report &report, const QString &dataFolder)
{
    const QDir data(dataFolder);
    for (const QString &file : data.entryList({QStringLiteral("a-*.rtf")}, QDir::Files, QDir::Name)) {
        bool read = true;
        const QList<double> times = timeRuns(30, [&] {
            QTextDocument document;
            read = RtfReader::readFile(data.filePath(file), &document) && read;
        });
        report.addLimit(QStringLiteral("RTF reader on ") + file, read ? median(times) : qInf(), QStringLiteral("ms"), 10);
    }
}

} // namespace censaria::bench
