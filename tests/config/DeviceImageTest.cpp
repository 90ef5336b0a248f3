#include "config/AppState.h"
#include "keymap/KeyLayout.h"

#include <gtest/gtest.h>

#include <memory>

namespace hx {
namespace {

TEST(DeviceImage, FieldOffsetsMatchTheFileFormat) {
    struct Row {
        ByteField field;
        std::size_t offset, size;
    };
    const Row rows[] = {
        {image::kReportRate, 11, 1},
        {image::kKeyRemapTable, 792, 512},
        {image::kDeviceMacroSlots, 1304, 6144},
        {image::kResponseTime, 7449, 1},
        {image::kLightingSettings, 7450, 5},
        {image::kEffectColours, 7455, 21},
        {image::kGameMode, 7476, 1},
        {image::kKeyEnableBitmap, 7477, 18},
        {image::kWinLock, 7498, 1},
        {image::kPerKeyColourTables, 7499, 2560},
        {image::MacroSlot(31), 7256, 192},
        {image::ColourTable(4), 9547, 512},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.field.offset, r.offset);
        EXPECT_EQ(r.field.size, r.size);
    }
}

TEST(DeviceImage, ThreeIndexingsOfTheMatrixStayApart) {
    struct Row {
        const char* name;
        std::size_t keyIndex, colourEntry, remapEntry;
        unsigned enableBit;
    };
    const Row rows[] = {
        {"Esc", kEscKey, 5, 105, 120},    {"Left Windows", kLeftWinKey, 6, 1, 1},
        {"Left Ctrl", 95, 0, 0, 0},       {"keypad Enter", 94, 120, 20, 20},
        {"Volume UP", 19, 125, 125, 140},
    };
    for (const Row& r : rows) {
        const KeyPosition& k = kKeyLayout[r.keyIndex];
        EXPECT_EQ(k.matrixOffset(), 4 * r.colourEntry) << r.name;
        EXPECT_EQ(k.remapEntry(), r.remapEntry) << r.name;
        EXPECT_EQ(k.enableBit(), r.enableBit) << r.name;
    }
}

TEST(DeviceImage, EnableBitsAreLeastSignificantFirst) {
    DeviceImage img;
    img.SetEnableBit(image::kWinKeySendBit, true);
    img.SetEnableBit(image::kWinLockReadBit, true);
    img.SetEnableBit(143, true);
    EXPECT_EQ(img.at(image::kKeyEnableBitmap, 0), 0x02);
    EXPECT_EQ(img.at(image::kKeyEnableBitmap, 1), 0x01);
    EXPECT_EQ(img.at(image::kKeyEnableBitmap, 17), 0x80);
    img.SetEnableBit(image::kWinKeySendBit, false);
    EXPECT_FALSE(img.EnableBit(image::kWinKeySendBit));
    EXPECT_TRUE(img.EnableBit(image::kWinLockReadBit));
}

TEST(AppState, SnapshotsAndRevertCopyWholeBlocks) {
    auto s = std::make_unique<AppState>();
    s->image.at(image::kLightingSettings, image::kLightingSpeed) = 7;
    s->keys[3].at(keyrecord::kAssignType) = 4;
    s->TakeSnapshot();
    s->TakeKeySnapshot();
    s->image.at(image::kLightingSettings, image::kLightingSpeed) = 2;
    s->keys[3].at(keyrecord::kAssignType) = 1;
    s->keys[200].at(keyrecord::kLaunchPath, 10) = 0x41;
    s->Revert();
    EXPECT_EQ(s->image, s->imageSnapshot);
    EXPECT_EQ(s->keys, s->keysSnapshot);
    EXPECT_EQ(s->image.at(image::kLightingSettings, image::kLightingSpeed), 7);
    EXPECT_EQ(s->keys[3].at(keyrecord::kAssignType), 4);
}

} // namespace
} // namespace hx
