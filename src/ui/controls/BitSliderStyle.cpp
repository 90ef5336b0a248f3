#include "ui/controls/BitSliderStyle.h"

#include "ui/controls/BitSliderModel.h"

#include <QStyleOptionSlider>

namespace hx {

QRect BitSliderStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                     SubControl sub, const QWidget* widget) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || slider == nullptr || slider->orientation != Qt::Horizontal) {
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
    const int height = slider->rect.height();
    switch (sub) {
    case SC_SliderGroove:
        return {kStyleGrooveLeft, 0, kStyleGrooveWidth, height};
    case SC_SliderHandle: {
        const int offset = ThumbTravelPosition(slider->minimum, slider->maximum,
                                               slider->sliderPosition, kStyleThumbTravel);
        return {kStyleGrooveLeft + offset, 0, kStyleThumbLength, height};
    }
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

QStyle::SubControl BitSliderStyle::hitTestComplexControl(ComplexControl control,
                                                         const QStyleOptionComplex* option,
                                                         const QPoint& pos,
                                                         const QWidget* widget) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || slider == nullptr || slider->orientation != Qt::Horizontal) {
        return QProxyStyle::hitTestComplexControl(control, option, pos, widget);
    }
    const QRect handle = subControlRect(control, option, SC_SliderHandle, widget);
    const ThumbOffset thumb = ThumbOffsetFromRect(handle.left(), handle.left() + handle.width());
    const QRect image(thumb.x, thumb.y + 1, kThumbImageWidth, kThumbImageHeight);
    if (image.contains(pos)) {
        return SC_SliderHandle;
    }
    if (slider->rect.contains(pos)) {
        return SC_SliderGroove;
    }
    return SC_None;
}

int BitSliderStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    if (metric == PM_SliderLength) {
        return kStyleThumbLength;
    }
    if (metric == PM_SliderThickness || metric == PM_SliderControlThickness) {
        return kSliderHeight;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace hx
