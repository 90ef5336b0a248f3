#include "ui/panel/EffectList.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/panel/EffectTable.h"
#include "ui/panel/ModeRules.h"
#include "ui/panel/PanelFields.h"

namespace hx {
namespace {

constexpr int kLeft = 28;
constexpr int kRight = 248;
constexpr int kTop = 173;
constexpr int kRowHeight = 20;
constexpr int kBottom = kTop + kRowHeight * static_cast<int>(kEffects.size()) - 1; // 492
constexpr Colour kHoverFill = 0x500000;
constexpr Colour kRowFill = 0x3B3B3B;

} // namespace

std::uint8_t EffectListRowAt(int x, int y) {
    if (x < kLeft || x > kRight || y < kTop || y > kBottom) {
        return kNone;
    }
    return static_cast<std::uint8_t>((y - kTop) / kRowHeight);
}

void PaintEffectList(Canvas& canvas, const MainWindowState& window, PanelSliders& sliders) {
    sliders.Show(kSpeedSliderId, false);
    sliders.Show(kBrightnessSliderId, false);
    for (int i = 0; i < static_cast<int>(kEffects.size()); ++i) {
        const int top = kTop + kRowHeight * i;
        canvas.FillCell(kLeft, top, kRight, top + kRowHeight,
                        i == window.hoverEffectRow ? kHoverFill : kRowFill);
        canvas.DrawLabel(kEffects[i].name, kLeft, top, 15, kLabelColour);
    }
}

void EffectListHover(int x, int y, MainWindowState& window) {
    window.hoverEffectRow = EffectListRowAt(x, y);
}

void EffectListClick(int x, int y, MainWindowState& window, DeviceImage& image,
                     PanelSliders& sliders) {
    window.effectListOpen = false;
    const std::uint8_t row = EffectListRowAt(x, y);
    if (row == kNone) {
        return;
    }
    window.hoverEffectRow = row;
    const std::uint8_t mode = kEffects[row].mode;
    LightingByte(image, image::kLightingMode) = mode;
    const ModeRules& rules = RulesFor(mode);
    window.perKeyColourMode = rules.perKeyChoice;
    // Shown for every mode here; the next paint hides it again where the mode has no speed.
    sliders.Show(kSpeedSliderId, true);

    std::uint8_t& choice = LightingByte(image, image::kLightingColourChoice);
    if (!rules.eighthCell && rules.cells == ColourCells::kColoured &&
        choice == kMultiColourChoice) {
        choice = 1;
    } else if (rules.cells == ColourCells::kGreyEighth) {
        choice = kMultiColourChoice;
    }
}

} // namespace hx
