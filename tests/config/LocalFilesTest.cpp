#include "config/LocalFiles.h"
#include "keymap/KeyLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <algorithm>
#include <optional>

namespace hx {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

class LocalFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = std::make_unique<AppState>();
        state->folders = {dir.path(), dir.path()};
    }
    std::vector<std::uint8_t> KeymapBytes(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return bytes;
    }

    TempDir dir;
    std::unique_ptr<AppState> state;
};

TEST_F(LocalFilesTest, FirstStartCreatesBothFilesWithExactContents) {
    state->image.at(image::kReportRate) = 2;
    state->keys[5].at(keyrecord::kAssignType) = 9; // cleared before the file is created

    auto keymap = LoadKeymap(*state);
    ASSERT_TRUE(keymap) << keymap.error().message;
    EXPECT_TRUE(keymap->created);
    auto macros = LoadOrCreateMacroLibrary(*state);
    ASSERT_TRUE(macros) << macros.error().message;
    EXPECT_TRUE(macros->created);

    const auto file = ReadAll(dir / "keymap.bin");
    ASSERT_EQ(file.size(), 206920u);
    EXPECT_EQ(file[11], 2);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 10060, state->image.bytes.begin()));
    EXPECT_TRUE(std::all_of(file.begin() + 10060, file.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(state->keys, KeyTable{});

    const auto macroFile = ReadAll(dir / "MacroDefine.bin");
    ASSERT_EQ(macroFile.size(), 169860u);
    EXPECT_TRUE(std::all_of(macroFile.begin(), macroFile.end(), [](auto b) { return b == 0; }));
}

TEST_F(LocalFilesTest, LoadFillsBothBlocksAndStampsDefaultCodes) {
    WriteAll(dir / "keymap.bin", KeymapBytes(206920));
    auto outcome = LoadKeymap(*state);
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->created);
    EXPECT_FALSE(outcome->notice);
    const auto bytes = KeymapBytes(206920);
    EXPECT_TRUE(std::equal(state->image.bytes.begin(), state->image.bytes.end(), bytes.begin()));
    for (std::size_t k = 0; k < kKeyRecordCount; ++k) {
        const std::size_t at = 10060 + k * 772;
        const std::uint8_t expected = k < kKeyCount ? kKeyLayout[k].defaultVk : bytes[at];
        EXPECT_EQ(state->keys[k].at(keyrecord::kDefaultVk), expected) << "record " << k;
        EXPECT_EQ(state->keys[k].at(keyrecord::kAssignType), bytes[at + 1]);
    }
}

TEST_F(LocalFilesTest, KeepImageReloadRestoresOnlyTheKeyTable) {
    WriteAll(dir / "keymap.bin", KeymapBytes(206920));
    ASSERT_TRUE(LoadKeymap(*state));
    const KeyTable saved = state->keys;
    state->image.at(image::kLightingSettings, image::kLightingSpeed) = 99;
    state->keys[7].at(keyrecord::kChosenCodes, 0) ^= 0xFF;

    ASSERT_TRUE(LoadKeymap(*state, /*keepImage=*/true));
    EXPECT_EQ(state->image.at(image::kLightingSettings, image::kLightingSpeed), 99);
    EXPECT_EQ(state->keys, saved);
}

TEST_F(LocalFilesTest, SaveFromSnapshotsLeavesUnappliedEditsOut) {
    state->image.at(image::kGameMode) = 1;
    state->TakeSnapshot();
    state->TakeKeySnapshot();
    state->image.at(image::kGameMode) = 0;
    state->keys[1].at(keyrecord::kAssignType) = 5;

    ASSERT_TRUE(SaveKeymapFromSnapshots(*state));
    auto file = ReadAll(dir / "keymap.bin");
    ASSERT_EQ(file.size(), 206920u);
    EXPECT_EQ(file[image::kGameMode.offset], 1);
    EXPECT_EQ(file[10060 + 772 + keyrecord::kAssignType.offset], 0);

    ASSERT_TRUE(SaveKeymapFromLive(*state));
    file = ReadAll(dir / "keymap.bin");
    EXPECT_EQ(file[image::kGameMode.offset], 0);
    EXPECT_EQ(file[10060 + 772 + keyrecord::kAssignType.offset], 5);
}

