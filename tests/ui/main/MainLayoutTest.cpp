#include "ui/main/MainLayout.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(MainLayout, SectionsFollowTheCollapseFlags) {
    MainWindowState s;
    PanelLayout l = ComputePanelLayout(s);
    EXPECT_EQ(l.macroRowTop, 335);
    EXPECT_EQ(l.gameTop, 390);
    EXPECT_EQ(l.responseTop, 445);
    EXPECT_EQ(l.rateTop, 520);
    EXPECT_EQ(l.responseListTop, 272);

    s.lightingCollapsed = true;
    l = ComputePanelLayout(s);
    EXPECT_EQ(l.macroRowTop, 335 - 195);
    s.gameCollapsed = true; // moves nothing
    EXPECT_EQ(ComputePanelLayout(s).rateTop, l.rateTop);
    s.responseCollapsed = true;
    EXPECT_EQ(ComputePanelLayout(s).rateTop, l.rateTop - 35);
}

TEST(MainLayout, HitTestInItsOrder) {
    struct Case {
        const char* name;
        int x, y;
        bool lightingCollapsed, gameCollapsed, responseCollapsed;
        std::uint8_t mode;
        int expected;
    };
    const Case cases[] = {
        {"help corner, edges inclusive", 936, 5, false, false, false, 1, kHitHelp},
        {"close bottom-right edge", 994, 20, false, false, false, 1, kHitClose},
        {"just right of close", 995, 20, false, false, false, 1, kHitNone},
        {"lighting header", 19, 110, false, false, false, 1, kHitLightingHeader},
        {"effect box", 100, 160, false, false, false, 1, kHitEffectBox},
        {"direction cell 3", 130, 200, false, false, false, 1, 6},
        {"Keymap choice only in per-key modes", 30, 205, false, false, false, 51, kHitKeymapChoice},
        {"same point in mode 1 is direction 1", 30, 205, false, false, false, 1, 4},
        {"DIY choice over direction 3", 135, 205, false, false, false, 55, kHitDiyChoice},
        {"colour cell 8", 203, 230, false, false, false, 1, 29},
        {"brightness row", 100, 270, false, false, false, 1, kHitBrightnessRow},
        {"macro button expanded", 100, 350, false, false, false, 1, kHitMacro},
        {"collapsed: effect box is dead", 100, 170, true, false, false, 1, kHitNone},
        {"collapsed: colour cell is dead", 203, 230, true, false, false, 1, kHitNone},
        {"collapsed: macro moved up", 100, 155, true, false, false, 1, kHitMacro},
        {"game on", 40, 425, false, false, false, 1, kHitGameOn},
        {"win lock off", 230, 430, false, false, false, 1, kHitWinLockOff},
        {"game collapsed: radios dead", 40, 425, false, true, false, 1, kHitNone},
        {"game header", 100, 395, false, true, false, 1, kHitGameHeader},
        {"response box", 100, 480, false, false, false, 1, kHitResponseBox},
        {"response collapsed: box dead", 100, 480, false, false, true, 1, kHitNone},
        {"rate header", 100, 525, false, false, false, 1, kHitRateHeader},
        {"rate header after response collapse", 100, 490, false, false, true, 1, kHitRateHeader},
        {"profile", 19, 633, false, false, false, 1, kHitProfile},
        {"reset", 857, 635, false, false, false, 1, kHitReset},
        {"gap between reset and cancel", 859, 620, false, false, false, 1, kHitNone},
        {"cancel", 861, 605, false, false, false, 1, kHitCancel},
        {"save", 980, 635, false, false, false, 1, kHitSave},
        {"logo", 19, 32, false, false, false, 1, kHitLogo},
    };
    for (const Case& c : cases) {
        MainWindowState s;
        s.lightingCollapsed = c.lightingCollapsed;
        s.gameCollapsed = c.gameCollapsed;
        s.responseCollapsed = c.responseCollapsed;
        EXPECT_EQ(HitTest(c.x, c.y, s, c.mode), c.expected) << c.name;
    }
}

} // namespace
} // namespace hx
