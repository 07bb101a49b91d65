#include "buttonstyle.h"

#include "platform/twips.h"

#include <cmath>

namespace censaria {

namespace {

double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The colour, darkened just enough for white text to stand out 4.5:1 (WCAG AA).
QColor underWhiteText(QColor colour)
{
    while (1.05 / (luminance(colour) + 0.05) < 4.5)
        colour = colour.darker(104);
    return colour;
}

} // namespace

QString filledButtonStyle(const QColor &wanted, const QColor &disabled, int radiusTwips)
{
    const QColor colour = underWhiteText(wanted);
    return QStringLiteral("QPushButton { background: %1; color: white; border: 2px solid %2; border-radius: %3px; padding: 2px 6px; }"
                          "QPushButton:hover { background: %4; }"
                          "QPushButton:pressed { background: %2; }"
                          "QPushButton:disabled { background: %5; color: %6; border-color: %7; }")
        .arg(colour.name(), colour.darker(140).name(), QString::number(Twips::px(radiusTwips)), underWhiteText(colour.lighter(118)).name(),
             disabled.name(), disabled.lighter(135).name(), disabled.darker(120).name());
}

} // namespace censaria
