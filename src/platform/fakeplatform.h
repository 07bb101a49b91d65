#pragma once

#include "fakeservices.h"

#include <QSize>

namespace censaria {

// The whole platform seam on test doubles, for the program started in a test or the tour.

class FixedDisplay : public Display
{
public:
    QSize size() const override { return displaySize; }
    void showFullDisplay(QWidget *window) override;
    QSize displaySize{1200, 900};
};

struct FakePlatform
{
    ScriptedDialogs dialogs;
    FixedClock clock;
    ScriptedRandom random;
    RecordingPrinter printer;
    FolderDrive driveA;
    RecordingFileCopier files;
    FixedDisplay display;
    RecordingProcess process;
    PdfPagePrinter pagePrinter;
    RecordingProgress progress;

    Platform services() { return {&dialogs, &clock, &random, &printer, &driveA, &files, &display, &process, &pagePrinter, &progress}; }
};

} // namespace censaria
