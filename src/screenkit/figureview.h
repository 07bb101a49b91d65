#pragma once

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace censaria {
// Draws a figure into any rectangle: fonts and lines follow the rectangle's size.
using FigurePainter = std::function<void(QPainter &painter, const QRectF &area)>;
// Shows the figure alone on the whole display for the class, drawn at the display's resolution,
// with its title and a close button; Esc, a tap, a click or the button closes it.
QWidget *showFigureFullScreen(QWidget *from, const QString &title, FigurePainter paint);
}
