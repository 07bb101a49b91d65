#include "qtplatform.h"

#include "mediachoicedialog.h"
#include "twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace censaria {
namespace {

// Widths in twips, so that they follow the display as the type does.
constexpr int questionWidth = 6300;
constexpr int messageWidth = 7200;

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

// Qt keeps a message box as narrow as type of an ordinary size needs, a few hundred
// pixels: with type that follows a large display it would wrap every few words.
// After Qt has sized the box, a long text gets room for lines as long as on a monitor.
class DisplayMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest)
            widen();
        return handled;
    }
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        widen();
    }

private:
    void widen()
    {
        auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (widening_ || !label || !label->wordWrap() || !layout())
            return;
        widening_ = true;
        layout()->activate();
        const int around = width() - label->width();
        const int room = Twips::px(messageWidth) - around;
        const int lines = label->fontMetrics().boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, label->text()).width();
        if (lines + around > width())
            setFixedSize(lines + around, layout()->totalHeightForWidth(lines + around));
        widening_ = false;
    }

    bool widening_ = false;
};

} // namespace

QMessageBox *QtDialogs::makeMessageBox(const QString &text, const QString &title, MessageIcon icon, QWidget *parent)
{
    return new DisplayMessageBox(toQt(icon), title, text, QMessageBox::Ok, parent);
}

void QtDialogs::message(const QString &text, const QString &title, MessageIcon icon)
{
    std::unique_ptr<QMessageBox> box(makeMessageBox(text, title, icon, QApplication::activeWindow()));
    box->exec();
}

QInputDialog *QtDialogs::makeInputDialog(const QString &prompt, const QString &title, QWidget *parent)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setMinimumWidth(Twips::px(questionWidth));
    return dialog;
}

QString QtDialogs::input(const QString &prompt, const QString &title)
{
    std::unique_ptr<QInputDialog> dialog(makeInputDialog(prompt, title, QApplication::activeWindow()));
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : QString();
}

void QtDialogs::offerCompletions(QInputDialog *dialog, const QStringList &completions)
{
    auto *line = dialog->findChild<QLineEdit *>();
    if (!line || completions.isEmpty())
        return;
    auto *completer = new QCompleter(completions, dialog);
    // "mario" finds ROSSI MARIO: the surname need not come first in what is typed.
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(8);
    completer->popup()->setFont(dialog->font());
    line->setCompleter(completer);
}

QString QtDialogs::inputWithCompletions(const QString &prompt, const QString &title, const QStringList &completions)
{
    std::unique_ptr<QInputDialog> dialog(makeInputDialog(prompt, title, QApplication::activeWindow()));
    offerCompletions(dialog.get(), completions);
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : QString();
}

QString QtDialogs::password(const QString &prompt, const QString &title)
{
    std::unique_ptr<QInputDialog> dialog(makeInputDialog(prompt, title, QApplication::activeWindow()));
    dialog->setTextEchoMode(QLineEdit::Password);
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : QString();
}

int QtDialogs::choose(const QString &text, const QString &title, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, QApplication::activeWindow());
    QList<QAbstractButton *> added;
    for (int i = 0; i < buttons.size(); ++i)
        added.append(static_cast<QAbstractButton *>(
            box.addButton(buttons[i], i == buttons.size() - 1 ? QMessageBox::RejectRole : QMessageBox::AcceptRole)));
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

QStringList QtDialogs::openFiles(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), title, folder, filter);
}

QString QtDialogs::saveFile(const QString &title, const QString &path, const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, path, filter);
}

QtProgress::~QtProgress()
{
    delete dialog_;
}

void QtProgress::start(const QString &label, int maximum)
{
    delete dialog_;
    dialog_ = new QProgressDialog(label, QStringLiteral("Annulla"), 0, maximum, QApplication::activeWindow());
    dialog_->setWindowTitle(QStringLiteral("Censaria"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(1000);
    dialog_->setValue(0);
}

bool QtProgress::advance(int value)
{
    if (!dialog_)
        return true;
    dialog_->setValue(value);
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void QtProgress::finish()
{
    delete dialog_;
    dialog_ = nullptr;
}

QtPagePrinter::QtPagePrinter() = default;
QtPagePrinter::~QtPagePrinter() = default;

bool QtPagePrinter::available() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPagedPaintDevice *QtPagePrinter::beginDocument(const QString &name)
{
    if (!available())
        return nullptr;
    printer_ = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter().isNull() ? QPrinterInfo() : QPrinterInfo::defaultPrinter(),
                                          QPrinter::HighResolution);
    printer_->setDocName(name);
    aborted_ = false;
    return printer_.get();
}

void QtPagePrinter::abortDocument()
{
    // While the painter is still active, so that ending it sends nothing.
    if (!printer_)
        return;
    printer_->abort();
    aborted_ = true;
}

bool QtPagePrinter::endDocument()
{
    if (!printer_)
        return false;
    const bool ok = aborted_ || printer_->printerState() != QPrinter::Error;
    printer_.reset();
    return ok;
}

QString QtDialogs::chooseMedium(const QList<Medium> &media, const QString &title)
{
    MediaChoiceDialog dialog(media, title, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted ? dialog.chosenRoot() : QString();
}

void SystemClock::wait(int milliseconds)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    // Clicks and keys are held back, not lost: they arrive once the wait is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::restoreOverrideCursor();
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
