#include "ui/controls/TreePaint.h"

#include "support/RecordingControlCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace hx {
namespace {

using Calls = std::vector<std::string>;

TEST(TreeVirtualAreaTest, FollowsTheScrollBarsInUse) {
    struct Case {
        const char* name;
        std::optional<TreeScroll> horizontal, vertical;
        TreeVirtualArea expected;
    };
    const Case cases[] = {
        {"no scroll bars: the client area", std::nullopt, std::nullopt, {0, 0, 200, 100}},
        {"horizontal: content width, shifted left",
         TreeScroll{0, 349, 40},
         std::nullopt,
         {-40, 0, 350, 100}},
        {"content narrower than the client keeps the client width",
         TreeScroll{0, 99, 0},
         std::nullopt,
         {0, 0, 200, 100}},
        {"vertical: items above the top, (height + 1) per item",
         std::nullopt,
         TreeScroll{0, 19, 3},
         {0, -48, 200, 17 * 21}},
        {"unused 0 to 100 range does not make it taller",
         std::nullopt,
         TreeScroll{0, 100, 0},
         {0, 0, 200, 100}},
        {"1 to 100 is a real range", std::nullopt, TreeScroll{1, 100, 0}, {0, 0, 200, 17 * 102}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComputeTreeVirtualArea(200, 100, 16, c.horizontal, c.vertical), c.expected)
            << c.name;
    }
}

TreeFrame Frame(bool focus = true) {
    return {120, 60, {0, 0, 120, 60}, focus, false};
}

TEST(TreePaintTest, EmptyTreePaintsOnlyItsBackground) {
    struct Case {
        const char* name;
        TreeLook look;
        Calls expected;
    };
    TreeLook solid;
    solid.backgroundMode = kTreeSolid;
    TreeLook bitmapUnloaded;
    bitmapUnloaded.backgroundMode = kTreeBitmap;
    TreeLook stretched = bitmapUnloaded;
    stretched.bitmapsLoaded = true;
    TreeLook vertical;
    vertical.gradientHorizontal = false;
    vertical.gradientFrom = 0x102030;
    const Case cases[] = {
        {"as constructed: gradient", TreeLook{}, {"gradient 0 0 120 60 #FFFFFF #D5D5E0 h"}},
        {"vertical gradient", vertical, {"gradient 0 0 120 60 #102030 #D5D5E0 v"}},
        {"solid", solid, {"fill 0 0 120 60 #1E1E1E"}},
        {"bitmap mode before the bitmap is loaded: gradient",
         bitmapUnloaded,
         {"gradient 0 0 120 60 #FFFFFF #D5D5E0 h"}},
        {"bitmap stretched", stretched, {"stretch 131 -> 0 0 120 60"}},
    };
    for (const Case& c : cases) {
        test::RecordingControlCanvas canvas;
        PaintTree(canvas, c.look, Frame(), {});
        EXPECT_EQ(canvas.calls, c.expected) << c.name;
    }
}

TEST(TreePaintTest, TilesCoverTheScrolledAreaWithTheLastRowAndColumnSticking) {
    TreeLook look;
    look.backgroundMode = kTreeBitmap;
    look.bitmapsLoaded = true;
    look.tileBackground = true;
    test::RecordingControlCanvas canvas;
    // 25 x 28 from (-5, -14): columns 0..2 and rows 0..2.
    PaintTree(canvas, look, {25, 14, {-5, -14, 25, 28}, false, false}, {});
    ASSERT_EQ(canvas.calls.size(), 9u);
    EXPECT_EQ(canvas.calls.front(), "bitmap 131 0 0 10 14 -> -5 -14");
    EXPECT_EQ(canvas.calls[1], "bitmap 131 0 0 10 14 -> 5 -14");
    EXPECT_EQ(canvas.calls.back(), "bitmap 131 0 0 10 14 -> 15 14");
}

TEST(TreePaintTest, ItemsGetBandGlyphAndShiftedText) {
    TreeLook look;
    look.backgroundMode = kTreeSolid;
    look.bitmapsLoaded = true;
    const std::vector<TreeRow> rows = {
        {"Мультимедіа", PixelRect{20, 0, 90, 16}, false, true, true},
        {"Play", PixelRect{40, 16, 70, 32}, true, false, false},
        {"Windows", PixelRect{20, 32, 80, 48}, false, true, false},
        {"off screen", std::nullopt, false, false, false},
    };
    TreeFrame frame = Frame();
    frame.area.width = 300; // scrolled content wider than the client
    frame.area.originX = -10;
    test::RecordingControlCanvas canvas;
    PaintTree(canvas, look, frame, rows);
    const Calls expected = {
        "fill 0 0 120 60 #1E1E1E",
        "bitmap 134 0 0 9 9 -> 16 4",
        "text \"Мультимедіа\" 27 1 97 15 #FFFFFF",
        "fill 0 16 290 32 #662E2F",
        "text \"Play\" 47 17 77 31 #FFFFFF",
        "bitmap 133 0 0 9 9 -> 16 36",
        "text \"Windows\" 27 33 87 47 #FFFFFF",
    };
    EXPECT_EQ(canvas.calls, expected);
}

TEST(TreePaintTest, SelectionBandNeedsFocusOrShowSelectionAlways) {
    TreeLook look;
    look.backgroundMode = kTreeSolid;
    const std::vector<TreeRow> rows = {{"Play", PixelRect{4, 0, 40, 16}, true, true, false}};
    struct Case {
        bool focus, always, band;
    };
    for (const Case c :
         {Case{true, false, true}, Case{false, false, false}, Case{false, true, true}}) {
        TreeFrame frame = Frame(c.focus);
        frame.showSelectionAlways = c.always;
        test::RecordingControlCanvas canvas;
        PaintTree(canvas, look, frame, rows);
        const bool hasBand = std::find(canvas.calls.begin(), canvas.calls.end(),
                                       "fill 0 0 120 16 #662E2F") != canvas.calls.end();
        EXPECT_EQ(hasBand, c.band) << "focus " << c.focus << " always " << c.always;
        // No glyph without the loaded bitmaps, even for an item with children.
        EXPECT_EQ(canvas.calls.back(), "text \"Play\" 11 1 47 15 #FFFFFF");
    }
}

} // namespace
} // namespace hx
