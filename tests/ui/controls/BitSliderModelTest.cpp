#include "ui/controls/BitSliderModel.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hx {
namespace {

using test::RecordingCanvas;
using Calls = std::vector<std::string>;

TEST(ThumbOffset, FollowsTheRuleWithTruncatingDivision) {
    struct Case {
        int left, right;
        ThumbOffset expected;
    };
    const Case cases[] = {
        {5, 10, {0, 0}},      // our 5-pixel thumb at the channel start
        {210, 215, {205, 0}}, // ... and at its end
        {3, 14, {-5, 0}},     // an 11-pixel thumb: (15 - 11) / 2 - 10
        {20, 36, {10, 0}},    // 16 wide: -1 / 2 truncates to 0
        {20, 38, {9, 0}},     // 18 wide: -3 / 2 truncates to -1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ThumbOffsetFromRect(c.left, c.right), c.expected) << c.left << ".." << c.right;
    }
}

TEST(ThumbTravelPosition, RoundsToTheNearestPixelAndStaysInTheSpan) {
    EXPECT_EQ(ThumbTravelPosition(0, 3, 0, 205), 0);
    EXPECT_EQ(ThumbTravelPosition(0, 3, 1, 205), 68);
    EXPECT_EQ(ThumbTravelPosition(0, 3, 2, 205), 137);
    EXPECT_EQ(ThumbTravelPosition(0, 3, 3, 205), 205);
    EXPECT_EQ(ThumbTravelPosition(0, 50, 25, 205), 103);
    EXPECT_EQ(ThumbTravelPosition(0, 50, 60, 205), 205);
    EXPECT_EQ(ThumbTravelPosition(0, 50, -1, 205), 0);
    EXPECT_EQ(ThumbTravelPosition(0, 0, 0, 205), 0);
}

TEST(ClickPosition, MapsTheClickOntoTheRangeRoundingHalvesUp) {
    struct Case {
        const char* name;
        int x, channelLeft, channelRight, clientLeft, minimum, maximum;
        int expected;
    };
    const Case cases[] = {
        {"middle of the brightness channel", 110, 5, 215, 0, 0, 50, 25},
        {"channel start", 5, 5, 215, 0, 0, 50, 0},
        {"channel end", 215, 5, 215, 0, 0, 50, 50},
        {"exactly half a step rounds up", 50, 0, 100, 0, 0, 3, 2},
        {"just under half a step stays", 49, 0, 100, 0, 0, 3, 1},
        {"0.48 of a step stays", 16, 0, 100, 0, 0, 3, 0},
        {"0.51 of a step rounds up", 17, 0, 100, 0, 0, 3, 1},
        {"client left is taken off", 60, 0, 100, 10, 0, 10, 5},
        {"left of the channel goes below the range", 0, 5, 215, 0, 0, 50, -1},
        {"right of the channel goes past it", 219, 5, 215, 0, 0, 50, 51},
    };
    for (const Case& c : cases) {
        const auto p =
            ClickPosition(c.x, c.channelLeft, c.channelRight, c.clientLeft, c.minimum, c.maximum);
        ASSERT_TRUE(p.has_value()) << c.name;
        EXPECT_EQ(*p, c.expected) << c.name;
    }
}

TEST(ClickPosition, AChannelWithoutWidthGivesNoPosition) {
    EXPECT_FALSE(ClickPosition(10, 5, 5, 0, 0, 50).has_value());
    EXPECT_FALSE(ClickPosition(10, 8, 5, 0, 0, 50).has_value());
}

class DrawSliderTest : public ::testing::Test {
protected:
    DeviceImage image;
    RecordingCanvas canvas;

