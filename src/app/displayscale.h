#pragma once

#include <QSize>

namespace censaria {

// Makes everything the program shows follow the display by the one twips factor:
// the screens' own sizes (through Twips), the type of every widget and dialog that
// sets none of its own, and the parts Qt's style draws (tick boxes, option buttons,
// list arrows, scroll bars, menus, dialog margins and buttons).
void applyDisplayScale(const QSize &display);

} // namespace censaria
