#include "ui/controls/ListEditRules.h"
#include "ui/controls/ListPaint.h"

#include "support/RecordingControlCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hx {
namespace {

using Calls = std::vector<std::string>;

TEST(ListEditRulesTest, DelayIsTheLeadingNumberClampedToItsRange) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"120", 120},
        {"0", 2},
        {"", 2},
        {"1", 2},
        {"2", 2},
        {"60000", 60000},
        {"60001", 60000},
        // Far beyond any integer: clamps instead of overflowing.
        {"99999999999999999999999", 60000},
        {"  42", 42},
        {"-5", 2},
        {"17ms", 17},
        {"x9", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDelay(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ListEditRulesTest, CommitPlans) {
    struct Case {
        const char* name;
        int mode;
        const char* oldText;
        const char* typed;
        EditCommit expected;
    };
    const Case cases[] = {
        {"delay changed", kEditDelays, "120 ms", "250", {"250 ms", 250, true}},
        {"delay zero reads 2", kEditDelays, "120 ms", "0", {"2 ms", 2, true}},
        {"delay unchanged still reports", kEditDelays, "120 ms", "120", {"120 ms", 120, false}},
        {"delay above the range", kEditDelays, "5 ms", "70000", {"60000 ms", 60000, true}},
        {"plain text changed", kEditPlainText, "Macro_001", "Jump", {"Jump", std::nullopt, true}},
        {"file name unchanged", kEditParentBacked, "Гра", "Гра", {"Гра", std::nullopt, false}},
    };
    for (const Case& c : cases) {
        const EditCommit got = PlanEditCommit(c.mode, c.oldText, c.typed);
        EXPECT_EQ(got.newText, c.expected.newText) << c.name;
        EXPECT_EQ(got.delayValue, c.expected.delayValue) << c.name;
        EXPECT_EQ(got.replaceLine, c.expected.replaceLine) << c.name;
    }
}

TEST(ListEditRulesTest, OnlyDelayLinesEditInDelayMode) {
    EXPECT_FALSE(CanEditLine(kEditDelays, "A dn"));
    EXPECT_FALSE(CanEditLine(kEditDelays, "A up"));
    EXPECT_TRUE(CanEditLine(kEditDelays, "120 ms"));
    EXPECT_TRUE(CanEditLine(kEditPlainText, "A up"));
    EXPECT_EQ(EditorStartText(kEditDelays, "120 ms"), "120");
    EXPECT_EQ(EditorStartText(kEditPlainText, "120 ms"), "120 ms");
}

TEST(ListPaintTest, EventLinesTradeTheirWordForAnIcon) {
    struct Case {
        int mode;
        const char* text;
        const char* shown;
        std::optional<BitmapId> icon;
    };
    const Case cases[] = {
        {kEditDelays, "A dn", "A ", BitmapId::PressIcon},
        {kEditDelays, "Space up", "Space ", BitmapId::ReleaseIcon},
        // "dn" wins over "up", and every occurrence goes.
        {kEditDelays, "updn dn", "up ", BitmapId::PressIcon},
        {kEditDelays, "120 ms", "120 ms", BitmapId::DelayIcon},
        {kEditDelays, "Macro", "Macro", std::nullopt},
        {kEditPlainText, "A dn", "A dn", std::nullopt},
    };
    for (const Case& c : cases) {
        const ListLineLook look = LookOfLine(c.mode, c.text);
        EXPECT_EQ(look.text, c.shown) << c.text;
        EXPECT_EQ(look.icon, c.icon) << c.text;
    }
}

TEST(ListPaintTest, LineDrawsBackgroundShadowTextIcon) {
    ListTextStyle style{0xFFFFFF, 0xFFFF00, 0x000000, true, 2};
    const PixelRect rect{0, 18, 113, 36};
    struct Case {
        const char* name;
        bool enabled, selected;
        Calls expected;
    };
    const Case cases[] = {
        {"selected",
         true,
         true,
         {"backdrop 0 18 113 18 -> 0 18", "text \"A \" 2 20 115 38 #000000",
          "text \"A \" 0 18 113 36 #FFFF00", "bitmap 131 0 0 10 14 -> 93 18"}},
        {"disabled: white shadow, black text",
         false,
         true,
         {"backdrop 0 18 113 18 -> 0 18", "text \"A \" 2 20 115 38 #FFFFFF",
          "text \"A \" 0 18 113 36 #000000", "bitmap 131 0 0 10 14 -> 93 18"}},
    };
    for (const Case& c : cases) {
        test::RecordingControlCanvas canvas;
        DrawListLine(canvas, style, kEditDelays, c.enabled, "A dn", rect, c.selected);
        EXPECT_EQ(canvas.calls, c.expected) << c.name;
    }
    style.shadowOn = false;
    test::RecordingControlCanvas canvas;
    DrawListLine(canvas, style, kEditDelays, true, "120 ms", rect, false);
    EXPECT_EQ(canvas.calls,
              (Calls{"backdrop 0 18 113 18 -> 0 18", "text \"120 ms\" 0 18 113 36 #FFFFFF",
                     "bitmap 137 0 0 14 14 -> 93 18"}));
}

TEST(ListPaintTest, LinesFromTheTopIndexWhileTheirTopIsInside) {
    // 5 lines of 18 in 40 pixels, scrolled by one: lines 1, 2 and 3 (top 36 < 40); 2 selected.
    const std::vector<std::string> lines = {"a", "b", "c", "d", "e"};
    test::RecordingControlCanvas canvas;
    PaintListLines(canvas, ListTextStyle{}, kEditPlainText, true, {50, 40, 18, 1, 2}, lines);
    const Calls expected = {
        "backdrop 0 0 50 40 -> 0 0",     "backdrop 0 0 50 18 -> 0 0",
        "text \"b\" 0 0 50 18 #000000",  "backdrop 0 18 50 18 -> 0 18",
        "text \"c\" 0 18 50 36 #FFFFFF", "backdrop 0 36 50 18 -> 0 36",
        "text \"d\" 0 36 50 54 #000000",
    };
    EXPECT_EQ(canvas.calls, expected);
    EXPECT_TRUE(VisibleListRows({50, 40, 18, 7, -1}, 5).empty());
}

} // namespace
} // namespace hx
