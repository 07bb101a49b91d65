#include "paintwatch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace censaria::bench {

PaintWatch::PaintWatch()
    : QObject(qApp)
{
    qApp->installEventFilter(this);
}

double PaintWatch::msUntilPainted(const QString &windowName, const std::function<void()> &action)
{
    // Paints still pending from earlier actions must not count for this one.
    QApplication::processEvents();
    painted_.clear();
    QElapsedTimer timer;
    timer.start();
    action();
    while (!painted_.contains(windowName)) {
        if (timer.elapsed() > 5000)
            return qInf();
        QApplication::processEvents();
    }
    // The window's widgets all paint within the processEvents() that saw the first one.
    return timer.nsecsElapsed() / 1e6;
}

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType())
        painted_.insert(static_cast<QWidget *>(watched)->window()->objectName());
    return false;
}

} // namespace censaria::bench
