#include "fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

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

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const RecordedMessage &m : messages)
        texts.append(m.text);
    return texts;
}

void FixedDisplay::showFullDisplay(QWidget *window)
{
    window->setGeometry(QRect(QPoint(0, 0), displaySize));
    window->show();
}

bool RecordingFileCopier::copy(const QString &from, const QString &to)
{
    copies.append({from, to});
    return !fail && QFile::copy(from, to);
}

} // namespace censaria
