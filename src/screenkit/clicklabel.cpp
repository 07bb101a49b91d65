#include "clicklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace censaria {
namespace {

// Screen readers announce a label that acts as a button as a button, by its name, and
// can press it; one that only decorates stays a piece of text.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QAccessible::Role role() const override { return widget()->focusPolicy() == Qt::NoFocus ? QAccessible::StaticText : QAccessible::Button; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<ClickLabel *>(widget())->text().simplified();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList(); }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && role() == QAccessible::Button)
            static_cast<ClickLabel *>(widget())->click();
    }
};

QAccessibleInterface *clickLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("censaria::ClickLabel"))
        if (auto *label = qobject_cast<ClickLabel *>(object))
            return new ClickLabelAccessible(label);
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    static const bool announced = (QAccessible::installFactory(clickLabelAccessible), true);
    Q_UNUSED(announced);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // Tab only: a click must not take the focus from a field being typed in.
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered();
    QLabel::mouseMoveEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit clicked(); break;
    default: QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Without a button's face, a dashed frame in the text's colour shows the focus.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace censaria
