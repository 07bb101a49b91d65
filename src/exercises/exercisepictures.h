#pragma once

#include <QColor>
#include <QPixmap>

namespace censaria::pictures {

// Decorative pictures of the exercise screens, drawn to the size they are shown at.

// Rows of little people on a sky, a few of them in the accent colour.
QPixmap crowd(QSize size, const QColor &accent);
// A region with people arriving from the left and leaving to the right.
QPixmap migration(QSize size);

} // namespace censaria::pictures