TEST_F(LocalFilesTest, WrongSizedFilesLoadAsFarAsTheyGoAndAreKept) {
    struct Case {
        const char* name;
        std::size_t size;
    };
    for (const Case c : {Case{"short inside the image", 5000}, Case{"short inside the keys", 50000},
                         Case{"long", 206920 + 17}}) {
        SCOPED_TRACE(c.name);
        state = std::make_unique<AppState>();
        state->folders = {dir.path(), dir.path()};
        state->image.bytes.fill(0xEE);
        state->keys[150].at(keyrecord::kLaunchPath, 0) = 0xEE;
        const auto bytes = KeymapBytes(c.size);
        WriteAll(dir / "keymap.bin", bytes);

        auto outcome = LoadKeymap(*state);
        ASSERT_TRUE(outcome);
        ASSERT_TRUE(outcome->notice);
        EXPECT_NE(outcome->notice->find("keymap.bin.bad"), std::string::npos) << *outcome->notice;
        EXPECT_EQ(ReadAll(dir / "keymap.bin.bad"), bytes);

        const std::size_t imageBytes = std::min<std::size_t>(c.size, 10060);
        EXPECT_EQ(state->image.bytes[imageBytes - 1], bytes[imageBytes - 1]);
        if (c.size < 10060) {
            EXPECT_EQ(state->image.bytes[c.size], 0xEE); // the rest keeps what it held
        }
        EXPECT_EQ(state->keys[150].at(keyrecord::kLaunchPath, 0),
                  c.size > 206920 ? bytes[10060 + 150 * 772 + 260] : 0xEE);
    }
}

TEST_F(LocalFilesTest, UnwritableFolderFailsWithoutTouchingMemory) {
    // A folder below a plain file cannot exist, even for root.
    WriteAll(dir / "plain", {1});
    state->folders.data = dir / "plain" / "data";
    state->keys[2].at(keyrecord::kAssignType) = 6;

    auto loaded = LoadKeymap(*state);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().message.find("keymap.bin"), std::string::npos);
    EXPECT_EQ(state->keys[2].at(keyrecord::kAssignType), 6);
    EXPECT_FALSE(SaveKeymapFromLive(*state));
    EXPECT_FALSE(LoadOrCreateMacroLibrary(*state));
}

TEST_F(LocalFilesTest, UnreadableKeymapIsNeverReplaced) {
    std::filesystem::create_directory(dir / "keymap.bin");
    EXPECT_FALSE(LoadKeymap(*state));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "keymap.bin"));
}

TEST_F(LocalFilesTest, FailedSaveLeavesNoTemporaryFile) {
    // Make the rename fail: the target is a non-empty folder.
    std::filesystem::create_directories(dir / "keymap.bin" / "x");
    EXPECT_FALSE(SaveKeymapFromLive(*state));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "keymap.bin") << "temporary file left behind";
}

TEST(VersionFile, DigitsAtFiveAndSeven) {
    struct Case {
        const char* name;
        std::optional<std::string> contents;
        ExpectedVersion expected;
    };
    const Case cases[] = {
        {"missing", std::nullopt, {0, 0}},
        {"2.5 whatever the rest", "xxxxx2y5zzzz", {2, 5}},
        {"1.0", "VER: 1.0    ", {1, 0}},
        {"major not a digit", "xxxxxAy5zzzz", {0, 0}},
        {"minor not a digit", "xxxxx2y zzzz", {0, 0}},
        {"too short", "xxxxx2", {0, 0}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.contents)
            WriteAll(dir / "VER.bin", {c.contents->begin(), c.contents->end()});
        EXPECT_EQ(ReadVersionFile(dir.path()), c.expected) << c.name;
    }
}

} // namespace
} // namespace hx
