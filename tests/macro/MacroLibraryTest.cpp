#include "config/LocalFiles.h"
#include "macro/EventList.h"
#include "macro/MacroLibrary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace hx {
namespace {

// Record fields by hand, so a test fails when a named offset moves.
static_assert(macrorecord::kName.offset == 0 && macrorecord::kName.size == 510);
static_assert(macrorecord::kRepeatCount.offset == 510 && macrorecord::kRepeatCount.size == 2);
static_assert(macrorecord::kFlags.offset == 512);
static_assert(macrorecord::kDeviceEvents.offset == 513 && macrorecord::kDeviceEvents.size == 190);
static_assert(macrorecord::kKeyEvents.offset == 703 && macrorecord::kKeyEvents.size == 190);
static_assert(macrorecord::kReserved.offset == 893);
static_assert(sizeof(MacroLibrary) == 169860 && sizeof(MacroSlot) == 192);

std::u16string Named(int i) {
    std::u16string name = u"Macro_";
    for (char c : std::to_string(i))
        name += static_cast<char16_t>(c);
    return name;
}

// A macro whose events and repeat count say which record it came from.
MacroRecord MacroNumber(int i) {
    MacroRecord r;
    r.SetName(Named(i));
    r.SetRepeatCount(static_cast<std::uint16_t>(0x0100 + i));
    const auto key = static_cast<std::uint8_t>(0x04 + i % 26);
    const MacroEvent events[] = {{false, 1, key}, {true, 300, key}};
    EXPECT_TRUE(EncodeEvents(events, r.DeviceEvents()));
    return r;
}

std::unique_ptr<MacroLibrary> LibraryOf(int named) {
    auto lib = std::make_unique<MacroLibrary>();
    for (int i = 0; i < named; ++i)
        (*lib)[i] = MacroNumber(i);
    return lib;
}

// Every slot byte set to a marker, so a slot the fill did not write is visible.
std::unique_ptr<DeviceImage> MarkedImage() {
    auto image = std::make_unique<DeviceImage>();
    std::ranges::fill(image->span(image::kDeviceMacroSlots), std::uint8_t{0xA5});
    return image;
}

bool SlotIsMarked(const DeviceImage& image, std::size_t slot) {
    return std::ranges::all_of(image.span(image::MacroSlot(slot)),
                               [](std::uint8_t b) { return b == 0xA5; });
}

MacroSlot SlotIn(const DeviceImage& image, std::size_t slot) {
    MacroSlot s;
    std::ranges::copy(image.span(image::MacroSlot(slot)), s.bytes.begin());
    return s;
}

TEST(MacroRecord, FieldsSitAtTheirOffsets) {
    MacroRecord r;
    r.SetName(u"Ab");
    r.SetRepeatCount(0x1234);
    r.SetHasDelays(true);
    r.DeviceEvents()[0] = 0x01;
    r.KeyEvents()[189] = 0x99;
    EXPECT_EQ(r.bytes[0], 'A');
    EXPECT_EQ(r.bytes[1], 0);
    EXPECT_EQ(r.bytes[2], 'b');
    EXPECT_EQ(r.bytes[4], 0);
    EXPECT_EQ(r.bytes[510], 0x34); // little-endian in the record
    EXPECT_EQ(r.bytes[511], 0x12);
    EXPECT_EQ(r.bytes[512], 0x01);
    EXPECT_EQ(r.bytes[513], 0x01);
    EXPECT_EQ(r.bytes[892], 0x99);
    EXPECT_EQ(r.bytes[893], 0);
    EXPECT_EQ(r.RepeatCount(), 0x1234);
    EXPECT_TRUE(r.HasDelays());
    r.SetHasDelays(false);
    EXPECT_EQ(r.bytes[512], 0);
}

TEST(MacroRecord, NameIsUtf16AndCutAt254Characters) {
    MacroRecord r;
    EXPECT_FALSE(r.HasName());
    r.SetName(u"Макрос ₴");
    EXPECT_TRUE(r.HasName());
    EXPECT_EQ(r.Name(), u"Макрос ₴");

    r.SetName(std::u16string(300, u'x'));
    EXPECT_EQ(r.Name(), std::u16string(254, u'x'));
    EXPECT_EQ(r.bytes[508], 0); // terminator in the last unit
    EXPECT_EQ(r.bytes[509], 0);

    r.SetName(u"");
    EXPECT_FALSE(r.HasName());
    EXPECT_TRUE(std::all_of(r.bytes.begin(), r.bytes.begin() + 510, [](auto b) { return b == 0; }));
}

TEST(MacroRecord, NameWithOnlyAHighByteStillCounts) {
    MacroRecord r;
    r.bytes[1] = 0x04; // U+0400: the first unit is not zero
    EXPECT_TRUE(r.HasName());
}

TEST(MacroSlot, RepeatCountBigEndianAndEventsUnchanged) {
    MacroRecord r = MacroNumber(3);
    r.SetRepeatCount(0x0102);
    r.KeyEvents()[0] = 0x77; // never reaches the keyboard
    const MacroSlot slot = MakeMacroSlot(r);
    EXPECT_EQ(slot.bytes[0], 0x01);
    EXPECT_EQ(slot.bytes[1], 0x02);
    EXPECT_TRUE(std::equal(slot.bytes.begin() + 2, slot.bytes.end(), r.DeviceEvents().begin()));
}

TEST(MacroSlot, RepeatCountZeroIsSentAsZero) {
    MacroRecord r = MacroNumber(0);
    r.SetRepeatCount(0);
    const MacroSlot slot = MakeMacroSlot(r);
    EXPECT_EQ(slot.bytes[0], 0);
    EXPECT_EQ(slot.bytes[1], 0);
}

TEST(MacroSlot, A300MsDelayReachesTheSlotAsStored) {
    MacroRecord r;
    r.SetName(u"x");
    r.SetRepeatCount(1);
    const MacroEvent events[] = {{false, 1, 0x04}, {false, 300, 0x04}, {true, 300, 0x04}};
    ASSERT_TRUE(EncodeEvents(events, r.DeviceEvents()));
    const MacroSlot slot = MakeMacroSlot(r);
    const std::uint8_t expected[] = {0x00, 0x01, 0x01, 0x04, 0x7F, 0x04, 0x01,
                                     0x2C, 0xFF, 0x04, 0x01, 0x2C, 0x00};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), slot.bytes.begin()));
}

