#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The sizes of a figure's type and lines, taken from the area it is drawn in, so that
// the same figure reads as well on the page as full screen on a whiteboard.
namespace censaria::populations {

class FigureType
{
public:
    // The smallest text is this share of the area's height, unless the area is so
    // narrow that widthShare of its width is less.
    static constexpr double textShare = 1.0 / 34;
    static constexpr double widthShare = 1.0 / 60;

    FigureType(const QRectF &area, const QFont &base);

    double text() const { return text_; }
    double heading() const { return text_ * 1.3; }
    double year() const { return text_ * 2.4; }
    double line() const { return std::max(1.0, text_ / 12); }
    QFont font(double pixels, bool bold = false) const;

private:
    double text_;
    QFont base_;
};

// Text within a rectangle in the font and colour given.
void drawText(QPainter &painter, const QRectF &rect, int flags, const QString &text, const QFont &font, const QColor &colour);

// The colours the figures share.
namespace figureColours {
inline const QColor males{44, 110, 170};
inline const QColor females{200, 70, 96};
inline const QColor ink{30, 38, 48};
inline const QColor faint{110, 120, 130};
inline const QColor grid{214, 220, 226};
inline const QColor firstPanel{22, 140, 118};
inline const QColor secondPanel{196, 98, 28};
inline const QColor projectionGround{242, 244, 247};
} // namespace figureColours

} // namespace censaria::populations
