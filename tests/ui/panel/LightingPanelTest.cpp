#include "support/FakeServices.h"
#include "support/RecordingCanvas.h"
#include "ui/panel/PanelFakes.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/main/MainLayout.h"
#include "ui/panel/EffectList.h"
#include "ui/panel/EffectTable.h"
#include "ui/panel/LightingClicks.h"
#include "ui/panel/LightingSection.h"
#include "ui/panel/PanelFields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace hx {
namespace {

using test::Has;
using test::Starting;

using Calls = std::vector<std::string>;

class LightingPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::size_t n = 0; n < image::kEffectColourCount; ++n) {
            SetEffectColour(image, n, 0x100000 * (n + 1) + 0x22 * n); // distinct per cell
        }
        Set(image::kLightingMode, 2);
        Set(image::kLightingColourChoice, 3);
        Set(image::kLightingDirection, 4);
        sliders.position = {{kSpeedSliderId, 5}, {kBrightnessSliderId, 30}};
    }

    std::uint8_t Get(std::size_t i) const { return LightingByte(image, i); }
    void Set(std::size_t i, std::uint8_t v) { LightingByte(image, i) = v; }

    // Opens the list from the effect box and clicks the middle of the row offering `mode`.
    void Choose(std::uint8_t mode) {
        Click(kHitEffectBox);
        ASSERT_TRUE(window.effectListOpen);
        for (std::size_t row = 0; row < kEffects.size(); ++row) {
            if (kEffects[row].mode == mode) {
                EffectListClick(100, 173 + 20 * static_cast<int>(row) + 10, window, image, sliders);
                return;
            }
        }
        FAIL() << "mode " << int{mode} << " is not offered";
    }
    bool Click(int code) { return LightingClick(code, window, image, sliders, ui); }
    const Calls& Paint() {
        canvas.calls.clear();
        sliders.Forget();
        PaintLightingSection(canvas, window, image, sliders);
        return canvas.calls;
    }

    DeviceImage image;
    MainWindowState window;
    test::FakeSliders sliders{image};
    test::RecordingCanvas canvas;
    test::ScriptedUi ui;
};

TEST_F(LightingPanelTest, WaveModePaintsInOrderAndFixesTheChoice) {
    Choose(3);
    const Calls expected{
        "image itemBK.png 19 110",
        "label \"Підсвічування\" 19 110 15 #FFFFFF",
        "image LEDEffect_open.png 19 130",
        "label \"Ефект підсвічування\" 28 137 15 #FFFFFF",
        "image Light_Item.png 28 158",
        "image freq.png 19 245",
        "slider 1007",
        "label \"Швидкість\" 28 290 13 #FFFFFF",
        "label \"Зменшити швидкість\" 28 317 13 #FFFFFF",
        "label \"Збільшити швидкість\" 150 317 13 #FFFFFF",
        "label \"Яскравість\" 28 247 13 #FFFFFF",
        "label \"Зменшити яскравість\" 28 274 13 #FFFFFF",
        "label \"Збільшити яскравість\" 150 274 13 #FFFFFF",
        "slider 1017",
        "image 8.png 203 223",
        "fill 28 223 48 243 #C0C0C0",
        "fill 53 223 73 243 #C0C0C0",
        "fill 78 223 98 243 #C0C0C0",
        "fill 103 223 123 243 #C0C0C0",
        "fill 128 223 148 243 #C0C0C0",
        "fill 153 223 173 243 #C0C0C0",
        "fill 178 223 198 243 #C0C0C0",
        "outline 201 221 23 23",
        "label \"Напрямок\" 29 177 15 #FFFFFF",
        "image Direction-T-Disable.png 29 197",
        "image Direction-B-Disable.png 79 197",
        "image Direction-R-Disable.png 129 197",
        "image Direction-L-Disable.png 179 197",
        "image Direction-B-Enable.png 79 197",
        "label \"Режим хвиля\" 28 158 15 #FFFFFF",
    };
    EXPECT_EQ(Paint(), expected);
    EXPECT_EQ(Get(image::kLightingMode), 3);
    EXPECT_EQ(Get(image::kLightingColourChoice), 8);
    EXPECT_EQ(Get(image::kLightingSpeed), 5);
    EXPECT_EQ(Get(image::kLightingBrightness), 30);
    EXPECT_EQ(sliders.Visible(kSpeedSliderId), true);
    EXPECT_EQ(sliders.Visible(kBrightnessSliderId), true);
}

