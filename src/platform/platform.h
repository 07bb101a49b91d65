#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QSize>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QWidget;

namespace censaria {

class LinePrinter;
class RandomGenerator;

// The platform seam: every service of the system the program uses goes through
// one of these, so tests and the tour can replace them (see fakeplatform.h).

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A modal message with an OK button only.
    virtual void message(const QString &text, const QString &title, MessageIcon icon) = 0;
    // A modal question with one line to type; the empty string when cancelled.
    virtual QString input(const QString &prompt, const QString &title) = 0;
    // The same with the typed characters hidden, for a password.
    virtual QString password(const QString &prompt, const QString &title) = 0;
    // A modal question answered by one of the given buttons: the index of the one
    // pressed, -1 when closed without choosing. The last button is the one that
    // cancels, so Esc presses it.
    virtual int choose(const QString &text, const QString &title, const QStringList &buttons) = 0;
    // Files to read, chosen starting in folder; empty when cancelled.
    virtual QStringList openFiles(const QString &title, const QString &folder, const QString &filter) = 0;
    // A file to write, suggested as path; empty when cancelled.
    virtual QString saveFile(const QString &title, const QString &path, const QString &filter) = 0;
};

// A progress bar for work that may take more than a second, with a button to stop it.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void start(const QString &label, int maximum) = 0;
    // Moves the bar; false once the user asked to stop.
    virtual bool advance(int value) = 0;
    virtual void finish() = 0;
};

// A printer of whole pages, for documents drawn with QPainter.
class PagePrinter
{
public:
    virtual ~PagePrinter() = default;
    // Whether there is a printer to print on.
    virtual bool available() const = 0;
    // A new document on the printer; nullptr when it cannot start one.
    virtual QPagedPaintDevice *beginDocument(const QString &name) = 0;
    // While the document is being painted: nothing of it will be printed.
    virtual void abortDocument() = 0;
    // After painting has ended: the pages go to the printer unless aborted.
    // False when the printer failed.
    virtual bool endDocument() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The removable drive the program calls "A:".
class RemovableDrive
{
public:
    virtual ~RemovableDrive() = default;
    virtual QString rootPath() const = 0;
    // Whether a medium is there to be written on.
    virtual bool hasMedium() const { return QFileInfo(rootPath()).isDir(); }
};

class FileCopier
{
public:
    virtual ~FileCopier() = default;
    // Copies one whole file to a path that does not exist yet.
    virtual bool copy(const QString &from, const QString &to) = 0;
};

class Display
{
public:
    virtual ~Display() = default;
    virtual QSize size() const = 0;
    // Shows a window over the whole display.
    virtual void showFullDisplay(QWidget *window) = 0;
};

// Ending the program: the real one leaves the event loop, a test only records it.
class ProcessControl
{
public:
    virtual ~ProcessControl() = default;
    virtual void quit(int exitCode) = 0;
};

// The services one run of the program uses; none is owned here.
struct Platform
{
    Dialogs *dialogs = nullptr;
    Clock *clock = nullptr;
    RandomGenerator *random = nullptr;
    LinePrinter *printer = nullptr;
    RemovableDrive *driveA = nullptr;
    FileCopier *files = nullptr;
    Display *display = nullptr;
    ProcessControl *process = nullptr;
    PagePrinter *pagePrinter = nullptr;
    Progress *progress = nullptr;
};

} // namespace censaria
