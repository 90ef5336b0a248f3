#include "macro/MacroManagerLayout.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hx {
namespace {

using Calls = std::vector<std::string>;

TEST(MacroManagerLayout, HitRegionsAreInclusive) {
    struct Case {
        int x, y, region;
    };
    const Case cases[] = {
        {290, 100, kMacroRegionRecord},    {379, 124, kMacroRegionRecord},
        {380, 124, kMacroRegionNone},      {368, 168, kMacroRegionDelayBox},
        {382, 182, kMacroRegionDelayBox},  {296, 315, kMacroRegionRepeatBox},
        {310, 329, kMacroRegionRepeatBox}, {20, 368, kMacroRegionNew},
        {77, 392, kMacroRegionNew},        {78, 380, kMacroRegionNone},
        {80, 368, kMacroRegionDelete},     {137, 392, kMacroRegionDelete},
        {280, 400, kMacroRegionOk},        {337, 424, kMacroRegionOk},
        {340, 400, kMacroRegionCancel},    {397, 424, kMacroRegionCancel},
        {397, 425, kMacroRegionNone},      {0, 0, kMacroRegionNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MacroRegionAt(c.x, c.y), c.region) << c.x << "," << c.y;
}

TEST(MacroManagerLayout, PointerMovesRepaintOnlyWhatChanged) {
    MacroPointerState pointer;
    struct Step {
        const char* guards;
        int x, y;
        MacroMouseMove expected;
        std::array<bool, kMacroRegionCount> hover;
    };
    const Step steps[] = {
        {"onto New", 30, 380, {false, {kMacroRegionNew}}, {0, 0, 0, 1, 0, 0, 0}},
        {"within New", 40, 380, {false, {}}, {0, 0, 0, 1, 0, 0, 0}},
        {"straight onto Delete repaints only Delete",
         100,
         380,
         {false, {kMacroRegionDelete}},
         {0, 0, 0, 0, 1, 0, 0}},
        {"a check box changes nothing", 300, 320, {false, {}}, {0, 0, 0, 0, 1, 0, 0}},
        {"outside all regions repaints all five buttons",
         200,
         30,
         {false, {0, 3, 4, 5, 6}},
         {0, 0, 0, 0, 0, 0, 0}},
        {"outside again drags the window", 210, 30, {true, {}}, {0, 0, 0, 0, 0, 0, 0}},
        {"onto Record", 300, 110, {false, {kMacroRegionRecord}}, {1, 0, 0, 0, 0, 0, 0}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.guards);
        EXPECT_EQ(MacroPointerMoved(pointer, s.x, s.y), s.expected);
        EXPECT_EQ(pointer.hover, s.hover);
    }
}

TEST(MacroManagerLayout, FullPaintWhileRecording) {
    test::RecordingCanvas canvas;
    MacroPointerState pointer;
    pointer.hover[kMacroRegionOk] = true;
    PaintMacroManager(canvas, pointer, {true, true, false});
    const Calls expected{
        "image MacroManagement.png 0 0",
        "label \"Диспетчер макросів\" 16 9 18 #FFFFFF",
        "label \"Обрати макрос\" 32 60 15 #FFFFFF",
        "label \"Кнопка\" 185 60 15 #FFFFFF",
        "label \"Параметри запису\" 280 60 15 #FFFFFF",
        "image Record-normal.png 290 100",
        "label \"Зупинити запис\" 292 103 14 #FFFFFF",
        "label \"Кнопка часу  \" 290 153 15 #FFFFFF",
        "label \"затримки\" 290 168 15 #FFFFFF",
        "label \"запису\" 290 183 15 #FFFFFF",
        "image Pane.png 296 315",
        "label \"Індекс циклу\" 295 300 15 #FFFFFF",
        "image button-new-normal.png 20 368",
        "label \"Новий\" 35 375 12 #FFFFFF",
        "image button-new-normal.png 80 368",
        "label \"Видалити\" 88 375 12 #FFFFFF",
        "image button-new-over.png 280 400",
        "label \"Підтвердити\" 282 406 12 #FFFFFF",
        "image button-new-normal.png 340 400",
        "label \"Скасувати\" 344 406 12 #FFFFFF",
        "image PaneMakingTick.png 368 168",
    };
    EXPECT_EQ(canvas.calls, expected);
}

TEST(MacroManagerLayout, RegionRepaints) {
    const Calls captions{
        "label \"Новий\" 35 375 12 #FFFFFF",
        "label \"Видалити\" 88 375 12 #FFFFFF",
        "label \"Підтвердити\" 282 406 12 #FFFFFF",
        "label \"Скасувати\" 344 406 12 #FFFFFF",
    };
    MacroPointerState pointer;
    pointer.hover[kMacroRegionRecord] = true;

    test::RecordingCanvas record;
    PaintMacroRegion(record, kMacroRegionRecord, pointer, {false, false, false});
    Calls expected{"image Record-over.png 290 100"};
    expected.insert(expected.end(), captions.begin(), captions.end());
    expected.push_back("label \"Почати запис\" 292 103 14 #FFFFFF");
    EXPECT_EQ(record.calls, expected);

    // The check boxes show their flags.
    test::RecordingCanvas repeat;
    PaintMacroRegion(repeat, kMacroRegionRepeatBox, pointer, {false, false, true});
    expected = {"image PaneMakingTick.png 296 315"};
    expected.insert(expected.end(), captions.begin(), captions.end());
    EXPECT_EQ(repeat.calls, expected);
}

} // namespace
} // namespace hx
