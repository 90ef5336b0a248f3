#include "common/Utf16.h"
#include "config/LocalFiles.h"
#include "keymap/EncodeAssignment.h"
#include "keymap/KeyLayout.h"
#include "keymap/RemapEntry.h"
#include "keymap/ShortcutKinds.h"
#include "macro/EventList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

namespace hx {
namespace {

constexpr std::size_t kEsc = kEscKey;
constexpr std::size_t kVolumeDownKey = 16;
constexpr std::size_t kMediaKey = 17;
constexpr std::size_t kPlayPauseKey = 18;
constexpr std::size_t kVolumeUpKey = 19;
constexpr std::size_t kKeypadEnterKey = 94;
constexpr std::uint8_t kUnchanged = 0x5A; // keyCustomised marker: "left as it was"
constexpr RemapBytes kOldEntry{0x0B, 0x0B, 0x0B, 0x0B};

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string out;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", b);
        out += buf;
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

// One sane fixture: every key on its default code with a marked record and remap entry, so a
// byte the encoder must leave alone is visible.
std::unique_ptr<AppState> MarkedState() {
    auto state = std::make_unique<AppState>();
    StampDefaultKeyCodes(state->keys);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        KeyRecord& r = state->keys[k];
        for (std::size_t i = 0; i < keyrecord::kChosenCodes.size; ++i)
            r.at(keyrecord::kChosenCodes, i) = static_cast<std::uint8_t>(0xC0 + i % 8);
        r.at(keyrecord::kAssignType) = 0x66;
        r.at(keyrecord::kChosenCount) = 0x77;
        std::fill(r.bytes.begin() + keyrecord::kLaunchPath.offset, r.bytes.end(), 0xEE);
        WriteRemapEntry(state->image, k, kOldEntry);
        state->image.SetEnableBit(kKeyLayout[k].enableBit(), false);
    }
    state->keyCustomised.fill(kUnchanged);
    return state;
}

AssignmentResult Result(std::uint8_t type, std::initializer_list<std::uint8_t> keys = {},
                        std::optional<std::uint32_t> length = std::nullopt) {
    AssignmentResult r;
    r.assignType = type;
    std::copy(keys.begin(), keys.end(), r.chosenKeys.begin());
    r.chosenLength = length.value_or(static_cast<std::uint32_t>(keys.size()));
    return r;
}

AssignmentResult Macro(std::int32_t m) {
    AssignmentResult r = Result(ASSIGN_MACRO);
    r.chosenMacro = m;
    return r;
}

AssignmentResult Function(std::u16string name) {
    AssignmentResult r = Result(ASSIGN_FUNCTION);
    r.chosenFunction = std::move(name);
    return r;
}

AssignmentResult Shortcut(std::uint8_t type, std::u16string path) {
    AssignmentResult r = Result(type);
    r.chosenPath = std::move(path);
    return r;
}

AssignmentResult Reset(std::uint8_t type = ASSIGN_MACRO) {
    return Result(type, {}, assignment::kResetLength);
}

const char* kMarkedData = "C0 C1 C2 C3";

struct Case {
    const char* guards;
    std::size_t key;
    AssignmentResult result;
    std::string entry;   // the key's RemapEntry after encoding
    std::uint8_t type;   // record byte 1
    std::string data;    // record data bytes 0..3
    std::uint8_t length; // record byte 257
    std::uint8_t customised;
};

class EncodeAssignmentTable : public ::testing::TestWithParam<Case> {};

TEST_P(EncodeAssignmentTable, RecordAndRemapBytes) {
    const Case& c = GetParam();
    auto state = MarkedState();
    AssignmentResult result = c.result;
    EncodeAssignment(*state, c.key, result);
    const KeyRecord& r = state->keys[c.key];
    EXPECT_EQ(Hex(ReadRemapEntry(state->image, c.key)), c.entry);
    EXPECT_EQ(r.at(keyrecord::kAssignType), c.type);
    EXPECT_EQ(Hex(std::span(r.bytes).subspan(keyrecord::kChosenCodes.offset, 4)), c.data);
    EXPECT_EQ(r.at(keyrecord::kChosenCount), c.length);
    EXPECT_EQ(state->keyCustomised[c.key], c.customised);
    EXPECT_EQ(r.at(keyrecord::kDefaultVk), kKeyLayout[c.key].defaultVk);
    // No other key changes.
    auto untouched = MarkedState();
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        if (k == c.key)
            continue;
        EXPECT_EQ(state->keys[k], untouched->keys[k]) << "record " << k;
        EXPECT_EQ(ReadRemapEntry(state->image, k), kOldEntry) << "entry " << k;
    }
}

