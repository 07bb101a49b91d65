#include "pyramidfigure.h"

#include "platform/figuredrawing.h"
#include "platform/numbers.h"
#include "pyramidmodel.h"

#include <QLocale>
#include <QPainter>

namespace censaria {
namespace {

const QColor ground(0, 128, 128);

QColor barColour(int ageClass)
{
    return ageClass % 2 == 1 ? QColor(0, 255, 255) : QColor(255, 0, 255);
}

QString share(const PyramidModel &model, int first, int last)
{
    qint64 sum = 0;
    for (int c = first; c <= last; ++c)
        sum += model.popclassi(c);
    return model.poptotale() > 0 ? numbers::percentText(100.0 * double(sum) / model.poptotale()) : QStringLiteral("—");
}

} // namespace

QString pyramidTitle(const PyramidModel &model)
{
    return QStringLiteral("Piramide della popolazione: %1 dopo %2 anni").arg(model.countryName(), model.yearsText());
}

void paintPyramid(QPainter &painter, const QRectF &area, const PyramidModel &model)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, ground);
    const QFont label = figureFont(area, 1.0, true);
    const QFont heading = figureFont(area, 1.3, true);
    const double line = QFontMetricsF(heading).height();
    const double pad = area.height() * 0.02;

    painter.setPen(Qt::white);
    painter.setFont(heading);
    painter.drawText(QRectF(area.left(), area.top() + pad, area.width(), line), Qt::AlignCenter,
                     QStringLiteral("%1 dopo %2 anni: %3 abitanti").arg(model.countryName(), model.yearsText(), model.totalText()));
    painter.setFont(label);
    const double footer = QFontMetricsF(label).height() * 1.4;
    painter.drawText(QRectF(area.left(), area.bottom() - footer - pad, area.width(), footer), Qt::AlignCenter,
                     QStringLiteral("0-14 anni: %1     15-64 anni: %2     65 anni e oltre: %3")
                         .arg(share(model, 1, 3), share(model, 4, 13), share(model, 14, 18)));

    // Eighteen rows, the youngest at the bottom, each age on the left of its bar; the
    // bars centred and as wide as the largest class lets them, so that the shape shows.
    const QRectF rows(area.left() + pad, area.top() + 2 * pad + line, area.width() - 2 * pad, area.height() - 4 * pad - line - footer);
    const double row = rows.height() / PyramidModel::classCount;
    const double ageWidth = QFontMetricsF(label).horizontalAdvance(QStringLiteral("85-90")) * 1.3;
    const QRectF bars = rows.adjusted(ageWidth, 0, -ageWidth, 0);
    qint32 largest = 1;
    for (int ageClass = 1; ageClass <= PyramidModel::classCount; ++ageClass)
        largest = std::max(largest, model.popclassi(ageClass));
    painter.setPen(QPen(QColor(0, 60, 60), figureLine(area)));
    for (int ageClass = 1; ageClass <= PyramidModel::classCount; ++ageClass) {
        const double top = rows.bottom() - ageClass * row;
        const double width = std::clamp(double(model.popclassi(ageClass)) / largest, 0.0, 1.0) * bars.width();
        if (width > 0) {
            painter.setBrush(barColour(ageClass));
            painter.drawRect(QRectF(bars.center().x() - width / 2, top + row * 0.08, width, row * 0.84));
        }
        painter.save();
        painter.setPen(Qt::white);
        painter.drawText(QRectF(rows.left(), top, ageWidth, row), Qt::AlignLeft | Qt::AlignVCenter, PyramidModel::classLabel(ageClass));
        painter.restore();
    }
    painter.restore();
}

} // namespace censaria
