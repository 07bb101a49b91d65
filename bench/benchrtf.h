#pragma once

#include <QString>

namespace censaria::bench {

class Report;
struct RunSize;

// RtfReader::readFile on every lesson file a-*.rtf of dataFolder.
void benchRtf(Report &report, const QString &dataFolder, const RunSize &size);

} // namespace censaria::bench
