#include "twips.h"

#include "typescale.h"

#include <QtMath>
#include <algorithm>

namespace censaria {

double Twips::scale_ = 1.0 / 15.0; // 96 dots per inch until a display is known

void Twips::setDisplay(const QSize &display)
{
    if (display.isEmpty())
        return;
    scale_ = std::min(double(display.width()) / designWidth, double(display.height()) / designHeight);
}

double Twips::scale() { return scale_; }

int Twips::px(int twips) { return qRound(twips * scale_); }

QRect Twips::rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QSize Twips::size(int width, int height) { return QSize(px(width), px(height)); }

QFont Twips::font(double points, bool bold, const QString &family)
{
    QFont f(family.isEmpty() ? QStringLiteral("Sans Serif") : family);
    if (family.isEmpty())
        f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(6, qRound(points * 20 * scale_ * TypeScale::factor()))); // 20 twips to the point
    f.setBold(bold);
    return f;
}

} // namespace censaria
