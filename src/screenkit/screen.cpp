#include "screen.h"

#include "module.h"
#include "navigation.h"
#include "platform/twips.h"

#include "clicklabel.h"
#include "figureview.h"
#include "focusring.h"

#include <QAbstractButton>
#include <QBackingStore>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

namespace censaria {

Screen::Screen(Module &module, const QString &formName)
    : QWidget(nullptr)
    , module_(module)
    , canvas_(new QWidget(this))
    , focusRing_(new FocusRing(this))
{
    setObjectName(formName);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->resize(Twips::size(Twips::designWidth, Twips::designHeight));
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    canvas_->move(std::max(0, (width() - canvas_->width()) / 2), std::max(0, (height() - canvas_->height()) / 2));
    focusRing_->place();
}

// A hidden screen gives back the picture of itself that the window system keeps (a
// whole display's worth of pixels, 33 MB on a 4K panel): it is painted anew whenever
// it is shown, and Qt sizes the picture again before it paints.
void Screen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (QBackingStore *store = backingStore())
        store->resize(QSize(1, 1));
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        escape();
        return;
    }
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier && openFullScreenFigure(this))
        return;
    // Enter presses the button with the focus, as Space does: a button lets it pass on
    // here unless it is a dialog's default, and keyboard users from Windows press Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()); button && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Screen::submitOnEnter(const QList<QLineEdit *> &boxes, QAbstractButton *button)
{
    for (QLineEdit *box : boxes)
        connect(box, &QLineEdit::returnPressed, button, [button] {
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
}

void Screen::showScreen()
{
    module_.platform().display->showFullDisplay(this);
    fitTexts();
    raise();
    activateWindow();
    if (focusOnOpen_ && focusOnOpen_->isEnabled())
        focusOnOpen_->setFocus(Qt::OtherFocusReason);
    focusRing_->follow(focusWidget());
}

void Screen::setBackground(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Screen::setKeyboardOrder(const QList<QWidget *> &controls, QWidget *focusOnOpen)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    focusOnOpen_ = focusOnOpen;
}

namespace {

bool labelFits(const QLabel *label)
{
    const QRect room = label->contentsRect().adjusted(0, 0, -std::max(0, label->indent()), 0);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label->fontMetrics().boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)), flags, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// A caption on one line, or on several for buttons that wrap theirs ("wrapsCaption").
bool buttonFits(const QAbstractButton *button)
{
    const int pad = button->fontMetrics().averageCharWidth();
    const QRect room = button->rect().adjusted(pad, 2, -pad, -2);
    const int flags = Qt::AlignCenter | (button->property("wrapsCaption").toBool() ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QRect needed = button->fontMetrics().boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)), flags, button->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

template <typename Control, typename Fits>
void shrinkUntil(Control *control, Fits fits)
{
    QFont font = control->font();
    while (font.pixelSize() > 6 && !fits(control)) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
}

} // namespace

void Screen::fitTexts()
{
    for (QLabel *label : canvas_->findChildren<QLabel *>()) {
        // Labels of their own kind (cut, stacked) draw their text as they mean to.
        const bool plain = label->metaObject() == &QLabel::staticMetaObject || qobject_cast<ClickLabel *>(label);
        if (plain && !label->text().isEmpty() && label->pixmap().isNull())
            shrinkUntil(label, labelFits);
    }
    for (QAbstractButton *box : canvas_->findChildren<QAbstractButton *>())
        if (qobject_cast<QCheckBox *>(box) || qobject_cast<QRadioButton *>(box))
            shrinkUntil(box, [](QAbstractButton *b) { return b->sizeHint().width() <= b->width(); });
        else if (qobject_cast<QPushButton *>(box) && !box->text().isEmpty())
            shrinkUntil(box, buttonFits);
    // The drop-down's text beside its arrow.
    for (QComboBox *combo : canvas_->findChildren<QComboBox *>())
        shrinkUntil(combo, [](QComboBox *c) { return c->fontMetrics().horizontalAdvance(c->currentText()) <= c->width() - c->height(); });
}

QList<QWidget *> Screen::controls(const QStringList &names) const
{
    QList<QWidget *> found;
    for (const QString &name : names) {
        QWidget *control = canvas_->findChild<QWidget *>(name);
        Q_ASSERT_X(control, "Screen::controls", qPrintable(name));
        if (control)
            found.append(control);
    }
    return found;
}

void Screen::goBack()
{
    module_.navigation().back(this);
}
void Screen::goToMenu()
{
    module_.navigation().toMenu(this);
}
void Screen::exitProgram()
{
    module_.exitProgram();
}
void Screen::openResults()
{
    module_.navigation().openResults(this);
}

} // namespace censaria
