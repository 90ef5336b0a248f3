#include "profile/ProfileDialogLayout.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(ProfileDialogLayoutTest, PaintsTitleCloseAndBothButtonsInOrder) {
    test::RecordingCanvas canvas;
    PaintProfileDialog(canvas);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                                "label \"Конфігурація\" 10 10 15 #FFFFFF",
                                "image button-close-normal.png 247 10",
                                "image New.png 13 575",
                                "label \"Новий\" 30 578 16 #FFFFFF",
                                "image Delete.png 183 575",
                                "label \"Видалити\" 200 578 16 #FFFFFF",
                            }));
}

TEST(ProfileDialogLayoutTest, HotSpotsIncludeAllFourEdges) {
    const struct {
        int x, y;
        ProfileClick click;
    } cases[] = {
        {248, 11, ProfileClick::kClose},   {262, 24, ProfileClick::kClose},
        {247, 11, ProfileClick::kNone},    {262, 25, ProfileClick::kNone},
        {14, 576, ProfileClick::kNew},     {79, 624, ProfileClick::kNew},
        {80, 600, ProfileClick::kNone},    {184, 576, ProfileClick::kDelete},
        {249, 624, ProfileClick::kDelete}, {184, 625, ProfileClick::kNone},
        {130, 300, ProfileClick::kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileDialogHitTest(c.x, c.y), c.click) << c.x << "," << c.y;
}

} // namespace
} // namespace hx
