#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QTextDocument;

namespace censaria {

// Screens are designed in twips (1440 per inch) on a page of about 12000 x 9000.
// One scale factor, taken from the display, maps that design onto the screen in use;
// every size the program shows (controls, type, Qt's own parts, lesson texts) goes
// through it, so a further factor needs multiplying in here only.
class Twips
{
public:
    static constexpr int designWidth = 12000;
    static constexpr int designHeight = 9000;

    static void setDisplay(const QSize &display);
    static double scale(); // pixels per twip
    // Display pixels for one pixel of a design at 96 dots per inch: what Qt's style
    // parts and a rich text read at 96 dots per inch are multiplied by.
    static double styleScale();

    static int px(int twips);
    static QRect rect(int left, int top, int width, int height);
    static QSize size(int width, int height);
    // A font whose size in points follows the same scale as the controls.
    static QFont font(double points, bool bold = false, const QString &family = QString());
    static int fontPixels(double points);

    // Sizes a rich text read at 96 dots per inch (type in points, lengths in pixels)
    // for this display, as the controls around it are.
    static void scaleDocument(QTextDocument *document);

private:
    static double scale_;
};

} // namespace censaria
