#pragma once

#include <QDateTime>
#include <QList>
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

// A removable medium mounted now (a USB stick, a memory card, the diskette in A:).
struct Medium
{
    QString rootPath;
    QString label; // the volume's name, or the name of its mount point
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;
    bool readOnly = false;

    friend bool operator==(const Medium &, const Medium &) = default;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A modal message with an OK button only.
    virtual void message(const QString &text, const QString &title, MessageIcon icon) = 0;
    // A modal question with one line to type; the empty string when cancelled.
    virtual QString input(const QString &prompt, const QString &title) = 0;
    // The same, offering while the user types the completions that hold what is typed;
    // any other text is accepted too.
    virtual QString inputWithCompletions(const QString &prompt, const QString &title, const QStringList &completions) = 0;
    // Asks where to write: one of media, or any folder the user picks.
    // The chosen root path; the empty string when cancelled.
    virtual QString chooseMedium(const QList<Medium> &media, const QString &title) = 0;
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
    // Lets time pass before the program goes on (after a wrong password): the screens
    // keep painting, and what the user types meanwhile waits until then.
    virtual void wait(int milliseconds) = 0;
};

// What the program calls drive "A:": the removable media mounted now.
class RemovableDrive
{
public:
    virtual ~RemovableDrive() = default;
    // The media present now, in the order to offer them; never this computer's own disks.
    virtual QList<Medium> media() const = 0;
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