// Single keys: the entry is built from the catalogue's device code of the captured key.
const Case kSingleKeys[] = {
    {"letter A", kEsc, Result(ASSIGN_KEY, {0x41}), "00 00 04 00", 0, "41 00 00 00", 1, 1},
    {"own code clears the record", kEsc, Result(ASSIGN_KEY, {0x1B}), "00 00 29 00", 0,
     "00 00 00 00", 0, 0},
    {"Media is consumer usage 0x0183", kEsc, Result(ASSIGN_KEY, {0xB5}), "03 00 83 01", 0,
     "B5 00 00 00", 1, 1},
    {"Play/Pause", kEsc, Result(ASSIGN_KEY, {0xB3}), "03 00 CD 00", 0, "B3 00 00 00", 1, 1},
    {"Volume UP", kEsc, Result(ASSIGN_KEY, {0xAF}), "03 00 E9 00", 0, "AF 00 00 00", 1, 1},
    {"Volume DOWN", kEsc, Result(ASSIGN_KEY, {0xAE}), "03 00 EA 00", 0, "AE 00 00 00", 1, 1},
    {"mouse left button", kEsc, Result(ASSIGN_KEY, {0xF0}), "00 00 F0 00", 0, "F0 00 00 00", 1, 1},
    {"mouse wheel down", kEsc, Result(ASSIGN_KEY, {0xF9}), "00 00 F9 00", 0, "F9 00 00 00", 1, 1},
    {"mouse code without a name", kEsc, Result(ASSIGN_KEY, {0xF3}), "00 00 F3 00", 0, "F3 00 00 00",
     1, 1},
    {"backslash sends the catalogue code", kEsc, Result(ASSIGN_KEY, {0xDC}), "00 00 32 00", 0,
     "DC 00 00 00", 1, 1},
    {"keypad Enter is not Enter", kEsc, Result(ASSIGN_KEY, {0x6C}), "00 00 58 00", 0, "6C 00 00 00",
     1, 1},
    {"main Enter", kEsc, Result(ASSIGN_KEY, {0x0D}), "00 00 28 00", 0, "0D 00 00 00", 1, 1},
    {"Apps code", kEsc, Result(ASSIGN_KEY, {0x5D}), "00 00 65 00", 0, "5D 00 00 00", 1, 1},
    {"the Fn position given its own code 0x5D counts as factory", kFnKey,
     Result(ASSIGN_KEY, {0x5D}), "00 00 65 00", 0, "00 00 00 00", 0, 0},
    {"unlisted code sends 0", kEsc, Result(ASSIGN_KEY, {0x07}), "00 00 00 00", 0, "07 00 00 00", 1,
     1},
    {"Media key given its own code keeps the consumer entry", kMediaKey, Result(ASSIGN_KEY, {0xB5}),
     "03 00 83 01", 0, "00 00 00 00", 0, 0},
    {"two keys as single key: record only", kEsc, Result(ASSIGN_KEY, {0x41, 0x42}), "0B 0B 0B 0B",
     0, "41 42 00 00", 2, kUnchanged},
    {"no key as single key: record only", kEsc, Result(ASSIGN_KEY, {}), "0B 0B 0B 0B", 0,
     "00 00 00 00", 0, kUnchanged},
};
INSTANTIATE_TEST_SUITE_P(SingleKey, EncodeAssignmentTable, ::testing::ValuesIn(kSingleKeys));

