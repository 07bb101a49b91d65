#pragma once

#include <QLabel>

namespace censaria {

// A label used as a button: it reports clicks and the mouse moving over it. Like a
// button it can be reached with Tab and pressed with Space or Enter.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // Clicks from code, as a test or another screen presses it.
    void click() { emit clicked(); }

signals:
    void clicked();
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace censaria
