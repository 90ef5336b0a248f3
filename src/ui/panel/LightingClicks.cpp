#include "ui/panel/LightingClicks.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/main/MainLayout.h"
#include "ui/panel/ModeRules.h"
#include "ui/panel/PanelFields.h"

#include <cstdint>

namespace hx {
namespace {

constexpr Colour kColourDialogStart = 0x000000;

void OpenEffectList(MainWindowState& window, PanelSliders& sliders) {
    if (window.lightingCollapsed) {
        return;
    }
    window.effectListOpen = true;
    // The list is drawn over the trackbars' place.
    sliders.Show(kSpeedSliderId, false);
    sliders.Show(kBrightnessSliderId, false);
}

void DirectionCell(int cell, DeviceImage& image) {
    const std::uint8_t mode = LightingByte(image, image::kLightingMode);
    LightingByte(image, image::kLightingDirection) = RulesFor(mode).directions->cellDirection[cell];
}

// Cell c (1..8): a first click selects a cell, a click on the selected one edits its colour.
void ColourCell(std::uint8_t c, const MainWindowState& window, DeviceImage& image, UiServices& ui) {
    if (window.lightingCollapsed) {
        return;
    }
    const ModeRules& rules = RulesFor(LightingByte(image, image::kLightingMode));
    std::uint8_t& choice = LightingByte(image, image::kLightingColourChoice);
    if (c == kMultiColourChoice) {
        if (rules.eighthCell) {
            choice = kMultiColourChoice;
        }
        return;
    }
    if (rules.cells != ColourCells::kColoured) {
        return;
    }
    if (choice == c) {
        if (const auto colour = ui.ChooseColour(kColourDialogStart)) {
            SetEffectColour(image, c - 1u, *colour);
        }
    }
    choice = c;
}

} // namespace

bool LightingClick(int code, MainWindowState& window, DeviceImage& image, PanelSliders& sliders,
                   UiServices& ui) {
    if (code >= kHitDirection1 && code < kHitDirection1 + 4) {
        DirectionCell(code - kHitDirection1, image);
        return true;
    }
    if (code >= kHitColourCell0 && code < kHitColourCell0 + 8) {
        ColourCell(static_cast<std::uint8_t>(code - kHitColourCell0 + 1), window, image, ui);
        return true;
    }
    switch (code) {
    case kHitEffectBox:
        OpenEffectList(window, sliders);
        return true;
    case kHitBrightnessRow:
        return true; // the brightness trackbar's place; the trackbar takes its own clicks
    case kHitKeymapChoice:
        window.perKeyColourMode = false;
        return true;
    case kHitDiyChoice:
        window.perKeyColourMode = true;
        return true;
    default:
        return false;
    }
}

} // namespace hx
