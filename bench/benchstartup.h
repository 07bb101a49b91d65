#pragma once

#include <QString>

namespace censaria::bench {

class Report;
struct RunSize;

// Times whole processes from exec to the first paint: the program's start-up up to
// the main menu (startupprobe, on programFolder) against a bare window (barewindow),
// alternating the two, 21 times each.
void benchStartup(Report &report, const QString &binaryFolder, const QString &programFolder, const RunSize &size);

} // namespace censaria::bench
