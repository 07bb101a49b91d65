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
            // Queued, so the rest of the window's children paint first.
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString windowName_;
};

} // namespace

void exitAfterFirstPaint(const QString &windowName)
{
    qApp->installEventFilter(new FirstPaintExit(windowName));
}
