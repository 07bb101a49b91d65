#pragma once

#include <QString>

// Ends the process, without any clean-up, right after the first paint of the
// top-level window whose objectName is windowName: the start-up benchmark times
// whole processes from exec to that moment.
void exitAfterFirstPaint(const QString &windowName);
