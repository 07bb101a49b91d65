#pragma once

#include <QPointer>
#include <QWidget>

namespace censaria {

// A thick ring, yellow outside and black inside, drawn over the control that has the
// keyboard focus: one of the two colours stands out on any ground, where a style's own
// focus frame is a faint dotted line or a change of shade.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    static const QColor outer;
    static const QColor inner;

    explicit FocusRing(QWidget *screen);

    QWidget *target() const { return target_; }
    // The ring's thickness in pixels on this display.
    static int thickness();

    // Follows the focus to a control of this screen; hides when the focus leaves it.
    void follow(QWidget *focused);
    // Places the ring again around its control, after the screen moved its controls.
    void place();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> target_;
};

} // namespace censaria
