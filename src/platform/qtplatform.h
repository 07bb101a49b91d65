#pragma once

#include "platform.h"
#include "qtlineprinter.h"
#include "random.h"
#include "removablemedia.h"

#include <memory>

class QInputDialog;
class QMessageBox;
class QPrinter;
class QProgressDialog;
class QWidget;

namespace censaria {

class QtDialogs : public Dialogs
{
public:
    void message(const QString &text, const QString &title, MessageIcon icon) override;
    QString input(const QString &prompt, const QString &title) override;
    QString inputWithCompletions(const QString &prompt, const QString &title, const QStringList &completions) override;
    QString chooseMedium(const QList<Medium> &media, const QString &title) override;
    QString password(const QString &prompt, const QString &title) override;
    int choose(const QString &text, const QString &title, const QStringList &buttons) override;
    QStringList openFiles(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &path, const QString &filter) override;

    // The dialogs as the program shows them, for the tour to draw and the tests to
    // measure without showing them modally.
    static QMessageBox *makeMessageBox(const QString &text, const QString &title, MessageIcon icon, QWidget *parent);
    static QInputDialog *makeInputDialog(const QString &prompt, const QString &title, QWidget *parent);
    // Its line offers the completions that hold what is typed, in a list below it.
    static void offerCompletions(QInputDialog *dialog, const QStringList &completions);
};

// QProgressDialog, shown only when the work lasts more than a second.
class QtProgress : public Progress
{
public:
    ~QtProgress() override;
    void start(const QString &label, int maximum) override;
    bool advance(int value) override;
    void finish() override;

private:
    QProgressDialog *dialog_ = nullptr;
};

// The system's default printer, landscape A4.
class QtPagePrinter : public PagePrinter
{
public:
    QtPagePrinter();
    ~QtPagePrinter() override;
    bool available() const override;
    QPagedPaintDevice *beginDocument(const QString &name) override;
    void abortDocument() override;
    bool endDocument() override;

private:
    std::unique_ptr<QPrinter> printer_;
    bool aborted_ = false;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void wait(int milliseconds) override;
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
    QtPagePrinter pagePrinter;
    QtProgress progress;

    Platform services() { return {&dialogs, &clock, &random, &printer, &driveA, &files, &display, &process, &pagePrinter, &progress}; }
};

} // namespace censaria
