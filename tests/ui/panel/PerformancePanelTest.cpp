#include "support/RecordingCanvas.h"
#include "ui/panel/PanelFakes.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/main/MainLayout.h"
#include "ui/panel/PerformanceSections.h"
#include "ui/panel/ResponseList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hx {
namespace {

using test::Has;
using test::Starting;

using Calls = std::vector<std::string>;

class PerformancePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.at(image::kResponseTime) = 3;
        sliders.position = {{kReportRateSliderId, 2}};
    }
    const Calls& Paint() {
        canvas.calls.clear();
        sliders.Forget();
        PaintPerformanceSections(canvas, window, image, sliders, rateSlider);
        return canvas.calls;
    }
    std::uint8_t& GameMode() { return image.at(image::kGameMode); }
    std::uint8_t& WinLock() { return image.at(image::kWinLock); }
    std::uint8_t& ResponseTime() { return image.at(image::kResponseTime); }

    DeviceImage image;
    MainWindowState window;
    test::FakeSliders sliders{image};
    test::RecordingCanvas canvas;
    RateSliderPlace rateSlider;
};

TEST_F(PerformancePanelTest, ExpandedSectionsPaintInOrder) {
    GameMode() = 1;
    WinLock() = 0;
    // G = 225 + 165, Q = 225 + 220, R = Q + 75.
    const Calls expected{
        "image gamemode_open.png 19 390",
        "label \"Режим гри\" 19 390 15 #FFFFFF",
        "image Enable.png 34 423",
        "image Disable.png 88 423",
        "label \"ввімк\" 51 421 15 #FFFFFF",
        "label \"вимк\" 105 421 15 #FFFFFF",
        "label \"Режим WIN LOCK\" 149 390 15 #FFFFFF",
        "image Disable.png 164 423",
        "image Enable.png 218 423",
        "label \"ввімк\" 181 421 15 #FFFFFF",
        "label \"вимк\" 235 421 15 #FFFFFF",
        "image responsetime_open.png 19 445",
        "label \"Час відповіді кнопки\" 19 445 15 #FFFFFF",
        "image Light_Item.png 28 473",
        "label \"6 ms\" 100 473 15 #FFFFFF",
        "image reportrate_Open.png 19 520",
        "label \"Частота опитування USB\" 19 520 15 #FFFFFF",
        "slider 1010",
    };
    EXPECT_EQ(Paint(), expected);
    EXPECT_EQ(sliders.rateTops, std::vector<int>{543});
    EXPECT_EQ(sliders.Visible(kReportRateSliderId), true);
    EXPECT_EQ(image.at(image::kReportRate), 2);
}

TEST_F(PerformancePanelTest, CollapsedSectionsPaintTheirHeaders) {
    window.gameCollapsed = window.responseCollapsed = window.rateCollapsed = true;
    const Calls expected{
        "image gamemode_Close.png 19 390",
        "label \"Режим гри\" 19 390 15 #FFFFFF",
        "label \"Режим WIN LOCK\" 149 390 15 #FFFFFF",
        "image responsetime_close.png 19 445",
        "label \"Час відповіді кнопки\" 19 445 15 #FFFFFF",
        "image reportrate_Close.png 19 485",
        "label \"Частота опитування USB\" 19 485 15 #FFFFFF",
    };
    EXPECT_EQ(Paint(), expected);
    EXPECT_EQ(sliders.Visible(kReportRateSliderId), false);
    EXPECT_TRUE(sliders.rateTops.empty());
}

TEST_F(PerformancePanelTest, GameModeAndWinLockCoupling) {
    struct Case {
        const char* name;
        std::uint8_t game, lock;
        int code;
        std::uint8_t gameAfter, lockAfter;
    };
    const Case cases[] = {
        {"game mode on also locks Win", 0, 0, kHitGameOn, 1, 1},
        {"game mode on again changes nothing", 1, 0, kHitGameOn, 1, 0},
        {"Win lock on refused with game mode off", 0, 0, kHitWinLockOn, 0, 0},
        {"Win lock on with game mode on", 1, 0, kHitWinLockOn, 1, 1},
        {"Win lock off keeps game mode", 1, 1, kHitWinLockOff, 1, 0},
        {"game mode off clears Win lock", 1, 1, kHitGameOff, 0, 0},
        {"read lock without game mode: off clears it", 0, 1, kHitGameOff, 0, 0},
        {"read lock without game mode: on keeps it", 0, 1, kHitGameOn, 1, 1},
    };
    for (const Case& c : cases) {
        GameMode() = c.game;
        WinLock() = c.lock;
        EXPECT_TRUE(PerformanceClick(c.code, window, image)) << c.name;
        EXPECT_EQ(GameMode(), c.gameAfter) << c.name;
        EXPECT_EQ(WinLock(), c.lockAfter) << c.name;
        Paint();
        EXPECT_TRUE(
            Has(canvas, c.lockAfter ? "image Enable.png 164 423" : "image Enable.png 218 423"))
            << c.name;
    }
    EXPECT_FALSE(PerformanceClick(kHitEffectBox, window, image));
}

