#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

namespace censaria::bench {

// Notices which top-level windows have painted, so a benchmark can time an action up
// to the moment its result is on the screen.
class PaintWatch : public QObject
{
public:
    PaintWatch();

    // Milliseconds from the start of action until the window named windowName (a form
    // name) has painted; infinite if it does not paint within five seconds.
    double msUntilPainted(const QString &windowName, const std::function<void()> &action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSet<QString> painted_;
};

} // namespace censaria::bench
