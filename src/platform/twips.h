#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace censaria {

// Screens are designed in twips (1440 per inch) on a page of about 12000 x 9000.
// One scale factor, taken from the display, maps that design onto the screen in use.
class Twips
{
public:
    static constexpr int designWidth = 12000;
    static constexpr int designHeight = 9000;

    static void setDisplay(const QSize &display);
    static double scale(); // pixels per twip

    static int px(int twips);
    static QRect rect(int left, int top, int width, int height);
    static QSize size(int width, int height);
    // A font whose size in points follows the same scale as the controls.
    static QFont font(double points, bool bold = false, const QString &family = QString());

private:
    static double scale_;
};

} // namespace censaria
