#include "touchgestures.h"

#include "platform/twips.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QTouchEvent>
#include <QWidget>
#include <cmath>

namespace censaria {

TouchGestures::TouchGestures(QWidget *widget)
    : QObject(widget)
    , widget_(widget)
{
    setObjectName(QStringLiteral("touchGestures"));
    widget->setAttribute(Qt::WA_AcceptTouchEvents);
    widget->installEventFilter(this);
}

TouchGestures *TouchGestures::of(QWidget *widget)
{
    if (auto *existing = widget->findChild<TouchGestures *>(QStringLiteral("touchGestures"), Qt::FindDirectChildrenOnly))
        return existing;
    return new TouchGestures(widget);
}

// About two thirds of an inch of the design, 9 cm on a 75-inch board.
int TouchGestures::swipeDistance()
{
    return std::max(24, Twips::px(900));
}
int TouchGestures::tapSlop()
{
    return std::max(8, Twips::px(150));
}

bool TouchGestures::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != widget_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::TouchBegin: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        start_ = last_ = touch->points().constFirst().position();
        dragged_ = false;
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        const QPointF at = touch->points().constFirst().position();
        const QPointF moved = at - start_;
        // Up or down more than sideways: the finger reads on down the text.
        if (std::abs(moved.y()) > std::abs(moved.x()) && std::abs(moved.y()) > tapSlop()) {
            scrollBy(at.y() - last_.y());
            dragged_ = true;
        }
        last_ = at;
        return true;
    }
    case QEvent::TouchEnd: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        const QPointF moved = touch->points().constFirst().position() - start_;
        if (!dragged_ && std::abs(moved.x()) >= swipeDistance() && std::abs(moved.x()) >= 2 * std::abs(moved.y()))
            emit swiped(moved.x() < 0 ? -1 : 1);
        else if (!dragged_ && std::hypot(moved.x(), moved.y()) < tapSlop())
            emit tapped();
        return true;
    }
    case QEvent::TouchCancel: dragged_ = true; return true;
    default: return QObject::eventFilter(watched, event);
    }
}

void TouchGestures::scrollBy(double dy)
{
    auto *area = widget_ ? qobject_cast<QAbstractScrollArea *>(widget_->parentWidget()) : nullptr;
    if (area && area->viewport() == widget_)
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() - int(std::lround(dy)));
}

} // namespace censaria
