#include "ui/panel/LightingSection.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/panel/EffectTable.h"
#include "ui/panel/ModeRules.h"
#include "ui/panel/PanelFields.h"

#include <cstdint>

namespace hx {
namespace {

constexpr int kSmallLabel = 13;
constexpr int kLabel = 15;
constexpr int kDirectionY = 197;

void PaintHeader(Canvas& canvas) {
    canvas.DrawSkinImage("itemBK.png", 19, 110);
    canvas.DrawLabel("Підсвічування", 19, 110, kLabel, kLabelColour);
}

void PaintTrackbars(Canvas& canvas, const MainWindowState& window, const ModeRules& rules,
                    PanelSliders& sliders) {
    if (rules.speedTrackbar) {
        canvas.DrawSkinImage("freq.png", 19, 245);
        sliders.DrawSlider(canvas, kSpeedSliderId);
        if (!window.effectListOpen) {
            sliders.Show(kSpeedSliderId, true);
            canvas.DrawLabel("Швидкість", 28, 290, kSmallLabel, kLabelColour);
            canvas.DrawLabel("Зменшити швидкість", 28, 317, kSmallLabel, kLabelColour);
            canvas.DrawLabel("Збільшити швидкість", 150, 317, kSmallLabel, kLabelColour);
        }
    } else {
        sliders.Show(kSpeedSliderId, false);
    }
    canvas.DrawLabel("Яскравість", 28, 247, kSmallLabel, kLabelColour);
    canvas.DrawLabel("Зменшити яскравість", 28, 274, kSmallLabel, kLabelColour);
    canvas.DrawLabel("Збільшити яскравість", 150, 274, kSmallLabel, kLabelColour);
    if (!window.effectListOpen) {
        sliders.Show(kBrightnessSliderId, true);
        sliders.DrawSlider(canvas, kBrightnessSliderId);
    } else {
        sliders.Show(kBrightnessSliderId, false);
    }
}

void PaintColourCells(Canvas& canvas, const ModeRules& rules, DeviceImage& image) {
    if (rules.eighthCell) {
        canvas.DrawSkinImage("8.png", 203, 223);
    }
    std::uint8_t& choice = LightingByte(image, image::kLightingColourChoice);
    if (choice > kMultiColourChoice) {
        choice = kMultiColourChoice;
    } else if (choice == 0) {
        choice = 1;
    }
    const bool grey = rules.cells == ColourCells::kGreyEighth;
    for (int n = 0; n < static_cast<int>(image::kEffectColourCount); ++n) {
        const Colour colour = grey ? kGreyCellColour : EffectColourOf(image, n);
        canvas.FillCell(28 + 25 * n, 223, 48 + 25 * n, 243, colour);
    }
    if (grey) {
        choice = kMultiColourChoice;
    }
    canvas.DrawOutline(25 * choice + 1, 221, 23, 23);
}

void PaintDirections(Canvas& canvas, const DirectionSet& set, std::uint8_t direction) {
    if (set.buttonCount == 0) {
        return;
    }
    canvas.DrawLabel("Напрямок", 29, 177, kLabel, kLabelColour);
    for (int b = 0; b < set.buttonCount; ++b) {
        canvas.DrawSkinImage(set.buttons[b].disabled, set.buttons[b].x, kDirectionY);
    }
    if (direction < set.litButton.size() && set.litButton[direction] != kNoButton) {
        const DirectionButton& lit = set.buttons[set.litButton[direction]];
        canvas.DrawSkinImage(lit.enabled, lit.x, kDirectionY);
    }
}

void PaintPerKeyChoice(Canvas& canvas, bool perKeyColourMode) {
    canvas.DrawSkinImage(perKeyColourMode ? "Disable.png" : "Enable.png", 28, 199);
    canvas.DrawSkinImage(perKeyColourMode ? "Enable.png" : "Disable.png", 130, 199);
    canvas.DrawLabel("Keymap", 45, 197, kLabel, kLabelColour);
    canvas.DrawLabel("DIY", 147, 197, kLabel, kLabelColour);
}

} // namespace

void PaintLightingSection(Canvas& canvas, const MainWindowState& window, DeviceImage& image,
                          PanelSliders& sliders) {
    PaintHeader(canvas);
    if (window.lightingCollapsed) {
        sliders.Show(kSpeedSliderId, false);
        sliders.Show(kBrightnessSliderId, false);
        return;
    }
    const std::uint8_t mode = LightingByte(image, image::kLightingMode);
    const ModeRules& rules = RulesFor(mode);

    canvas.DrawSkinImage("LEDEffect_open.png", 19, 130);
    canvas.DrawLabel("Ефект підсвічування", 28, 137, kLabel, kLabelColour);
    canvas.DrawSkinImage("Light_Item.png", 28, 158);
    PaintTrackbars(canvas, window, rules, sliders);
    if (rules.cells != ColourCells::kNone) {
        PaintColourCells(canvas, rules, image);
    }
    PaintDirections(canvas, *rules.directions, LightingByte(image, image::kLightingDirection));
    if (rules.perKeyChoice) {
        PaintPerKeyChoice(canvas, window.perKeyColourMode);
    }
    if (const std::string_view name = EffectName(mode); !name.empty()) {
        canvas.DrawLabel(name, 28, 158, kLabel, kLabelColour);
    }
}

} // namespace hx