const Case kCombinations[] = {
    {"LCtrl C", kEsc, Result(ASSIGN_COMBO, {0xA2, 0x43}), "00 E0 06 00", 1, "A2 43 00 00", 2, 1},
    {"LCtrl LAlt Del", kEsc, Result(ASSIGN_COMBO, {0xA2, 0xA4, 0x2E}), "00 E0 E2 4C", 1,
     "A2 A4 2E 00", 3, 1},
    {"only A: byte 1, key not marked", kEsc, Result(ASSIGN_COMBO, {0x41}), "00 04 00 00", 1,
     "41 00 00 00", 1, kUnchanged},
    {"consumer code not special inside", kEsc, Result(ASSIGN_COMBO, {0xB5, 0x41}), "00 83 04 00", 1,
     "B5 41 00 00", 2, 1},
    {"mouse code inside", kEsc, Result(ASSIGN_COMBO, {0xA0, 0xF0}), "00 E1 F0 00", 1, "A0 F0 00 00",
     2, 1},
    {"unlisted code gives 0", kEsc, Result(ASSIGN_COMBO, {0x07, 0x41}), "00 00 04 00", 1,
     "07 41 00 00", 2, 1},
    {"keypad Enter with RCtrl", kEsc, Result(ASSIGN_COMBO, {0xA3, 0x6C}), "00 E4 58 00", 1,
     "A3 6C 00 00", 2, 1},
};
INSTANTIATE_TEST_SUITE_P(Combination, EncodeAssignmentTable, ::testing::ValuesIn(kCombinations));

const Case kOthers[] = {
    {"macro 5", kEsc, Macro(5), "04 01 05 00", 2, "04 01 05 00", 0x77, 1},
    {"macro 0", kEsc, Macro(0), "04 01 00 00", 2, "04 01 00 00", 0x77, 1},
    {"macro 31, the last slot", kEsc, Macro(31), "04 01 1F 00", 2, "04 01 1F 00", 0x77, 1},
    {"no macro: record only", kEsc, Macro(-1), "0B 0B 0B 0B", 2, "04 01 FF 00", 0x77, kUnchanged},
    {"macro without a slot: record only", kEsc, Macro(32), "0B 0B 0B 0B", 2, "04 01 20 00", 0x77,
     kUnchanged},
    {"function Copy", kEsc, Function(u"Скопіювати"), "00 E0 06 00", 3, "00 E0 06 00", 0x77, 1},
    {"function home page", kEsc, Function(u"Головна сторінка"), "03 00 23 02", 3, "03 00 23 02",
     0x77, 1},
    {"function Ctrl Alt Del", kEsc, Function(u"Управління"), "00 E0 E2 4C", 3, "00 E0 E2 4C", 0x77,
     1},
    {"category is no function", kEsc, Function(u"Мультимедіа"), "0B 0B 0B 0B", 3, kMarkedData, 0x77,
     1},
    {"name compared exactly", kEsc, Function(u"Скопіювати "), "0B 0B 0B 0B", 3, kMarkedData, 0x77,
     1},
    {"play sound on Esc", kEsc, Shortcut(ASSIGN_PLAY_SOUND, u"/m/a.mp3"), "0A 00 1B 00", 4,
     "03 00 23 02", 0x77, 1},
    {"run program on Esc", kEsc, Shortcut(ASSIGN_RUN_PROGRAM, u"/bin/x"), "0A 00 1B 00", 5,
     "03 00 23 02", 0x77, 1},
    {"open file on F1", 1, Shortcut(ASSIGN_OPEN_FILE, u"/t.txt"), "0A 00 70 00", 6, "03 00 23 02",
     0x77, 1},
    {"open folder on the Fn position", kFnKey, Shortcut(ASSIGN_OPEN_FOLDER, u"/home"),
     "0A 00 5D 00", 7, "03 00 23 02", 0x77, 1},
    {"default on Media", kMediaKey, Result(ASSIGN_DEFAULT), "03 00 83 01", 0, "00 00 00 00", 0,
     kUnchanged},
    {"default on Volume UP", kVolumeUpKey, Result(ASSIGN_DEFAULT), "03 00 E9 00", 0, "00 00 00 00",
     0, kUnchanged},
    {"default on Volume DOWN", kVolumeDownKey, Result(ASSIGN_DEFAULT), "03 00 EA 00", 0,
     "00 00 00 00", 0, kUnchanged},
    {"default on Play/Pause", kPlayPauseKey, Result(ASSIGN_DEFAULT), "03 00 CD 00", 0,
     "00 00 00 00", 0, kUnchanged},
    {"default on backslash: catalogue code, not factory 0x31", kBackslashKey,
     Result(ASSIGN_DEFAULT), "00 00 32 00", 0, "00 00 00 00", 0, kUnchanged},
    {"default on Fn: the Apps code, not the kind 2 entry", kFnKey, Result(ASSIGN_DEFAULT),
     "00 00 65 00", 0, "00 00 00 00", 0, kUnchanged},
    {"default on keypad Enter", kKeypadEnterKey, Result(ASSIGN_DEFAULT), "00 00 58 00", 0,
     "00 00 00 00", 0, kUnchanged},
    {"reset on Media", kMediaKey, Reset(), "03 00 83 01", 0, "00 00 00 00", 0, kUnchanged},
    {"reset on Fn", kFnKey, Reset(), "00 00 65 00", 0, "00 00 00 00", 0, kUnchanged},
    {"reset ignores a shortcut type", kEsc, Reset(ASSIGN_OPEN_FOLDER), "00 00 29 00", 0,
     "00 00 00 00", 0, kUnchanged},
    {"nothing chosen changes nothing", kEsc, Result(ASSIGN_NONE, {0x41}), "0B 0B 0B 0B", 0x66,
     kMarkedData, 0x77, kUnchanged},
    {"unknown type changes nothing", kEsc, Result(9, {0x41}), "0B 0B 0B 0B", 0x66, kMarkedData,
     0x77, kUnchanged},
};
INSTANTIATE_TEST_SUITE_P(OtherTypes, EncodeAssignmentTable, ::testing::ValuesIn(kOthers));