// Each kind of mode, chosen from the list or (modes the list does not offer) read from the
// keyboard: what the section then draws and what it stores.
TEST_F(LightingPanelTest, EachKindOfMode) {
    struct Case {
        std::uint8_t mode;
        bool fromList;
        bool speed;
        bool eighthCell;
        int greyCells;
        std::uint8_t choiceAfterPaint; // from choice 3
        Calls directionButtons;        // the disabled looks, in drawing order
        bool perKeyChoice;
        const char* name; // nullptr: no name drawn
    };
    const std::string d = "image Direction-";
    const Case cases[] = {
        {1, true, false, false, 0, 3, {}, false, "Постійний режим"},
        {2, true, true, true, 0, 3, {}, false, "Режим дихання"},
        {3,
         true,
         true,
         true,
         7,
         8,
         {d + "T-Disable.png 29 197", d + "B-Disable.png 79 197", d + "R-Disable.png 129 197",
          d + "L-Disable.png 179 197"},
         false,
         "Режим хвиля"},
        {8, true, true, true, 7, 8, {}, false, "Режим \"режим притемнення\""},
        // Read from the keyboard with another choice: the paint fixes it to the eighth cell.
        {8, false, true, true, 7, 8, {}, false, "Режим \"режим притемнення\""},
        {10, true, true, true, 7, 8, {}, false, "Режим крапкового підсвічування)"},
        {13,
         true,
         true,
         true,
         0,
         3,
         {d + "R-Disable.png 29 197", d + "L-Disable.png 79 197"},
         false,
         "Режим Radar"},
        {15,
         false,
         true,
         true,
         0,
         3,
         {d + "R-Disable.png 29 197", d + "L-Disable.png 79 197"},
         false,
         nullptr},
        {16,
         false,
         true,
         true,
         0,
         3,
         {d + "T-Disable.png 29 197", d + "B-Disable.png 79 197"},
         false,
         nullptr},
        {53, true, false, false, 0, 3, {}, true, "DIY3"},
        {7, false, true, true, 0, 3, {}, false, nullptr},   // not offered: plain rules
        {50, false, false, true, 0, 3, {}, false, nullptr}, // no speed, but still cells
        {200, false, false, false, 0, 3, {}, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int{c.mode});
        Set(image::kLightingMode, 2);
        Set(image::kLightingColourChoice, 3);
        window = {};
        if (c.fromList) {
            Choose(c.mode);
        } else {
            Set(image::kLightingMode, c.mode);
            window.perKeyColourMode = c.mode >= 51;
        }
        EXPECT_FALSE(window.effectListOpen);
        EXPECT_EQ(window.perKeyColourMode, c.mode >= 51);
        Paint();
        EXPECT_EQ(Get(image::kLightingMode), c.mode);
        EXPECT_EQ(Get(image::kLightingColourChoice), c.choiceAfterPaint);
        EXPECT_EQ(sliders.Visible(kSpeedSliderId), c.speed);
        EXPECT_EQ(Has(canvas, "slider 1007"), c.speed);
        EXPECT_EQ(Has(canvas, "image freq.png 19 245"), c.speed);
        EXPECT_EQ(sliders.Visible(kBrightnessSliderId), true);
        EXPECT_EQ(Has(canvas, "image 8.png 203 223"), c.eighthCell);
        EXPECT_EQ(Starting(canvas, "fill ").size(), c.mode >= 51 ? 0u : 7u);
        EXPECT_EQ(Starting(canvas, "outline ").size(), c.mode >= 51 ? 0u : 1u);
        int grey = 0;
        for (const std::string& fill : Starting(canvas, "fill ")) {
            grey += fill.ends_with("#C0C0C0");
        }
        EXPECT_EQ(grey, c.greyCells);
        Calls disabled;
        for (const std::string& call : Starting(canvas, d)) {
            if (call.find("-Disable") != std::string::npos) {
                disabled.push_back(call);
            }
        }
        EXPECT_EQ(disabled, c.directionButtons);
        EXPECT_EQ(Has(canvas, "label \"Напрямок\" 29 177 15 #FFFFFF"), !c.directionButtons.empty());
        EXPECT_EQ(Has(canvas, "label \"Keymap\" 45 197 15 #FFFFFF"), c.perKeyChoice);
        if (c.perKeyChoice) {
            // Choosing a per-key mode switches the picture to colour editing.
            EXPECT_TRUE(Has(canvas, "image Disable.png 28 199"));
            EXPECT_TRUE(Has(canvas, "image Enable.png 130 199"));
        }
        const std::string nameCall =
            c.name ? "label \"" + std::string(c.name) + "\" 28 158 15 #FFFFFF" : std::string();
        EXPECT_EQ(canvas.calls.back() == nameCall, c.name != nullptr) << canvas.calls.back();
    }
}

