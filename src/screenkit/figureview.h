#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace censaria {

// Draws a figure into any rectangle: fonts and lines follow the rectangle's size.
using FigurePainter = std::function<void(QPainter &painter, const QRectF &area)>;
// Shows the figure alone on the whole display for the class, drawn at the display's resolution,
// with its title and a close button; Esc, a tap, a click or the button closes it.
QWidget *showFigureFullScreen(QWidget *from, const QString &title, FigurePainter paint);

// Offers a figure of a screen full-screen: a button in its top right corner, a double
// click or a tap on it, and F11 while its screen is shown. The title and the drawing are
// asked for when it opens.
QPushButton *offerFullScreen(QWidget *figure, std::function<QString()> title, FigurePainter paint);
// F11 on a screen: the figure that has the focus, or else the first one shown, full-screen;
// false when the screen shows none.
bool openFullScreenFigure(QWidget *screen);

// A picture as a figure: whole, centred, as large as the area allows.
FigurePainter pictureFigure(const QImage &picture);

} // namespace censaria