TEST_F(PerformancePanelTest, ResponseListFollowsTheLightingSection) {
    struct Case {
        bool lightingCollapsed;
        int top; // T
    };
    for (const Case c : {Case{false, 272}, Case{true, 77}}) {
        window.lightingCollapsed = c.lightingCollapsed;
        EXPECT_TRUE(PerformanceClick(kHitResponseBox, window, image));
        EXPECT_TRUE(window.responseListOpen);

        ResponseListHover(27, c.top, window);
        EXPECT_EQ(window.hoverResponseRow, 0);
        ResponseListHover(247, c.top + 199, window);
        EXPECT_EQ(window.hoverResponseRow, 9);
        ResponseListHover(100, c.top + 200, window);
        EXPECT_EQ(window.hoverResponseRow, kNone);
        ResponseListHover(26, c.top, window);
        EXPECT_EQ(window.hoverResponseRow, kNone);

        window.hoverResponseRow = 4;
        canvas.calls.clear();
        PaintResponseList(canvas, window, sliders);
        ASSERT_EQ(canvas.calls.size(), 20u);
        EXPECT_EQ(canvas.calls[0], "fill 27 " + std::to_string(c.top) + " 247 " +
                                       std::to_string(c.top + 20) + " #3B3B3B");
        EXPECT_EQ(canvas.calls[8], "fill 27 " + std::to_string(c.top + 80) + " 247 " +
                                       std::to_string(c.top + 100) + " #500000");
        EXPECT_EQ(canvas.calls[19],
                  "label \"20ms\" 97 " + std::to_string(c.top + 180) + " 18 #FFFFFF");
        EXPECT_EQ(sliders.Visible(kSpeedSliderId), false);
        EXPECT_EQ(sliders.Visible(kBrightnessSliderId), false);

        ResponseTime() = 3;
        ResponseListClick(100, c.top + 200, window, image); // bottom edge: only closes
        EXPECT_FALSE(window.responseListOpen);
        EXPECT_EQ(ResponseTime(), 3);
        EXPECT_EQ(window.hoverResponseRow, 4);

        PerformanceClick(kHitResponseBox, window, image);
        ResponseListClick(100, c.top + 199, window, image);
        EXPECT_FALSE(window.responseListOpen);
        EXPECT_EQ(ResponseTime(), 10);
        EXPECT_EQ(window.hoverResponseRow, 9);
        Paint();
        EXPECT_TRUE(
            Has(canvas, "label \"20 ms\" 100 " + std::to_string(c.top - 47 + 248) + " 15 #FFFFFF"));
    }
}

TEST_F(PerformancePanelTest, ResponseTimeOutsideTheListIsShownAndKept) {
    struct Case {
        std::uint8_t value;
        const char* shown;
    };
    for (const Case c : {Case{0, "label \"0 ms\" 100 473 15 #FFFFFF"},
                         Case{11, "label \"22 ms\" 100 473 15 #FFFFFF"},
                         Case{255, "label \"510 ms\" 100 473 15 #FFFFFF"}}) {
        ResponseTime() = c.value;
        Paint();
        EXPECT_TRUE(Has(canvas, c.shown)) << int{c.value};
        EXPECT_EQ(ResponseTime(), c.value);
    }
}

TEST_F(PerformancePanelTest, RateTrackbarFollowsItsSection) {
    Paint();
    Paint(); // same top: not placed again
    EXPECT_TRUE(sliders.rateTops.empty());

    window.responseCollapsed = true; // 35 pixels up
    Paint();
    EXPECT_EQ(sliders.rateTops, std::vector<int>{508});
    EXPECT_TRUE(Has(canvas, "image reportrate_Open.png 19 485"));

    window.lightingCollapsed = true; // 195 pixels further up
    Paint();
    EXPECT_EQ(sliders.rateTops, std::vector<int>{313});

    window.rateCollapsed = true; // hidden with its section, nothing stored
    sliders.position[kReportRateSliderId] = 3;
    Paint();
    EXPECT_EQ(sliders.Visible(kReportRateSliderId), false);
    EXPECT_FALSE(Has(canvas, "slider 1010"));
    EXPECT_EQ(image.at(image::kReportRate), 2);

    window.rateCollapsed = false;
    window.lightingCollapsed = false;
    Paint();
    EXPECT_EQ(sliders.rateTops, std::vector<int>{508});
    EXPECT_EQ(sliders.Visible(kReportRateSliderId), true);
    EXPECT_EQ(image.at(image::kReportRate), 3);
}

} // namespace
} // namespace hx
