#include "focusring.h"

#include "platform/twips.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace censaria {

const QColor FocusRing::outer(255, 210, 0);
const QColor FocusRing::inner(0, 0, 0);

FocusRing::FocusRing(QWidget *screen)
    : QWidget(screen)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

int FocusRing::thickness()
{
    return std::max(4, Twips::px(50));
}

void FocusRing::follow(QWidget *focused)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = focused && parentWidget()->isAncestorOf(focused) ? focused : nullptr;
    if (target_)
        target_->installEventFilter(this);
    place();
}

void FocusRing::place()
{
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const int t = thickness();
    const QPoint topLeft = target_->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(topLeft, target_->size()).adjusted(-t, -t, t, t));
    show();
    raise();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide: place(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int t = thickness();
    const int half = t / 2;
    painter.setPen(Qt::NoPen);
    // Outer band yellow, inner band black, each half the thickness.
    QPainterPath band;
    band.addRect(rect());
    band.addRect(rect().adjusted(half, half, -half, -half));
    painter.fillPath(band, outer);
    QPainterPath innerBand;
    innerBand.addRect(rect().adjusted(half, half, -half, -half));
    innerBand.addRect(rect().adjusted(t, t, -t, -t));
    painter.fillPath(innerBand, inner);
}

} // namespace censaria
