#pragma once

#include <QPushButton>

namespace censaria {

// A push button filled with one colour whose caption wraps onto more lines when the
// button is too narrow for it, as tall buttons of the designs expect.
class ColouredButton : public QPushButton
{
    Q_OBJECT
public:
    ColouredButton(const QString &caption, const QColor &fill, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace censaria