TEST(EncodeAssignment, ChosenKeysFillAll255DataBytes) {
    auto state = MarkedState();
    AssignmentResult result = Result(ASSIGN_COMBO, {0xA2, 0x43});
    result.chosenKeys[254] = 0x99; // whatever the dialog left there is stored too
    EncodeAssignment(*state, kEsc, result);
    const KeyRecord& r = state->keys[kEsc];
    EXPECT_TRUE(std::equal(result.chosenKeys.begin(), result.chosenKeys.end(),
                           r.bytes.begin() + keyrecord::kChosenCodes.offset));
    EXPECT_EQ(r.at(keyrecord::kLaunchPath), 0xEE); // the path is not touched
}

TEST(EncodeAssignment, FourByteTypesKeepTheOtherDataBytes) {
    for (const AssignmentResult& result :
         {Macro(5), Function(u"Новий"), Shortcut(ASSIGN_OPEN_FILE, u"/a")}) {
        auto state = MarkedState();
        AssignmentResult copy = result;
        EncodeAssignment(*state, kEsc, copy);
        const KeyRecord& r = state->keys[kEsc];
        for (std::size_t i = 4; i < keyrecord::kChosenCodes.size; ++i)
            ASSERT_EQ(r.at(keyrecord::kChosenCodes, i), 0xC0 + i % 8)
                << "type " << int(result.assignType);
        EXPECT_EQ(r.at(keyrecord::kReserved), 0);
    }
}

TEST(EncodeAssignment, ShortcutStoresThePathAndTerminatorOnly) {
    auto state = MarkedState();
    AssignmentResult result = Shortcut(ASSIGN_PLAY_SOUND, u"/home/u/Музика/a.mp3");
    EncodeAssignment(*state, kEsc, result);
    const KeyRecord& r = state->keys[kEsc];
    EXPECT_EQ(StoredShortcutPath(r), u"/home/u/Музика/a.mp3");
    const std::size_t end = keyrecord::kLaunchPath.offset + 2 * result.chosenPath.size();
    EXPECT_EQ(r.bytes[end], 0);
    EXPECT_EQ(r.bytes[end + 1], 0);
    EXPECT_EQ(r.bytes[end + 2], 0xEE); // the bytes behind the terminator are left as they were
}

