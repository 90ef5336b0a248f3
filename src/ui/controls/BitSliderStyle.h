#pragma once

#include <QProxyStyle>

namespace hx {

// Slider metrics for CBitSlider: a five-pixel thumb rectangle travelling over a channel that
// starts five pixels in, so that the owner's offset rule centres the 15-pixel thumb image on it
// and the image spans exactly the 220-pixel channel. A press anywhere on the drawn thumb image
// grabs the thumb.
class BitSliderStyle final : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& pos, const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

} // namespace hx