    std::uint8_t speed() const { return image.at(image::kLightingSettings, image::kLightingSpeed); }
    std::uint8_t brightness() const {
        return image.at(image::kLightingSettings, image::kLightingBrightness);
    }
    std::uint8_t rate() const { return image.at(image::kReportRate); }
};

TEST_F(DrawSliderTest, CopiesFilledChannelEmptyChannelAndThumbAndStoresThePosition) {
    DrawSlider(canvas, image, kBrightnessSliderId, {28, 260, 248, 277, {103, 0}, 25});
    EXPECT_EQ(canvas.calls, (Calls{
                                "bitmap 140 0 0 103 17 -> 28 260",
                                "bitmap 139 103 0 117 17 -> 131 260",
                                "part Thumb.png 0 0 15 14 -> 131 261",
                            }));
    EXPECT_EQ(brightness(), 25);
    EXPECT_EQ(speed(), 0);
    EXPECT_EQ(rate(), 0);
}

TEST_F(DrawSliderTest, ReportRateThumbMovesTwoPixelsRightAtPositionZero) {
    DrawSlider(canvas, image, kReportRateSliderId, {28, 530, 248, 547, {0, 0}, 0});
    EXPECT_EQ(canvas.calls, (Calls{
                                "bitmap 140 0 0 2 17 -> 28 530",
                                "bitmap 139 2 0 218 17 -> 30 530",
                                "part Thumb.png 0 0 15 14 -> 30 531",
                            }));
    EXPECT_EQ(rate(), 0);
}

TEST_F(DrawSliderTest, ReportRateThumbIsKeptOnTheChannelOthersAreNot) {
    struct Case {
        int id;
        ThumbOffset thumb;
        int position;
        std::string thumbCall;
    };
    const Case cases[] = {
        {kReportRateSliderId, {230, 0}, 3, "part Thumb.png 0 0 15 14 -> 233 531"},
        {kReportRateSliderId, {-7, -3}, 1, "part Thumb.png 0 0 15 14 -> 28 531"},
        {kReportRateSliderId, {-7, 0}, 0, "part Thumb.png 0 0 15 14 -> 30 531"},
        {4242, {230, 0}, 2, "part Thumb.png 0 0 15 14 -> 233 531"}, // any other id: report rate
        {kSpeedSliderId, {-7, -3}, 0, "part Thumb.png 0 0 15 14 -> 21 528"},
        {kBrightnessSliderId, {230, 0}, 50, "part Thumb.png 0 0 15 14 -> 258 531"},
    };
    for (const Case& c : cases) {
        canvas.calls.clear();
        DrawSlider(canvas, image, c.id, {28, 530, 248, 547, c.thumb, c.position});
        ASSERT_EQ(canvas.calls.size(), 3u);
        EXPECT_EQ(canvas.calls[2], c.thumbCall) << c.id << " " << c.thumb.x;
    }
}

TEST_F(DrawSliderTest, EachIdStoresIntoItsOwnSetting) {
    DrawSlider(canvas, image, kSpeedSliderId, {0, 0, 220, 17, {}, 7});
    DrawSlider(canvas, image, kBrightnessSliderId, {0, 0, 220, 17, {}, 42});
    DrawSlider(canvas, image, kReportRateSliderId, {0, 0, 220, 17, {}, 2});
    EXPECT_EQ(speed(), 7);
    EXPECT_EQ(brightness(), 42);
    EXPECT_EQ(rate(), 2);
    DrawSlider(canvas, image, 999, {0, 0, 220, 17, {}, 3});
    EXPECT_EQ(rate(), 3);
}

TEST(SliderRedrawMemo, RedrawsOnlyWhenThePositionChangedForThatSlider) {
    SliderRedrawMemo memo;
    EXPECT_FALSE(memo.TakeReport(kSpeedSliderId, 0)); // nothing drawn yet counts as 0
    EXPECT_TRUE(memo.TakeReport(kSpeedSliderId, 4));
    EXPECT_FALSE(memo.TakeReport(kSpeedSliderId, 4));
    EXPECT_TRUE(memo.TakeReport(kBrightnessSliderId, 4)); // slots are per slider
    EXPECT_TRUE(memo.TakeReport(kReportRateSliderId, 2));
    EXPECT_FALSE(memo.TakeReport(555, 2)); // an unknown id is the report-rate slider
    EXPECT_TRUE(memo.TakeReport(kSpeedSliderId, 3));
}

} // namespace
} // namespace hx
