#pragma once

#include <QString>

namespace censaria::bench {

class Report;

// In a child process (a screen shows for the first time only once per process):
// starts the program on the fake platform, opens every screen from the menu twice,
// turns lesson pages, then makes 1 000 screen changes; prints "figure<TAB>ms" lines.
int runScreensChild();

// Runs that child runs times and reports the medians of its figures.
void benchScreens(Report &report, const QString &self, int runs);

} // namespace censaria::bench
