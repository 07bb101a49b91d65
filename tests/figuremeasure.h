#pragma once

// Measures what a painter draws: the height of every text (its type's em, in the
// device's pixels) and the room it takes, and the place of every picture, on a device
// of any size that draws nothing. A widget is measured with widget->render(&device).
#include <QFontMetricsF>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>
#include <QTransform>
#include <cmath>

namespace censaria::figuretest {

class MeasuringDevice : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        double pixels;
        QRectF room;
    };

    explicit MeasuringDevice(const QSize &size, int dpi = 96)
        : size_(size)
        , dpi_(dpi)
        , engine_(*this)
    {
    }

    QPaintEngine *paintEngine() const override { return &engine_; }

    QList<Text> texts;
    QList<QRectF> pictures;

    // The smallest text drawn, and what it says.
    Text smallest() const
    {
        Text found{QString(), 1e9, QRectF()};
        for (const Text &t : texts)
            if (!t.text.trimmed().isEmpty() && t.pixels < found.pixels)
                found = t;
        return found;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return qRound(size_.width() * 25.4 / dpi_);
        case PdmHeightMM: return qRound(size_.height() * 25.4 / dpi_);
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(MeasuringDevice &device)
            : QPaintEngine(QPaintEngine::AllFeatures)
            , device_(device)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & QPaintEngine::DirtyTransform)
                transform_ = state.transform();
        }
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            const QFont font = item.font();
            const double em = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device_.dpi_ / 72.0;
            const double scale = QLineF(transform_.map(QPointF(0, 0)), transform_.map(QPointF(0, 1))).length();
            const QFontMetricsF metrics(font);
            const QRectF room(p.x(), p.y() - metrics.ascent(), metrics.horizontalAdvance(item.text()), metrics.height());
            device_.texts.append({item.text(), em * scale, transform_.mapRect(room)});
        }
        void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override { device_.pictures.append(transform_.mapRect(r)); }
        void drawImage(const QRectF &r, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
        {
            device_.pictures.append(transform_.mapRect(r));
        }
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}

    private:
        MeasuringDevice &device_;
        QTransform transform_;
    };

    QSize size_;
    int dpi_;
    mutable Engine engine_;
};

} // namespace censaria::figuretest
