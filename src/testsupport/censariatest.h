#pragma once

// Driving Censaria from a test (or the tour) without a window system's dialogs.
//
//   censaria::TestProgram program;                 // fresh data folder with empty archives
//   program.dialogs().queueAnswer("Rossi Mario");  // answers to the name question, in order
//   program.start();                               // start-up up to the main menu
//   program.control<QPushButton>("Fmenù", "Cmdarchivio")->click();
//   QCOMPARE(program.module().nomealunno, "ROSSI MARIO");
//   program.dialogs().messages;                    // every message shown, with title and icon
//
// Every service goes through the platform seam: scripted dialogs (answers queued,
// messages recorded, an empty answer when none is queued), a fixed clock (clock().time),
// a seeded generator with queueable draws (random()), a recording printer
// (printer().documents; pagePrinter().documents as PDF bytes), a recording progress
// bar that can stop the work (progress()), a temporary folder as the one medium
// mounted (driveA(); more or none through drive().roots, the choice among them
// answered by dialogs()), a fixed display
// of 1200 x 900 pixels, an exit that is only recorded (exitCode()), and the account's own
// settings folder inside the program folder (account-config).
// Screens are found by form name ("FQuestionario"), controls by their objectName.
// Run widget tests with QT_QPA_PLATFORM=offscreen.

#include "screenkit/module.h"
#include "app/program.h"
#include "screenkit/screen.h"
#include "platform/fakeplatform.h"

#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace censaria {

class TestProgram
{
public:
    // Runs on programFolder, which must hold perCensaria; without one, on a new
    // temporary folder with a copy of the installed data and empty archives. The
    // account's own data folder (the queue for a server, the password's wrong tries) is
    // accountFolder, or one beside the program's folder, so that a program started again
    // on the same folder is the same account: never the home of the account running the tests.
    explicit TestProgram(const QString &programFolder = QString(), const QString &accountFolder = QString());
    ~TestProgram();

    bool start();
    // Starts as the program itself does: the menu at once, the archive opened and checked
    // once the menu has been painted (events must be processed for that).
    void launch();

    Module &module() { return program_->module(); }
    QString programFolder() const { return folder_; }
    QString accountFolder() const { return program_->module().accountFolder(); }
    QString archivePath() const;

    // The screen by its form name, created now if needed; nullptr if there is none.
    Screen *screen(const QString &formName);
    template <typename T = QWidget>
    T *control(const QString &formName, const QString &controlName)
    {
        Screen *form = screen(formName);
        return form ? form->findChild<T *>(controlName) : nullptr;
    }
    // The screens shown now, by form name.
    QStringList visibleScreens();
    // Presses a button, or a label used as one; a missing control stops the test run.
    void click(const QString &formName, const QString &controlName);
    // What a label, a button or a text box shows.
    QString text(const QString &formName, const QString &controlName);
    // Shows a screen as a pupil first meets it: the lessons on their first page, the
    // questionnaire on its first topic. nullptr when the navigation refuses.
    Screen *open(const QString &formName);
    // A control as the tests name it: its objectName, with the row of an indexed array.
    static QString nameOf(const QWidget *widget);

    ScriptedDialogs &dialogs() { return fake_.dialogs; }
    FixedClock &clock() { return fake_.clock; }
    ScriptedRandom &random() { return fake_.random; }
    RecordingPrinter &printer() { return fake_.printer; }
    FixedDisplay &display() { return fake_.display; }
    RecordingFileCopier &files() { return fake_.files; }
    QString driveA() const { return fake_.driveA.roots.value(0); }
    FolderDrive &drive() { return fake_.driveA; }
    PdfPagePrinter &pagePrinter() { return fake_.pagePrinter; }
    RecordingProgress &progress() { return fake_.progress; }
    std::optional<int> exitCode() const { return fake_.process.exitCode; }

    // A new program folder with the installed data and empty archives under parent.
    static QString makeProgramFolder(const QString &parent);

private:
    FakePlatform fake_;
    QTemporaryDir temp_;
    QString folder_;
    std::unique_ptr<Program> program_;
};

// The full-screen view of a figure that screen shows now, once views closed earlier are
// gone; null when none is open.
QWidget *fullScreenView(QWidget *screen);

} // namespace censaria
