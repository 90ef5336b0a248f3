#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"
#include "ui/controls/WindowMessages.h"

#include <array>
#include <optional>

namespace hx {

inline constexpr int kSpeedSliderId = 1007;
inline constexpr int kBrightnessSliderId = 1017;
inline constexpr int kReportRateSliderId = 1010;

// The channel bitmaps set the slider's size; the thumb image is drawn 15 by 14.
inline constexpr int kSliderWidth = 220;
inline constexpr int kSliderHeight = 17;
inline constexpr int kThumbImageWidth = 15;
inline constexpr int kThumbImageHeight = 14;
inline constexpr int kReportRateThumbMaxX = 205;

// The thumb rectangle our slider style reports. The offset rule below puts the thumb image
// (tx = left + (15 - w) / 2 - 10) five pixels left of the rectangle, so a five-pixel rectangle
// is centred under the image and the image travels exactly over the 220-pixel channel.
inline constexpr int kStyleThumbLength = 5;
inline constexpr int kStyleGrooveLeft = 5;
inline constexpr int kStyleThumbTravel = kSliderWidth - kThumbImageWidth; // 205
inline constexpr int kStyleGrooveWidth = kStyleThumbTravel + kStyleThumbLength;

// Where the owner draws the thumb image, relative to the slider's top-left corner.
struct ThumbOffset {
    int x = 0;
    int y = 0;
    friend bool operator==(const ThumbOffset&, const ThumbOffset&) = default;
};

// The offset rule, from the thumb rectangle's left and right (right exclusive).
constexpr ThumbOffset ThumbOffsetFromRect(int thumbLeft, int thumbRight) {
    const int w = thumbRight - thumbLeft;
    return {thumbLeft + (kThumbImageWidth - w) / 2 - 10, 0};
}

// Pixel offset of `value` along `span` pixels, rounded to nearest; the same numbers the
// platform's slider uses to place its thumb, so drawing and dragging agree.
constexpr int ThumbTravelPosition(int minimum, int maximum, int value, int span) {
    if (span <= 0 || value < minimum || maximum <= minimum) {
        return 0;
    }
    if (value > maximum) {
        return span;
    }
    const auto range = static_cast<long long>(maximum) - minimum;
    const auto p = static_cast<long long>(value) - minimum;
    return static_cast<int>((2 * p * span + range) / (2 * range));
}

// A click at x on the channel (left, right exclusive) of a slider with this range: the position
// it moves the thumb to, rounded up from half a step, before the slider clamps it. Nothing when
// the channel has no width.
std::optional<int> ClickPosition(int x, int channelLeft, int channelRight, int clientLeft,
                                 int minimum, int maximum);

// What the owner knows of one slider when it draws it.
struct SliderPlacement {
    int left = 0; // the slider's window rectangle in owner coordinates, right/bottom exclusive
    int top = 0;
    int right = 0;
    int bottom = 0;
    ThumbOffset thumb; // last offset the slider computed
    int position = 0;
};

// The owner's drawing of slider `id`: stores the position into the setting the slider edits,
// then draws the filled channel up to the thumb, the empty channel beyond it and the thumb.
void DrawSlider(Canvas& canvas, DeviceImage& image, int id, const SliderPlacement& slider);

// The setting behind slider `id`: speed, brightness, or (any other id) the report rate.
void StoreSliderPosition(DeviceImage& image, int id, int position);

// The owner's redraw rule: a report is drawn only when the slider's position differs from the
// one last drawn for its id. Every id other than speed and brightness is the report rate.
class SliderRedrawMemo {
public:
    // True, and remembered, when `position` differs from the last one drawn for `id`.
    bool TakeReport(int id, int position);

private:
    static std::size_t Slot(int id);
    std::array<int, 3> last_{};
};

} // namespace hx
