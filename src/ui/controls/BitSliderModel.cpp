#include "ui/controls/BitSliderModel.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace hx {

std::optional<int> ClickPosition(int x, int channelLeft, int channelRight, int clientLeft,
                                 int minimum, int maximum) {
    const long long width = static_cast<long long>(channelRight) - channelLeft;
    if (width <= 0) {
        // A channel without width (a slider not yet sized) gives no place to click.
        return std::nullopt;
    }
    const long long offset = static_cast<long long>(x) - channelLeft - clientLeft;
    const long long range = static_cast<long long>(maximum) - minimum;
    long long p = offset * range / width;
    const double f =
        static_cast<double>(offset) * static_cast<double>(range) / static_cast<double>(width);
    if (f - static_cast<double>(p) >= 0.5) {
        ++p;
    }
    return static_cast<int>(std::clamp<long long>(p, INT_MIN, INT_MAX));
}

void StoreSliderPosition(DeviceImage& image, int id, int position) {
    const auto value = static_cast<std::uint8_t>(position);
    if (id == kSpeedSliderId) {
        image.at(image::kLightingSettings, image::kLightingSpeed) = value;
    } else if (id == kBrightnessSliderId) {
        image.at(image::kLightingSettings, image::kLightingBrightness) = value;
    } else {
        image.at(image::kReportRate) = value;
    }
}

void DrawSlider(Canvas& canvas, DeviceImage& image, int id, const SliderPlacement& slider) {
    StoreSliderPosition(image, id, slider.position);

    ThumbOffset thumb = slider.thumb;
    if (id != kSpeedSliderId && id != kBrightnessSliderId) {
        thumb.x = std::clamp(thumb.x, 0, kReportRateThumbMaxX);
        thumb.y = std::max(thumb.y, 0);
        if (slider.position == 0) {
            thumb.x += 2;
        }
    }
    const int width = slider.right - slider.left;
    const int height = slider.bottom - slider.top;
    canvas.DrawBitmapPart(BitmapId::SliderFilledChannel, {0, 0, thumb.x, height}, slider.left,
                          slider.top);
    canvas.DrawBitmapPart(BitmapId::SliderEmptyChannel, {thumb.x, 0, width - thumb.x, height},
                          slider.left + thumb.x, slider.top);
    canvas.DrawSkinImagePart("Thumb.png", {0, 0, kThumbImageWidth, kThumbImageHeight},
                             slider.left + thumb.x, slider.top + thumb.y + 1);
}

std::size_t SliderRedrawMemo::Slot(int id) {
    if (id == kSpeedSliderId) {
        return 0;
    }
    if (id == kBrightnessSliderId) {
        return 1;
    }
    return 2;
}

bool SliderRedrawMemo::TakeReport(int id, int position) {
    int& last = last_[Slot(id)];
    if (last == position) {
        return false;
    }
    last = position;
    return true;
}

} // namespace hx
