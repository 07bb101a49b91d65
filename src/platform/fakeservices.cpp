#include "fakeservices.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

namespace censaria {

void ScriptedDialogs::message(const QString &text, const QString &title, MessageIcon icon)
{
    messages.append({text, title, icon});
    if (onMessage)
        onMessage(messages.last());
}

QString ScriptedDialogs::input(const QString &prompt, const QString &title)
{
    prompts.append(prompt);
    inputTitles.append(title);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString ScriptedDialogs::inputWithCompletions(const QString &prompt, const QString &title, const QStringList &completions)
{
    completionsOffered.append(completions);
    return input(prompt, title);
}

QString ScriptedDialogs::chooseMedium(const QList<Medium> &media, const QString &title)
{
    Q_UNUSED(title);
    mediaOffers.append(media);
    return mediumChoices.isEmpty() ? QString() : mediumChoices.takeFirst();
}

QList<Medium> FolderDrive::media() const
{
    QList<Medium> present;
    for (const QString &root : roots)
        if (QFileInfo(root).isDir())
            present.append({QDir::cleanPath(root), QDir(root).dirName()});
    return present;
}

QString ScriptedDialogs::password(const QString &prompt, const QString &)
{
    passwordPrompts.append(prompt);
    return passwords.isEmpty() ? QString() : passwords.takeFirst();
}

int ScriptedDialogs::choose(const QString &text, const QString &, const QStringList &)
{
    choiceTexts.append(text);
    return choices.isEmpty() ? -1 : choices.takeFirst();
}

QStringList ScriptedDialogs::openFiles(const QString &, const QString &folder, const QString &)
{
    openFolders.append(folder);
    return fileChoices.isEmpty() ? QStringList() : fileChoices.takeFirst();
}

QString ScriptedDialogs::saveFile(const QString &, const QString &path, const QString &)
{
    suggestedSavePaths.append(path);
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

void RecordingProgress::start(const QString &label, int)
{
    labels.append(label);
    running = true;
}

bool RecordingProgress::advance(int value)
{
    steps.append(value);
    return cancelAt < 0 || value < cancelAt;
}

struct PdfPagePrinter::Job
{
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    bool aborted = false;
};

PdfPagePrinter::PdfPagePrinter() = default;
PdfPagePrinter::~PdfPagePrinter() = default;

QPagedPaintDevice *PdfPagePrinter::beginDocument(const QString &name)
{
    if (!present)
        return nullptr;
    job_ = std::make_unique<Job>();
    job_->buffer.open(QIODevice::WriteOnly);
    job_->writer.setTitle(name);
    return &job_->writer;
}

void PdfPagePrinter::abortDocument()
{
    if (job_)
        job_->aborted = true;
}

bool PdfPagePrinter::endDocument()
{
    if (!job_)
        return false;
    if (job_->aborted)
        ++aborted;
    else
        documents.append(job_->buffer.data());
    job_.reset();
    return true;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const RecordedMessage &m : messages)
        texts.append(m.text);
    return texts;
}

bool RecordingFileCopier::copy(const QString &from, const QString &to)
{
    copies.append({from, to});
    return !fail && QFile::copy(from, to);
}

} // namespace censaria
