#pragma once

#include "lineprinter.h"
#include "platform.h"
#include "random.h"

class QInputDialog;
class QMessageBox;
class QWidget;

namespace censaria {

class QtDialogs : public Dialogs
{
public:
    void message(const QString &text, const QString &title, MessageIcon icon) override;
    QString input(const QString &prompt, const QString &title) override;
    QString chooseMedium(const QList<Medium> &media, const QString &title) override;

    // The dialogs as the program shows them, for the tour to draw and the tests to
    // measure without showing them modally.
    static QMessageBox *makeMessageBox(const QString &text, const QString &title, MessageIcon icon, QWidget *parent);
    static QInputDialog *makeInputDialog(const QString &prompt, const QString &title, QWidget *parent);
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// The removable media mounted now, found through QStorageInfo: USB sticks and memory
// cards as the desktop mounts them, or the drives on Windows with A:\ first.
class MountedMedia : public RemovableDrive
{
public:
    QList<Medium> media() const override;
};

class QtFileCopier : public FileCopier
{
public:
    bool copy(const QString &from, const QString &to) override;
};

class ScreenDisplay : public Display
{
public:
    QSize size() const override;
    void showFullDisplay(QWidget *window) override;
};

class EventLoopExit : public ProcessControl
{
public:
    void quit(int exitCode) override;
};

// The real services, owned together for one run of the program.
struct QtPlatform
{
    QtDialogs dialogs;
    SystemClock clock;
    RandomGenerator random;
    QtLinePrinter printer;
    MountedMedia driveA;
    QtFileCopier files;
    ScreenDisplay display;
    EventLoopExit process;

    Platform services() { return {&dialogs, &clock, &random, &printer, &driveA, &files, &display, &process}; }
};

} // namespace censaria
