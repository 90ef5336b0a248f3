#include "config/FactoryReset.h"
#include "config/LocalFiles.h"
#include "device/ReadAll.h"
#include "keymap/KeyLayout.h"
#include "support/LinkedKeyboard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

using test::SetLine;

class FactoryResetTest : public ::testing::Test {
protected:
    void SetUp() override {
        k.state->folders = {dir.path(), dir.path()};
        sim::KeyboardMemory used = k.keyboard.Memory();
        used.image.at(image::kResponseTime) = 9;
        used.image.SetEnableBit(kKeyLayout[kEscKey].enableBit(), false);
        k.keyboard.SetMemory(used);
        ASSERT_TRUE(k.link.OpenDeviceHandle());
        for (std::size_t r = 0; r < kKeyRecordCount; ++r)
            k.state->keys[r].at(keyrecord::kChosenCodes, 3) = 0x77;
        k.state->keyCustomised.fill(1);
        k.state->image.at(image::kWinLock) = 1;
    }

    test::TempDir dir;
    test::LinkedKeyboard k;
};

TEST_F(FactoryResetTest, CommandsAndSettlingPauses) {
    auto session = k.link.Begin();
    ASSERT_TRUE(FactoryReset(session));
    EXPECT_EQ(k.conversation.Lines(),
              (std::vector<std::string>{SetLine({0x13, 0xFF}), "PAUSE 300", "PAUSE 300",
                                        SetLine({0x09, 1}), "PAUSE 20", "PAUSE 300",
                                        SetLine({0x09, 1}), "PAUSE 20", "PAUSE 300"}));
}

TEST_F(FactoryResetTest, LeavesFactoryStateEverywhere) {
    const ResetOutcome r = ResetKeyboardAndState(k.link, *k.state);
    ASSERT_TRUE(r.device) << r.device.error().message;
    ASSERT_TRUE(r.keymapFile);

    const sim::KeyboardMemory factory = sim::FactoryMemory();
    EXPECT_TRUE(k.state->image.SameField(factory.image, image::kKeyEnableBitmap));
    EXPECT_EQ(k.state->image.at(image::kWinLock), 0);
    EXPECT_EQ(k.state->image.at(image::kResponseTime), factory.image.at(image::kResponseTime));
    for (std::size_t r = 0; r < kKeyRecordCount; ++r) {
        KeyRecord expected;
        if (r < kKeyCount)
            expected.at(keyrecord::kDefaultVk) = kKeyLayout[r].defaultVk;
        EXPECT_EQ(k.state->keys[r], expected) << "record " << r;
    }
    EXPECT_TRUE(std::all_of(k.state->keyCustomised.begin(), k.state->keyCustomised.end(),
                            [](auto f) { return f == 0; }));
    EXPECT_EQ(k.state->image, k.state->imageSnapshot);
    EXPECT_EQ(k.state->keys, k.state->keysSnapshot);
    EXPECT_EQ(test::ReadAll(dir / "keymap.bin").size(), kKeymapFileSize);
    EXPECT_TRUE(k.keyboard.Violations().empty()) << k.keyboard.Violations()[0].what;
}

TEST_F(FactoryResetTest, UnwritableKeymapKeepsTheOldSnapshots) {
    test::WriteAll(dir / "file", {0});
    k.state->folders.data = dir / "file" / "sub";
    const DeviceImage oldSnapshot = k.state->imageSnapshot;
    const ResetOutcome r = ResetKeyboardAndState(k.link, *k.state);
    EXPECT_TRUE(r.device);
    EXPECT_FALSE(r.keymapFile);
    EXPECT_EQ(k.state->imageSnapshot, oldSnapshot);
}

TEST_F(FactoryResetTest, NotConnectedChangesNothing) {
    k.link.CloseHandles();
    const KeyTable before = k.state->keys;
    const ResetOutcome r = ResetKeyboardAndState(k.link, *k.state);
    EXPECT_FALSE(r.connected);
    EXPECT_EQ(k.state->keys, before);
    EXPECT_TRUE(k.conversation.Lines().empty());
}

} // namespace
} // namespace hx