TEST_F(LightingPanelTest, CellColoursAndChoiceNormalisation) {
    struct Case {
        std::uint8_t storedChoice, shownChoice;
    };
    for (const Case c : {Case{0, 1}, Case{9, 8}, Case{255, 8}, Case{7, 7}}) {
        Set(image::kLightingColourChoice, c.storedChoice);
        Paint();
        EXPECT_EQ(Get(image::kLightingColourChoice), c.shownChoice) << int{c.storedChoice};
        EXPECT_TRUE(
            Has(canvas, "outline " + std::to_string(25 * c.shownChoice + 1) + " 221 23 23"));
    }
    EXPECT_TRUE(Has(canvas, "fill 28 223 48 243 #100000"));
    EXPECT_TRUE(Has(canvas, "fill 178 223 198 243 #7000CC"));
}

TEST_F(LightingPanelTest, EighthCellInConstantMode) {
    Choose(3);
    Paint();
    ASSERT_EQ(Get(image::kLightingColourChoice), 8);
    Choose(1); // the multi-colour choice has no cell here: back to the first cell
    EXPECT_EQ(Get(image::kLightingColourChoice), 1);
    Paint();
    EXPECT_FALSE(Has(canvas, "image 8.png 203 223"));
    EXPECT_TRUE(Has(canvas, "outline 26 221 23 23"));

    EXPECT_TRUE(Click(kHitColourCell0 + 7));
    EXPECT_EQ(Get(image::kLightingColourChoice), 1);
    EXPECT_TRUE(ui.colourDialogInitial.empty());
}

TEST_F(LightingPanelTest, SelectThenEditColour) {
    ui.colours = {0x123456, std::nullopt};
    Click(kHitColourCell0 + 4); // cell 5: only selected
    EXPECT_EQ(Get(image::kLightingColourChoice), 5);
    EXPECT_TRUE(ui.colourDialogInitial.empty());

    Click(kHitColourCell0 + 4); // again: the dialog, starting from black
    EXPECT_EQ(ui.colourDialogInitial, std::vector<std::uint32_t>{0});
    EXPECT_EQ(EffectColourOf(image, 4), 0x123456u);
    Paint();
    EXPECT_TRUE(Has(canvas, "fill 128 223 148 243 #123456"));

    Click(kHitColourCell0 + 4); // Cancel: no colour change, the cell stays chosen
    EXPECT_EQ(ui.colourDialogInitial.size(), 2u);
    EXPECT_EQ(EffectColourOf(image, 4), 0x123456u);
    EXPECT_EQ(Get(image::kLightingColourChoice), 5);

    Click(kHitColourCell0 + 7); // the eighth cell never opens the dialog
    EXPECT_EQ(Get(image::kLightingColourChoice), 8);
    Click(kHitColourCell0 + 7);
    EXPECT_EQ(ui.colourDialogInitial.size(), 2u);
}

