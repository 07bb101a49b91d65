#include "pyramidwidgets.h"

#include "platform/twips.h"

#include <QPainter>
#include <QRegularExpression>

namespace censaria {

const QColor PyramidPicture::background(0, 128, 128);

PyramidPicture::PyramidPicture(QWidget *parent)
    : QWidget(parent)
    , widths_(barCount, 0.0)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PyramidPicture::setBarWidths(const QList<double> &widths)
{
    widths_ = widths;
    widths_.resize(barCount, 0.0);
    update();
}

int PyramidPicture::barTop(int bar)
{
    return bar < barCount - 1 ? 3360 - 195 * bar : 40;
}

QColor PyramidPicture::barColour(int bar)
{
    return bar % 2 == 0 ? QColor(0, 255, 255) : QColor(255, 0, 255);
}

QRectF PyramidPicture::barRect(int bar) const
{
    const double scale = Twips::scale();
    const double width = widths_.at(bar) * scale;
    return QRectF((this->width() - width) / 2, barTop(bar) * scale, width, barHeight * scale);
}

void PyramidPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int bar = 0; bar < barCount; ++bar) {
        const QRectF box = barRect(bar);
        if (box.width() <= 0)
            continue;
        painter.setPen(QPen(barColour(bar).darker(170), 1));
        painter.setBrush(barColour(bar));
        painter.drawRect(box);
    }
}

void StackedLabel::setLineCentres(const QList<double> &centres)
{
    centres_ = centres;
    update();
}

QStringList StackedLabel::lines() const
{
    static const QRegularExpression separator(QStringLiteral("\\n| {2,}"));
    QStringList items = text().split(separator, Qt::SkipEmptyParts);
    for (QString &item : items)
        item = item.trimmed();
    return items;
}

void StackedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (autoFillBackground())
        painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QStringList items = lines();
    const double lineHeight = fontMetrics().height();
    for (int i = 0; i < items.size() && i < centres_.size(); ++i)
        painter.drawText(QRectF(0, centres_.at(i) - lineHeight / 2, width(), lineHeight),
                         (alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, items.at(i));
}

} // namespace censaria
