#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QWidget;

namespace censaria {

// What a finger does on a widget of a touch display: a tap, or a swipe to the left or
// the right (a page forward or back). An up or down drag scrolls the widget's scroll
// area, when it is the view of one. The mouse is left alone.
class TouchGestures : public QObject
{
    Q_OBJECT
public:
    // The one recogniser of the widget, made on first use.
    static TouchGestures *of(QWidget *widget);

    // A swipe goes at least this far sideways, in pixels of this display, and twice as far
    // sideways as up or down; a tap moves less than tapSlop.
    static int swipeDistance();
    static int tapSlop();

signals:
    void tapped();
    // direction: -1 for a swipe to the left (the next page), +1 to the right.
    void swiped(int direction);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TouchGestures(QWidget *widget);
    void scrollBy(double dy);

    QPointer<QWidget> widget_;
    QPointF start_;
    QPointF last_;
    bool dragged_ = false;
};

} // namespace censaria
