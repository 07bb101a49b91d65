#include "firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace {

class FirstPaintExit : public QObject
{
public:
    FirstPaintExit(const QString &name, bool whole)
        : QObject(qApp)
        , name_(name)
        , whole_(whole)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const auto *widget = static_cast<QWidget *>(watched);
        if (whole_ && widget->window()->objectName() == name_) {
            // Posted, so the rest of the window's children paint first; ahead of anything
            // else queued, such as work the program leaves until its window is painted.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        } else if (!whole_ && widget->objectName() == name_) {
            // Behind everything queued by then, as a click would be.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
        }
        return false;
    }
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            std::_Exit(0);
        return QObject::event(event);
    }

private:
    QString name_;
    bool whole_;
};

} // namespace

void exitAfterFirstPaint(const QString &windowName)
{
    qApp->installEventFilter(new FirstPaintExit(windowName, true));
}

void exitWhenAnswering(const QString &controlName)
{
    qApp->installEventFilter(new FirstPaintExit(controlName, false));
}
