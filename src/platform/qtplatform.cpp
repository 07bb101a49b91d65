#include "qtplatform.h"

#include "mediachoicedialog.h"
#include "removablemedia.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <memory>

namespace censaria {
namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::message(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QInputDialog *QtDialogs::makeInputDialog(const QString &prompt, const QString &title, QWidget *parent)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setMinimumWidth(420);
    return dialog;
}

QString QtDialogs::input(const QString &prompt, const QString &title)
{
    std::unique_ptr<QInputDialog> dialog(makeInputDialog(prompt, title, QApplication::activeWindow()));
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : QString();
}

QString QtDialogs::chooseMedium(const QList<Medium> &media, const QString &title)
{
    MediaChoiceDialog dialog(media, title, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.chosenRoot() : QString();
}

QList<Medium> MountedMedia::media() const
{
#ifdef Q_OS_WIN
    const VolumeNaming naming = VolumeNaming::DriveLetters;
#else
    const VolumeNaming naming = VolumeNaming::MountPoints;
#endif
    return removableMedia(mountedVolumes(), ownVolumes(), naming);
}

bool QtFileCopier::copy(const QString &from, const QString &to)
{
    return QFile::copy(from, to);
}

QSize ScreenDisplay::size() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void ScreenDisplay::showFullDisplay(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->geometry());
    window->showFullScreen();
}

void EventLoopExit::quit(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

} // namespace censaria