TEST_F(LightingPanelTest, StoredChoiceOutsideTheCellsIsNotTheClickedCell) {
    Set(image::kLightingColourChoice, 0); // as read, before any paint normalises it
    Click(kHitColourCell0);
    EXPECT_TRUE(ui.colourDialogInitial.empty());
    EXPECT_EQ(Get(image::kLightingColourChoice), 1);
}

TEST_F(LightingPanelTest, ColourCellsThatDoNotAct) {
    struct Case {
        const char* name;
        std::uint8_t mode;
        bool collapsed;
        int cell;
        std::uint8_t choiceAfter; // from choice 3
    };
    const Case cases[] = {
        {"grey cell in mode 8", 8, false, 2, 3}, {"eighth cell in mode 10", 10, false, 8, 8},
        {"per-key mode", 52, false, 3, 3},       {"per-key mode, eighth", 52, false, 8, 3},
        {"collapsed section", 2, true, 3, 3},
    };
    for (const Case& c : cases) {
        Set(image::kLightingMode, c.mode);
        Set(image::kLightingColourChoice, 3);
        window.lightingCollapsed = c.collapsed;
        Click(kHitColourCell0 + c.cell - 1);
        EXPECT_EQ(Get(image::kLightingColourChoice), c.choiceAfter) << c.name;
    }
    EXPECT_TRUE(ui.colourDialogInitial.empty());
}

TEST_F(LightingPanelTest, DirectionCellsStorePerMode) {
    struct Case {
        std::uint8_t mode;
        std::uint8_t byCell[4]; // codes 4, 5, 6, 7
    };
    const Case cases[] = {
        {3, {3, 4, 2, 1}}, {13, {2, 1, 2, 1}}, {15, {2, 1, 2, 1}}, {16, {3, 4, 3, 4}},
        {2, {3, 4, 2, 1}}, {1, {3, 4, 2, 1}},  {51, {3, 4, 2, 1}}, {99, {3, 4, 2, 1}},
    };
    for (const Case& c : cases) {
        Set(image::kLightingMode, c.mode);
        for (int cell = 0; cell < 4; ++cell) {
            Set(image::kLightingDirection, 0);
            EXPECT_TRUE(Click(kHitDirection1 + cell));
            EXPECT_EQ(Get(image::kLightingDirection), c.byCell[cell])
                << "mode " << int{c.mode} << " code " << kHitDirection1 + cell;
        }
    }
}

TEST_F(LightingPanelTest, LitDirectionButton) {
    struct Case {
        std::uint8_t mode;
        std::uint8_t direction;
        const char* lit; // nullptr: no arrow
    };
    const Case cases[] = {
        {3, 1, "Direction-L-Enable.png 179 197"},
        {3, 2, "Direction-R-Enable.png 129 197"},
        {3, 3, "Direction-T-Enable.png 29 197"},
        {3, 4, "Direction-B-Enable.png 79 197"},
        {3, 0, nullptr},
        {3, 5, nullptr},
        {13, 2, "Direction-R-Enable.png 29 197"},
        {13, 1, "Direction-L-Enable.png 79 197"},
        {13, 3, "Direction-L-Enable.png 79 197"},
        {15, 4, "Direction-L-Enable.png 79 197"},
        {15, 9, nullptr},
        {16, 3, "Direction-T-Enable.png 29 197"},
        {16, 1, "Direction-B-Enable.png 79 197"},
        {16, 2, "Direction-B-Enable.png 79 197"},
        {16, 0, nullptr},
        {2, 2, nullptr},
    };
    for (const Case& c : cases) {
        Set(image::kLightingMode, c.mode);
        Set(image::kLightingDirection, c.direction);
        Paint();
        Calls expected;
        if (c.lit) {
            expected.push_back(std::string("image ") + c.lit);
        }
        Calls lit;
        for (const std::string& call : Starting(canvas, "image Direction-")) {
            if (call.find("-Enable") != std::string::npos) {
                lit.push_back(call);
            }
        }
        EXPECT_EQ(lit, expected) << "mode " << int{c.mode} << " direction " << int{c.direction};
    }
}

