#include "firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace {

class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(const QString &windowName)
        : QObject(qApp)
        , windowName_(windowName)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window()->objectName() == windowName_) {
            // Posted, so the rest of the window's children paint first; ahead of anything
            // else queued, such as work the program leaves until its window is painted.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
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
    QString windowName_;
};

} // namespace

void exitAfterFirstPaint(const QString &windowName)
{
    qApp->installEventFilter(new FirstPaintExit(windowName));
}
