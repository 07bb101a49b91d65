#include "figuretype.h"

#include <QPainter>

namespace censaria::populations {

FigureType::FigureType(const QRectF &area, const QFont &base)
    : text_(std::max(9.0, std::min(area.height() * textShare, area.width() * widthShare)))
    , base_(base)
{
}

QFont FigureType::font(double pixels, bool bold) const
{
    QFont f = base_;
    f.setPixelSize(std::max(1, qRound(pixels)));
    f.setBold(bold);
    return f;
}

void drawText(QPainter &painter, const QRectF &rect, int flags, const QString &text, const QFont &font, const QColor &colour)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

} // namespace censaria::populations
