#pragma once

#include <QString>

namespace censaria::bench {

class Report;
struct RunSize;

// The archive of a program folder made under workFolder, holding 10 000 pupils:
// recording a result (a durable commit), a pupil's look-up, the names list of the
// menu and the export of every row.
void benchArchive(Report &report, const QString &workFolder, const RunSize &size);

} // namespace censaria::bench
