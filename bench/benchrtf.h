#pragma once

#include <QString>

namespace censaria::bench {

class Report;

// RtfReader::readFile on every lesson file a-*.rtf of dataFolder.
void benchRtf(Report &report, const QString &dataFolder);

} // namespace censaria::bench
