#include "buttonstyle.h"

#include "platform/twips.h"

namespace censaria {

QString filledButtonStyle(const QColor &colour, const QColor &disabled, int radiusTwips)
{
    return QStringLiteral("QPushButton { background: %1; color: white; border: 2px solid %2; border-radius: %3px; padding: 2px 6px; }"
                          "QPushButton:hover { background: %4; }"
                          "QPushButton:pressed { background: %2; }"
                          "QPushButton:disabled { background: %5; color: %6; border-color: %7; }")
        .arg(colour.name(), colour.darker(140).name(), QString::number(Twips::px(radiusTwips)), colour.lighter(118).name(),
             disabled.name(), disabled.lighter(135).name(), disabled.darker(120).name());
}

} // namespace censaria