TEST_F(LightingPanelTest, EffectListEdges) {
    struct Case {
        int x, y;
        std::uint8_t row; // kNone: outside
    };
    for (const Case c :
         {Case{28, 173, 0}, Case{248, 492, 15}, Case{100, 493, kNone}, Case{100, 172, kNone},
          Case{27, 300, kNone}, Case{249, 300, kNone}, Case{100, 213, 2}}) {
        EffectListHover(c.x, c.y, window);
        EXPECT_EQ(window.hoverEffectRow, c.row) << c.x << "," << c.y;
    }

    // A click on the bottom edge only closes the list.
    Set(image::kLightingColourChoice, 8);
    window.perKeyColourMode = true;
    Click(kHitEffectBox);
    window.hoverEffectRow = 4;
    EffectListClick(100, 493, window, image, sliders);
    EXPECT_FALSE(window.effectListOpen);
    EXPECT_EQ(Get(image::kLightingMode), 2);
    EXPECT_EQ(Get(image::kLightingColourChoice), 8);
    EXPECT_TRUE(window.perKeyColourMode);
    EXPECT_EQ(window.hoverEffectRow, 4);

    // One pixel higher is the last row.
    Click(kHitEffectBox);
    EffectListClick(100, 492, window, image, sliders);
    EXPECT_EQ(Get(image::kLightingMode), 55);
    EXPECT_EQ(window.hoverEffectRow, 15);
}

TEST_F(LightingPanelTest, OpenListHidesTrackbars) {
    window.lightingCollapsed = true;
    Click(kHitEffectBox);
    EXPECT_FALSE(window.effectListOpen);

    window.lightingCollapsed = false;
    Click(kHitEffectBox);
    EXPECT_TRUE(window.effectListOpen);
    EXPECT_EQ(sliders.Visible(kSpeedSliderId), false);
    EXPECT_EQ(sliders.Visible(kBrightnessSliderId), false);

    // The section under the list keeps the trackbars hidden and draws no speed labels.
    Paint();
    EXPECT_NE(sliders.Visible(kSpeedSliderId), true);
    EXPECT_EQ(sliders.Visible(kBrightnessSliderId), false);
    EXPECT_FALSE(Has(canvas, "label \"Швидкість\" 28 290 13 #FFFFFF"));

    canvas.calls.clear();
    window.hoverEffectRow = 2;
    PaintEffectList(canvas, window, sliders);
    EXPECT_EQ(canvas.calls.size(), 32u);
    EXPECT_EQ(canvas.calls[4], "fill 28 213 248 233 #500000");
    EXPECT_EQ(canvas.calls[5], "label \"Режим хвиля\" 28 213 15 #FFFFFF");
    EXPECT_EQ(canvas.calls[15], "label \"Режим крапкового підсвічування)\" 28 313 15 #FFFFFF");
    EXPECT_EQ(canvas.calls[6], "fill 28 233 248 253 #3B3B3B");
}

TEST_F(LightingPanelTest, CollapsedSectionDrawsItsHeaderOnly) {
    window.lightingCollapsed = true;
    const Calls expected{"image itemBK.png 19 110", "label \"Підсвічування\" 19 110 15 #FFFFFF"};
    EXPECT_EQ(Paint(), expected);
    EXPECT_EQ(sliders.Visible(kSpeedSliderId), false);
    EXPECT_EQ(sliders.Visible(kBrightnessSliderId), false);
}

TEST_F(LightingPanelTest, KeymapAndDiyChoice) {
    Choose(51);
    EXPECT_TRUE(window.perKeyColourMode);
    Click(kHitKeymapChoice);
    EXPECT_FALSE(window.perKeyColourMode);
    Paint();
    EXPECT_TRUE(Has(canvas, "image Enable.png 28 199"));
    EXPECT_TRUE(Has(canvas, "image Disable.png 130 199"));
    Click(kHitDiyChoice);
    EXPECT_TRUE(window.perKeyColourMode);
    Choose(2);
    EXPECT_FALSE(window.perKeyColourMode);
    EXPECT_FALSE(Click(kHitGameOn)); // not a lighting code
}

} // namespace
} // namespace hx
