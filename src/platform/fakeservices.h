#pragma once

#include "lineprinter.h"
#include "platform.h"
#include "random.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace censaria {

// Test doubles of the platform seam's services: no dialog is ever shown, nothing is
// printed. fakeplatform.h gathers them, with a display, into one platform.

struct RecordedMessage
{
    QString text;
    QString title;
    MessageIcon icon;
};

class ScriptedDialogs : public Dialogs
{
public:
    void message(const QString &text, const QString &title, MessageIcon icon) override;
    // Hands out the queued answers in order; the empty string (a cancel) once they run out.
    QString input(const QString &prompt, const QString &title) override;
    // Records the completions offered, then answers as input() does.
    QString inputWithCompletions(const QString &prompt, const QString &title, const QStringList &completions) override;
    // Records the media offered; hands out the queued choices in order, then cancels.
    QString chooseMedium(const QList<Medium> &media, const QString &title) override;

    QString password(const QString &prompt, const QString &title) override;
    int choose(const QString &text, const QString &title, const QStringList &buttons) override;
    QStringList openFiles(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &path, const QString &filter) override;

    void queueAnswer(const QString &answer) { answers.append(answer); }
    QStringList messageTexts() const;

    QStringList answers;
    QList<RecordedMessage> messages;
    QStringList prompts;
    QStringList inputTitles;
    QList<QStringList> completionsOffered;
    QStringList mediumChoices;
    QList<QList<Medium>> mediaOffers;
    // Answers of the other questions, each handed out in order; a cancel once they run out.
    QStringList passwords;
    QStringList passwordPrompts;
    QList<int> choices;
    QStringList choiceTexts;
    QList<QStringList> fileChoices;
    QStringList openFolders;
    QStringList savePaths;
    QStringList suggestedSavePaths;
    // Called after each message is recorded, e.g. to act while the "modal" box is up.
    std::function<void(const RecordedMessage &)> onMessage;
};

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return time; }
    // Records the wait and returns at once; the time stays as it is.
    void wait(int milliseconds) override { waits.append(milliseconds); }
    QDateTime time{QDate(2026, 3, 12), QTime(10, 30, 0)};
    QList<int> waits;
};

// Folders stand in for the media mounted now; a folder that is gone is a medium pulled out.
class FolderDrive : public RemovableDrive
{
public:
    QList<Medium> media() const override;
    QStringList roots;
};

class RecordingFileCopier : public FileCopier
{
public:
    bool copy(const QString &from, const QString &to) override;
    QList<QPair<QString, QString>> copies;
    bool fail = false;
};

class RecordingProcess : public ProcessControl
{
public:
    void quit(int exitCode) override { this->exitCode = exitCode; }
    std::optional<int> exitCode;
};

// Records each piece of work and its steps; stops it at a given step when told.
class RecordingProgress : public Progress
{
public:
    void start(const QString &label, int maximum) override;
    bool advance(int value) override;
    void finish() override { running = false; }

    QStringList labels;
    QList<int> steps;
    int cancelAt = -1;
    bool running = false;
};

// Prints onto a PDF in memory; a printer can be taken away (available = false).
class PdfPagePrinter : public PagePrinter
{
public:
    PdfPagePrinter();
    ~PdfPagePrinter() override;
    bool available() const override { return present; }
    QPagedPaintDevice *beginDocument(const QString &name) override;
    void abortDocument() override;
    bool endDocument() override;

    bool present = true;
    QList<QByteArray> documents; // each printed document as PDF bytes
    int aborted = 0;

private:
    struct Job;
    std::unique_ptr<Job> job_;
};

} // namespace censaria
