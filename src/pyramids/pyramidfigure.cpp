#include "pyramidfigure.h"

#include "platform/figuredrawing.h"
#include "platform/numbers.h"
#include "pyramidmodel.h"

#include <QLocale>
#include <QPainter>

namespace censaria {
namespace {

const QColor ground(0, 128, 128);
constexpr double pictureWidthTwips = 7335; // the screen's picture box, which bars are measured against

QColor barColour(int ageClass)
{
    return ageClass % 2 == 1 ? QColor(0, 255, 255) : QColor(255, 0, 255);
}

QString share(const PyramidModel &model, int first, int last)
{
    qint64 sum = 0;
    for (int c = first; c <= last; ++c)
        sum += model.persons(c);
    return model.total() > 0 ? numbers::italian().toString(100.0 * double(sum) / model.total(), 'f', 1) + u'%' : QStringLiteral("—");
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

    // Eighteen rows, the youngest at the bottom; each bar centred, its age over its middle.
    const QRectF bars(area.left(), area.top() + 2 * pad + line, area.width(), area.height() - 4 * pad - line - footer);
    const double row = bars.height() / PyramidModel::classCount;
    const QFontMetricsF metrics(label);
    const double pillWidth = metrics.horizontalAdvance(QStringLiteral("85-90")) * 1.4;
    painter.setPen(QPen(QColor(0, 60, 60), figureLine(area)));
    for (int ageClass = 1; ageClass <= PyramidModel::classCount; ++ageClass) {
        const double top = bars.bottom() - ageClass * row;
        const double width = std::clamp(model.barWidth(ageClass) / pictureWidthTwips, 0.0, 1.0) * bars.width();
        if (width > 0) {
            painter.setBrush(barColour(ageClass));
            painter.drawRect(QRectF(bars.center().x() - width / 2, top + row * 0.08, width, row * 0.84));
        }
    }
    painter.setPen(Qt::NoPen);
    for (int ageClass = 1; ageClass <= PyramidModel::classCount; ++ageClass) {
        const QRectF pill(bars.center().x() - pillWidth / 2, bars.bottom() - ageClass * row + row * 0.1, pillWidth, row * 0.8);
        painter.setBrush(QColor(255, 255, 255, 215));
        painter.drawRoundedRect(pill, pill.height() / 3, pill.height() / 3);
        painter.setPen(Qt::black);
        painter.drawText(pill, Qt::AlignCenter, PyramidModel::classLabel(ageClass));
        painter.setPen(Qt::NoPen);
    }
    painter.restore();
}

} // namespace censaria