TEST(FillDeviceMacroSlots, Limits) {
    struct Case {
        const char* guards;
        int named;         // records 0..named-1 get names
        int extraNamedAt;  // a named record behind a gap, -1 = none
        std::size_t slots; // slots written
    };
    const Case cases[] = {
        {"an empty library writes no slot", 0, -1, 0},
        {"one slot per named record", 3, -1, 3},
        {"exactly the 32 slots", 32, -1, 32},
        {"never more than 32 slots", 40, -1, 32},
        {"all 190 records named", 190, -1, 32},
        {"stops at the first unnamed record", 2, 5, 2},
        {"an unnamed record 0 writes nothing", 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        auto lib = LibraryOf(c.named);
        if (c.extraNamedAt >= 0)
            (*lib)[c.extraNamedAt] = MacroNumber(c.extraNamedAt);
        auto image = MarkedImage();
        EXPECT_EQ(FillDeviceMacroSlots(*lib, *image), c.slots);
        for (std::size_t s = 0; s < image::kMacroSlotCount; ++s) {
            if (s < c.slots)
                EXPECT_EQ(SlotIn(*image, s), MakeMacroSlot((*lib)[s])) << "slot " << s;
            else
                EXPECT_TRUE(SlotIsMarked(*image, s)) << "slot " << s;
        }
        // Nothing outside the slots moves.
        EXPECT_EQ(image->bytes[image::kDeviceMacroSlots.offset - 1], 0);
        EXPECT_EQ(image->bytes[image::kDeviceMacroSlots.end()], 0);
    }
}

TEST(FillDeviceMacroSlots, FullEventListsAreCopiedWhole) {
    // 95 short events fill all 190 bytes: there is no terminating zero key byte.
    auto lib = LibraryOf(1);
    std::vector<MacroEvent> events(95, MacroEvent{false, 1, 0x04});
    ASSERT_TRUE(EncodeEvents(events, (*lib)[0].DeviceEvents()));
    EXPECT_EQ(EventListEnd((*lib)[0].DeviceEvents()), 190u);
    auto image = MarkedImage();
    EXPECT_EQ(FillDeviceMacroSlots(*lib, *image), 1u);
    EXPECT_EQ(SlotIn(*image, 0), MakeMacroSlot((*lib)[0]));
    EXPECT_EQ(image->at(image::MacroSlot(0), 191), 0x04);
    EXPECT_TRUE(SlotIsMarked(*image, 1));
}

TEST(FillDeviceMacroSlots, AfterADeleteTheLastSlotKeepsItsOldContents) {
    auto lib = LibraryOf(4);
    auto image = MarkedImage();
    FillDeviceMacroSlots(*lib, *image);
    const MacroSlot oldLast = SlotIn(*image, 3);

    // Delete record 1: the records behind it move down one place.
    std::copy(lib->records.begin() + 2, lib->records.end(), lib->records.begin() + 1);
    lib->records.back() = MacroRecord{};
    EXPECT_EQ(FillDeviceMacroSlots(*lib, *image), 3u);
    EXPECT_EQ(SlotIn(*image, 1), MakeMacroSlot(MacroNumber(2)));
    EXPECT_EQ(SlotIn(*image, 2), MakeMacroSlot(MacroNumber(3)));
    EXPECT_EQ(SlotIn(*image, 3), oldLast);
}

TEST(MacroListNames, UpToTheFirstUnnamedRecordAndAtMost32) {
    auto lib = LibraryOf(3);
    (*lib)[4] = MacroNumber(4);
    EXPECT_EQ(MacroListNames(*lib), (std::vector<std::u16string>{Named(0), Named(1), Named(2)}));
    EXPECT_EQ(NamedMacroCount(*lib), 3u);

    auto big = LibraryOf(40);
    EXPECT_EQ(NamedMacroCount(*big), 40u);
    const auto names = MacroListNames(*big);
    ASSERT_EQ(names.size(), 32u);
    EXPECT_EQ(names[31], Named(31));

    EXPECT_TRUE(MacroListNames(MacroLibrary{}).empty());
}

TEST(MacroLibrary, BytesAreTheFileLayout) {
    auto lib = std::make_unique<MacroLibrary>();
    (*lib)[189].SetRepeatCount(0xBEEF);
    (*lib)[1].SetName(u"Z");
    const auto bytes = lib->bytes();
    EXPECT_EQ(bytes[894], 'Z');
    EXPECT_EQ(bytes[189 * 894 + 510], 0xEF);
    EXPECT_EQ(bytes[189 * 894 + 511], 0xBE);
}

TEST(MacroLibrary, MacroDefineFileRoundTrip) {
    test::TempDir dir;
    auto state = std::make_unique<AppState>();
    state->folders = {dir.path(), dir.path()};
    state->macroLibrary = *LibraryOf(5);
    ASSERT_TRUE(SaveMacroLibrary(*state));
    const auto file = test::ReadAll(dir / "MacroDefine.bin");
    ASSERT_EQ(file.size(), 169860u);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), state->macroLibrary.bytes().begin()));

    auto loaded = std::make_unique<AppState>();
    loaded->folders = state->folders;
    auto outcome = LoadOrCreateMacroLibrary(*loaded);
    ASSERT_TRUE(outcome) << outcome.error().message;
    EXPECT_FALSE(outcome->created);
    EXPECT_EQ(loaded->macroLibrary, state->macroLibrary);
    EXPECT_EQ(loaded->macroLibrary[4].Name(), Named(4));
}

} // namespace
} // namespace hx
