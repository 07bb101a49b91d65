#pragma once

// A paint device that keeps, instead of pixels, every piece of text drawn on it: its
// words, its type's height in pixels and the room it takes, so that a test can measure
// what a figure writes at a given size.
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QTextItem>

struct RecordedText
{
    QString text;
    double pixels = 0;
    QRectF room;
};

class TextRecorder : public QPaintDevice
{
public:
    explicit TextRecorder(const QSize &size)
        : size_(size)
        , engine_(this)
    {
    }

    QList<RecordedText> texts;

    QPaintEngine *paintEngine() const override { return &engine_; }

    double smallest() const
    {
        double least = 1e9;
        for (const RecordedText &t : texts)
            least = std::min(least, t.pixels);
        return least;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(TextRecorder *device)
            : QPaintEngine(AllFeatures)
            , device_(device)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                transform_ = state.transform();
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            const QFontMetricsF metrics(item.font());
            const QRectF room(p.x(), p.y() - metrics.ascent(), metrics.horizontalAdvance(item.text()), metrics.height());
            device_->texts.append({item.text(), double(item.font().pixelSize()), transform_.mapRect(room)});
        }
        Type type() const override { return User; }

    private:
        TextRecorder *device_;
        QTransform transform_;
    };

    QSize size_;
    mutable Engine engine_;
};