TEST(EncodeAssignment, ShortcutPathCutAt255Units) {
    auto state = MarkedState();
    AssignmentResult result = Shortcut(ASSIGN_OPEN_FOLDER, std::u16string(300, u'p'));
    EncodeAssignment(*state, kEsc, result);
    const KeyRecord& r = state->keys[kEsc];
    EXPECT_EQ(StoredShortcutPath(r), std::u16string(255, u'p'));
    EXPECT_EQ(r.bytes[keyrecord::kSize - 2], 0);
    EXPECT_EQ(r.bytes[keyrecord::kSize - 1], 0);
}

TEST(EncodeAssignment, ShortcutEntryUsesByteZeroAsItStandsThenRestamps) {
    auto state = MarkedState();
    state->keys[kEsc].at(keyrecord::kDefaultVk) = 0;
    AssignmentResult result = Shortcut(ASSIGN_RUN_PROGRAM, u"/x");
    EncodeAssignment(*state, kEsc, result);
    EXPECT_EQ(Hex(ReadRemapEntry(state->image, kEsc)), "0A 00 00 00");
    EXPECT_EQ(state->keys[kEsc].at(keyrecord::kDefaultVk), 0x1B);
}

TEST(EncodeAssignment, ResetWithByteZeroClearedGivesAnEmptyEntry) {
    auto state = MarkedState();
    state->keys[kEsc].at(keyrecord::kDefaultVk) = 0;
    AssignmentResult result = Reset();
    EncodeAssignment(*state, kEsc, result);
    EXPECT_EQ(Hex(ReadRemapEntry(state->image, kEsc)), "00 00 00 00");
}

TEST(EncodeAssignment, ResetEnablesTheKey) {
    auto state = MarkedState();
    AssignmentResult result = Reset();
    result.keyEnabled = 0;
    EncodeAssignment(*state, kEsc, result);
    EXPECT_EQ(result.keyEnabled, 1);
    EXPECT_TRUE(state->image.EnableBit(120)); // Esc
    EXPECT_FALSE(state->image.EnableBit(kKeyLayout[1].enableBit()));
}

TEST(EncodeAssignment, OnlyResetTouchesTheEnableBitmap) {
    auto state = MarkedState();
    AssignmentResult result = Result(ASSIGN_DEFAULT);
    EncodeAssignment(*state, kEsc, result);
    EXPECT_FALSE(state->image.EnableBit(120));
}

TEST(EncodeAssignment, KeysOutsideTheLayoutChangeNothing) {
    auto state = MarkedState();
    auto before = MarkedState();
    AssignmentResult result = Reset();
    EncodeAssignment(*state, kKeyCount, result);
    EncodeAssignment(*state, 254, result);
    EXPECT_EQ(state->image, before->image);
    EXPECT_EQ(state->keys, before->keys);
}

void NameMacros(AppState& state, std::initializer_list<int> indexes) {
    for (int i : indexes) {
        MacroRecord& r = state.macroLibrary[i];
        r.SetName(u"m");
        r.SetRepeatCount(static_cast<std::uint16_t>(i + 1));
        const MacroEvent events[] = {{false, 1, static_cast<std::uint8_t>(4 + i)}};
        ASSERT_TRUE(EncodeEvents(events, r.DeviceEvents()));
    }
}

TEST(EncodeAssignment, MacroRefillsTheSlotsFromTheLibrary) {
    auto state = MarkedState();
    std::ranges::fill(state->image.span(image::kDeviceMacroSlots), std::uint8_t{0xA5});
    NameMacros(*state, {0, 1, 2, 4}); // record 3 unnamed: the fill stops there
    AssignmentResult result = Macro(1);
    EncodeAssignment(*state, kEsc, result);
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(state->image.at(image::MacroSlot(s), 1), s + 1) << "slot " << s;
        EXPECT_EQ(state->image.at(image::MacroSlot(s), 3), 4 + s) << "slot " << s;
    }
    EXPECT_EQ(state->image.at(image::MacroSlot(3), 0), 0xA5);
    EXPECT_EQ(state->image.at(image::MacroSlot(4), 0), 0xA5);
}

