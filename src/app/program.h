#pragma once

#include "screenkit/module.h"

class QApplication;

namespace censaria {

// One run of the program: start-up up to the main menu.
class Program
{
public:
    // accountFolder: the account's own data folder (QStandardPaths::AppDataLocation).
    Program(const Platform &platform, const QString &programFolder, const QString &accountFolder);

    // The menu's load step: opens the archive, clears the pupil name and shows the
    // menu over the whole display. When the archive cannot be used it says why, in
    // Italian, and returns false; the program must then end with a failure status.
    bool start();

    Module &module() { return module_; }

private:
    QString archiveProblemText(ArchiveProblem problem);
    QString serverProblemText(ArchiveProblem problem);
    bool keepTodaysCopy();
    Module module_;
};

// Italian whatever the system's language: numbers, dates and Qt's own dialog buttons.
void useItalian(QApplication &application);

} // namespace censaria
