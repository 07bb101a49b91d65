#pragma once

#include "lineprinter.h"
#include "platform.h"
#include "random.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace censaria {

// Test doubles of the platform seam: no dialog is ever shown, nothing is printed.

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
    // Records the media offered; hands out the queued choices in order, then cancels.
    QString chooseMedium(const QList<Medium> &media, const QString &title) override;

    void queueAnswer(const QString &answer) { answers.append(answer); }
    QStringList messageTexts() const;

    QStringList answers;
    QList<RecordedMessage> messages;
    QStringList prompts;
    QStringList inputTitles;
    QStringList mediumChoices;
    QList<QList<Medium>> mediaOffers;
    // Called after each message is recorded, e.g. to act while the "modal" box is up.
    std::function<void(const RecordedMessage &)> onMessage;
};

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2026, 3, 12), QTime(10, 30, 0)};
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

class FixedDisplay : public Display
{
public:
    QSize size() const override { return displaySize; }
    void showFullDisplay(QWidget *window) override;
    QSize displaySize{1200, 900};
};

class RecordingProcess : public ProcessControl
{
public:
    void quit(int exitCode) override { this->exitCode = exitCode; }
    std::optional<int> exitCode;
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

    Platform services() { return {&dialogs, &clock, &random, &printer, &driveA, &files, &display, &process}; }
};

} // namespace censaria
