#include "displayscale.h"

#include "platform/twips.h"

#include <QApplication>
#include <QImage>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
#include <QtMath>

namespace censaria {
namespace {

constexpr double designDpi = 96;

// The base style draws arrows and sizes the parts of lists and scroll bars for a
// density in dots per inch. A copy of an option that tells of the density at which
// those parts follow the display; its type has its size in pixels, which no density
// changes.
template <typename Option>
Option atDisplayDensity(const Option &option, const QWidget *widget)
{
    QImage device(1, 1, QImage::Format_ARGB32);
    const int dotsPerMetre = qRound(designDpi * Twips::styleScale() / 0.0254);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    Option copy = option;
    copy.fontMetrics = QFontMetrics(widget ? widget->font() : QApplication::font(), &device);
    return copy;
}

// The application's own style with its sizes taken from the display instead of the
// display's dots per inch: a classroom panel of 3840 x 2160 gets tick boxes, list
// arrows and scroll bars as large, against the display, as a monitor of 1280 x 960.
class ScaledStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        return scales(metric) ? qRound(size * Twips::styleScale() * designDpi / dpiOf(option)) : size;
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part, const QWidget *widget) const override
    {
        if (const auto *combo = comboBox(control, option)) {
            const QStyleOptionComboBox dense = atDisplayDensity(*combo, widget);
            return QProxyStyle::subControlRect(control, &dense, part, widget);
        }
        if (const auto *bar = scrollBar(control, option)) {
            const QStyleOptionSlider dense = atDisplayDensity(*bar, widget);
            return QProxyStyle::subControlRect(control, &dense, part, widget);
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const override
    {
        if (const auto *combo = comboBox(control, option)) {
            const QStyleOptionComboBox dense = atDisplayDensity(*combo, widget);
            QProxyStyle::drawComplexControl(control, &dense, painter, widget);
        } else if (const auto *bar = scrollBar(control, option)) {
            const QStyleOptionSlider dense = atDisplayDensity(*bar, widget);
            QProxyStyle::drawComplexControl(control, &dense, painter, widget);
        } else {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override
    {
        const bool arrow = element == PE_IndicatorArrowDown || element == PE_IndicatorArrowUp || element == PE_IndicatorArrowLeft
                           || element == PE_IndicatorArrowRight;
        if (arrow && option) {
            const QStyleOption dense = atDisplayDensity(*option, widget);
            QProxyStyle::drawPrimitive(element, &dense, painter, widget);
        } else {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

private:
    static const QStyleOptionComboBox *comboBox(ComplexControl control, const QStyleOptionComplex *option)
    {
        return control == CC_ComboBox ? qstyleoption_cast<const QStyleOptionComboBox *>(option) : nullptr;
    }
    static const QStyleOptionSlider *scrollBar(ComplexControl control, const QStyleOptionComplex *option)
    {
        return control == CC_ScrollBar ? qstyleoption_cast<const QStyleOptionSlider *>(option) : nullptr;
    }

    static bool scales(PixelMetric metric)
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarItemSpacing:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_ButtonMargin:
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
        case PM_MessageBoxIconSize:
        case PM_SmallIconSize:
        case PM_ButtonIconSize:
        case PM_HeaderMargin:
        case PM_HeaderDefaultSectionSizeHorizontal:
        case PM_HeaderDefaultSectionSizeVertical: return true;
        default: return false;
        }
    }

    // The dots per inch the base style sizes its parts for.
    static double dpiOf(const QStyleOption *option)
    {
        if (option)
            return option->fontMetrics.fontDpi();
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->logicalDotsPerInchY() : designDpi;
    }
};

} // namespace

void applyDisplayScale(const QSize &display)
{
    Twips::setDisplay(display);
    if (!dynamic_cast<ScaledStyle *>(QApplication::style()))
        QApplication::setStyle(new ScaledStyle);
    QApplication::setFont(Twips::font(9));
}

} // namespace censaria
