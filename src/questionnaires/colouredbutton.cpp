#include "colouredbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace censaria {
namespace {

// A disabled button keeps a hint of its colour, washed out towards grey.
QColor faded(const QColor &fill)
{
    const QColor hsv = fill.toHsv();
    return QColor::fromHsv(hsv.hue(), hsv.saturation() / 4, std::min(255, hsv.value() + 10));
}

} // namespace

ColouredButton::ColouredButton(const QString &caption, const QColor &fill, QWidget *parent)
    : QPushButton(caption, parent)
{
    setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; border: 2px solid %2; border-radius: 4px; }"
                                 "QPushButton:hover { background: %3; }"
                                 "QPushButton:pressed { background: %2; }"
                                 "QPushButton:disabled { background: %4; color: #8a8a8a; border-color: #a0a0a0; }")
                      .arg(fill.name(), fill.darker(150).name(), fill.lighter(108).name(), faded(fill).name()));
    setCursor(Qt::PointingHandCursor);
    setProperty("wrapsCaption", true);
}

void ColouredButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const int margin = fontMetrics().averageCharWidth();
    painter.drawItemText(rect().adjusted(margin, 0, -margin, 0), Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace censaria
