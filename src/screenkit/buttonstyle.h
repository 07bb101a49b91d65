#pragma once

#include <QColor>
#include <QString>

namespace censaria {

// A filled, rounded push button in one colour with white text, lighter under the
// mouse; when disabled it takes the given grey, which each screen matches to its
// background.
QString filledButtonStyle(const QColor &colour, const QColor &disabled = QColor(154, 161, 171), int radiusTwips = 90);

} // namespace censaria
