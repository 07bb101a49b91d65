#pragma once

#include <QString>

namespace censaria::bench {

class Report;
struct RunSize;

// In a child process (a screen shows for the first time only once per process):
// starts the program on the fake platform, opens every screen from the menu twice,
// turns lesson pages, shows every other screen the program has, then makes 1 000
// screen changes; prints "figure<TAB>ms" lines, or "FAILED<TAB>why" and stops.
int runScreensChild(const RunSize &size);

// Runs that child and reports the medians of its figures.
void benchScreens(Report &report, const QString &self, const RunSize &size);

} // namespace censaria::bench
