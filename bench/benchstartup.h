#pragma once

#include <QString>

namespace censaria::bench {

class Report;

// Times whole processes from exec to the first paint: the program's start-up up to
// the main menu (startupprobe, on programFolder) against a bare window (barewindow),
// alternating the two, runs times each.
void benchStartup(Report &report, const QString &binaryFolder, const QString &programFolder, int runs);

} // namespace censaria::bench
