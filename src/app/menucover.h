#pragma once

#include <QImage>
#include <QSize>

namespace censaria::menucover {

// The main menu as it last looked on this display, kept in the account's cache. At
// start-up it is on the display at once, while the menu's own controls wait for the
// system's fonts to be read (most of a start's time); the controls then take its place,
// pixel for pixel the same.

// The picture kept for a menu over a display of this size; null when there is none, or
// when the program, Qt, the fonts, the display or the size of the type have changed
// since it was kept.
QImage read(const QSize &display);

// Keeps the picture of the menu over the whole display, as QWidget::grab gives it, for
// the next start.
void keep(const QImage &picture, const QSize &display);

} // namespace censaria::menucover
