#include "ui/panel/ResponseList.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/main/MainLayout.h"

namespace hx {
namespace {

constexpr int kLeft = 27;
constexpr int kRight = 247;
constexpr int kRowHeight = 20;
constexpr int kRows = static_cast<int>(kResponseCaptions.size());
constexpr Colour kHoverFill = 0x500000;
constexpr Colour kRowFill = 0x3B3B3B;

} // namespace

std::uint8_t ResponseListRowAt(int x, int y, const MainWindowState& window) {
    const int top = ComputePanelLayout(window).responseListTop;
    if (x < kLeft || x > kRight || y < top || y > top + kRows * kRowHeight - 1) {
        return kNone;
    }
    return static_cast<std::uint8_t>((y - top) / kRowHeight);
}

void PaintResponseList(Canvas& canvas, const MainWindowState& window, PanelSliders& sliders) {
    sliders.Show(kSpeedSliderId, false);
    sliders.Show(kBrightnessSliderId, false);
    const int top = ComputePanelLayout(window).responseListTop;
    for (int i = 0; i < kRows; ++i) {
        const int y = top + kRowHeight * i;
        canvas.FillCell(kLeft, y, kRight, y + kRowHeight,
                        i == window.hoverResponseRow ? kHoverFill : kRowFill);
        canvas.DrawLabel(kResponseCaptions[i], 97, y, 18, kLabelColour);
    }
}

void ResponseListHover(int x, int y, MainWindowState& window) {
    window.hoverResponseRow = ResponseListRowAt(x, y, window);
}

void ResponseListClick(int x, int y, MainWindowState& window, DeviceImage& image) {
    const std::uint8_t row = ResponseListRowAt(x, y, window);
    if (row != kNone) {
        window.hoverResponseRow = row;
        image.at(image::kResponseTime) = static_cast<std::uint8_t>(row + 1);
    }
    window.responseListOpen = false;
}

} // namespace hx