TEST(EncodeAssignment, MacroLeavesTheSlotsWhenRecordZeroHasNoName) {
    auto state = MarkedState();
    std::ranges::fill(state->image.span(image::kDeviceMacroSlots), std::uint8_t{0xA5});
    NameMacros(*state, {1});
    AssignmentResult result = Macro(0);
    EncodeAssignment(*state, kEsc, result);
    EXPECT_EQ(Hex(ReadRemapEntry(state->image, kEsc)), "04 01 00 00");
    EXPECT_TRUE(std::ranges::all_of(state->image.span(image::kDeviceMacroSlots),
                                    [](std::uint8_t b) { return b == 0xA5; }));
}

TEST(EncodeAssignment, NoMacroLeavesTheSlots) {
    auto state = MarkedState();
    NameMacros(*state, {0});
    AssignmentResult result = Macro(-1);
    EncodeAssignment(*state, kEsc, result);
    EXPECT_EQ(state->image.at(image::MacroSlot(0), 2), 0);
}

TEST(RemapEntry, LocatedRowMajor) {
    EXPECT_EQ(RemapEntryOffset(kEscKey), 792u + 4 * 105);
    EXPECT_EQ(RemapEntryOffset(kLeftWinKey), 792u + 4 * 1);
    EXPECT_EQ(RemapEntryOffset(kKeypadEnterKey), 792u + 4 * 20);
}

class CommitKeyAssignmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = MarkedState();
        state->folders = {dir.path(), dir.path()};
    }
    test::TempDir dir;
    std::unique_ptr<AppState> state;
};

TEST_F(CommitKeyAssignmentTest, EnabledKeySavesTheLiveBlocks) {
    AssignmentResult result = Result(ASSIGN_KEY, {0x41});
    ASSERT_TRUE(CommitKeyAssignment(*state, kEsc, result));
    EXPECT_TRUE(state->image.EnableBit(120));
    EXPECT_EQ(state->keyCustomised[kEsc], 1);
    const auto file = test::ReadAll(dir / "keymap.bin");
    ASSERT_EQ(file.size(), 206920u);
    EXPECT_TRUE(std::equal(state->image.bytes.begin(), state->image.bytes.end(), file.begin()));
    EXPECT_TRUE(std::equal(file.begin() + 10060, file.end(),
                           reinterpret_cast<const std::uint8_t*>(&state->keys)));
}

TEST_F(CommitKeyAssignmentTest, OwnFunctionCountsAsFactory) {
    AssignmentResult result = Result(ASSIGN_DEFAULT);
    ASSERT_TRUE(CommitKeyAssignment(*state, kEsc, result));
    EXPECT_EQ(state->keyCustomised[kEsc], 0);
    EXPECT_TRUE(state->image.EnableBit(120));
}

TEST_F(CommitKeyAssignmentTest, DisabledKeyIsCustomisedEvenOnItsOwnFunction) {
    AssignmentResult result = Result(ASSIGN_KEY, {0x1B});
    result.keyEnabled = 0;
    ASSERT_TRUE(CommitKeyAssignment(*state, kEsc, result));
    EXPECT_FALSE(state->image.EnableBit(120));
    EXPECT_EQ(state->keyCustomised[kEsc], 1);
    EXPECT_EQ(Hex(ReadRemapEntry(state->image, kEsc)), "00 00 29 00");
}

TEST_F(CommitKeyAssignmentTest, ResetOverridesTheTickBox) {
    AssignmentResult result = Reset();
    result.keyEnabled = 0;
    ASSERT_TRUE(CommitKeyAssignment(*state, kEsc, result));
    EXPECT_TRUE(state->image.EnableBit(120));
    EXPECT_EQ(state->keyCustomised[kEsc], 0);
}

TEST_F(CommitKeyAssignmentTest, UnwritableFolderKeepsMemoryChanged) {
    state->folders.data = dir.path() / "missing" / "deeper";
    AssignmentResult result = Result(ASSIGN_KEY, {0x41});
    EXPECT_FALSE(CommitKeyAssignment(*state, kEsc, result));
    EXPECT_EQ(Hex(ReadRemapEntry(state->image, kEsc)), "00 00 04 00");
}

} // namespace
} // namespace hx
