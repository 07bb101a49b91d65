#pragma once

#include <QString>

// Ends the process, without any clean-up, right after the first paint of the
// top-level window whose objectName is windowName: the start-up benchmark times
// whole processes from exec to that moment.
void exitAfterFirstPaint(const QString &windowName);

// Ends the process as soon as its event loop is free again after the first paint of the
// widget whose objectName is controlName: the moment a click on it would be handled.
void exitWhenAnswering(const QString &controlName);
