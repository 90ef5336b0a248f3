#include "config/LocalFiles.h"
#include "macro/MacroCommit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace hx {
namespace {

TEST(MacroCommit, FillsTheSlotsThenWritesBothFiles) {
    test::TempDir dir;
    auto state = std::make_unique<AppState>();
    state->folders.data = dir.path();
    state->macroLibrary[0].SetName(u"M");
    state->macroLibrary[0].SetRepeatCount(0x0102);
    state->macroLibrary[0].DeviceEvents()[0] = 0x01;
    state->macroLibrary[0].DeviceEvents()[1] = 0x04;
    // A slot behind the library's macros keeps what it held.
    std::ranges::fill(state->image.span(image::MacroSlot(1)), std::uint8_t{0xAA});

    ASSERT_TRUE(CommitMacroLibrary(*state).ok());

    const auto slot0 = state->image.span(image::MacroSlot(0));
    EXPECT_EQ(slot0[0], 0x01);
    EXPECT_EQ(slot0[1], 0x02);
    EXPECT_EQ(slot0[2], 0x01);
    EXPECT_EQ(slot0[3], 0x04);
    EXPECT_EQ(state->image.span(image::MacroSlot(1))[0], 0xAA);

    const auto keymap = test::ReadAll(dir / kKeymapFileName);
    ASSERT_EQ(keymap.size(), kKeymapFileSize);
    EXPECT_TRUE(std::equal(state->image.bytes.begin(), state->image.bytes.end(), keymap.begin()));
    const auto macros = test::ReadAll(dir / kMacroFileName);
    ASSERT_EQ(macros.size(), macrolib::kSize);
    EXPECT_TRUE(std::ranges::equal(state->macroLibrary.bytes(), macros));
}

TEST(MacroCommit, AFailedWriteIsReported) {
    auto state = std::make_unique<AppState>();
    state->folders.data = "/nonexistent/hxtr720-test";
    EXPECT_FALSE(CommitMacroLibrary(*state).ok());
}

} // namespace
} // namespace hx
