#include "macro/EventList.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace hx {
namespace {

using List = std::array<std::uint8_t, eventlist::kSize>;

List ListOf(std::initializer_list<std::uint8_t> bytes) {
    List list{};
    std::copy(bytes.begin(), bytes.end(), list.begin());
    return list;
}

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

TEST(EventList, EventBytes) {
    struct Case {
        const char* guards;
        MacroEvent event;
        std::string bytes;
    };
    const Case cases[] = {
        {"delay 1 press", {false, 1, 0x04}, "01 04"},
        {"delay 1 release", {true, 1, 0x04}, "81 04"},
        {"longest short delay", {false, 126, 0x29}, "7E 29"},
        {"shortest long delay", {false, 127, 0x29}, "7F 29 00 7F"},
        {"300 ms press", {false, 300, 0x04}, "7F 04 01 2C"},
        {"300 ms release", {true, 300, 0x04}, "FF 04 01 2C"},
        {"longest delay", {true, 60000, 0xF0}, "FF F0 EA 60"},
        {"delay 0 is stored as 1", {false, 0, 0x04}, "01 04"},
        {"mouse button keeps its number", {false, 50, 0xF1}, "32 F1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        std::array<std::uint8_t, 4> out{};
        const std::size_t n = WriteEvent(c.event, out);
        EXPECT_EQ(Hex(std::span(out).first(n)), c.bytes);
        const auto decoded = EventAt(out, 0);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->size, n);
        EXPECT_EQ(decoded->event.key, c.event.key);
        EXPECT_EQ(decoded->event.release, c.event.release);
        EXPECT_EQ(decoded->event.delay, ClampDelay(c.event.delay));
    }
}

TEST(EventList, ClampDelay) {
    EXPECT_EQ(ClampDelay(0), 1);
    EXPECT_EQ(ClampDelay(1), 1);
    EXPECT_EQ(ClampDelay(60000), 60000);
    EXPECT_EQ(ClampDelay(80000), 60000); // an 80 s gap
    EXPECT_EQ(ClampDelay(~std::uint64_t{0}), 60000);
}

TEST(EventList, WriteEventRefusesTooLittleRoom) {
    std::array<std::uint8_t, 3> out{0xAA, 0xAA, 0xAA};
    EXPECT_EQ(WriteEvent({false, 300, 0x04}, out), 0u);
    EXPECT_EQ(Hex(out), "AA AA AA");
    EXPECT_EQ(WriteEvent({false, 3, 0x04}, out), 2u);
}

TEST(EventList, EncodeEventsFitsOrRefuses) {
    struct Case {
        const char* guards;
        std::vector<MacroEvent> events;
        bool fits;
        std::size_t end;
    };
    const std::vector<MacroEvent> longOnes(47, MacroEvent{false, 500, 0x04});
    std::vector<MacroEvent> longPlusShort = longOnes;
    longPlusShort.push_back({true, 1, 0x04});
    std::vector<MacroEvent> longPlusLong = longOnes;
    longPlusLong.push_back({true, 500, 0x04});
    const Case cases[] = {
        {"empty", {}, true, 0},
        {"95 short events fill all 190 bytes", std::vector(95, MacroEvent{false, 1, 4}), true, 190},
        {"96 short events are too long", std::vector(96, MacroEvent{false, 1, 4}), false, 0},
        {"47 long and one short event fit exactly", longPlusShort, true, 190},
        {"48 long events are too long", longPlusLong, false, 0},
        {"a key byte 0 would end the list early", {{false, 1, 4}, {false, 1, 0}}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        List list;
        list.fill(0xAA);
        EXPECT_EQ(EncodeEvents(c.events, list), c.fits);
        if (!c.fits) {
            EXPECT_EQ(list[0], 0xAA) << "a refused list stays as it was";
            continue;
        }
        EXPECT_EQ(EventListEnd(list), c.end);
        EXPECT_TRUE(std::all_of(list.begin() + c.end, list.end(), [](auto b) { return b == 0; }));
        EXPECT_EQ(DecodeEvents(list), c.events);
    }
}

TEST(EventList, EndOfList) {
    struct Case {
        const char* guards;
        List list;
        std::size_t end;
    };
    List full;
    for (std::size_t i = 0; i < full.size(); i += 2)
        full[i] = 0x01, full[i + 1] = 0x04;
    List longCut = full;
    longCut[188] = 0x7F; // a long event starting at 188 would need bytes 190 and 191
    List shortZero = full;
    shortZero[189] = 0x00;
    const Case cases[] = {
        {"empty list", {}, 0},
        {"ends at the first zero key byte",
         ListOf({0x01, 0x04, 0x81, 0x04, 0x05, 0x00, 0x81, 0x05}), 4},
        {"a zero flag byte does not end the list", ListOf({0x00, 0x04}), 2},
        {"no terminator: the whole 190 bytes", full, 190},
        {"a long event running past byte 189 is not an event", longCut, 188},
        {"last key byte zero", shortZero, 188},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(EventListEnd(c.list), c.end);
    }
}

// Names come from the catalogue byte for byte: "%s dn" after a name with its trailing space
// gives two spaces.
TEST(EventList, KeyAndDelayLines) {
    struct Case {
        const char* guards;
        std::uint8_t vk;
        bool release;
        std::u16string line;
    };
    const Case cases[] = {
        {"letter with trailing space", 0x41, false, u"A  dn"},
        {"release", 0x41, true, u"A  up"},
        {"0 has no trailing space", 0x30, false, u"0 dn"},
        {"backslash", 0xDC, false, u"\\  dn"},
        {"keypad Enter shares the name of Enter", 0x6C, true, u"Enter  up"},
        {"main Enter", 0x0D, true, u"Enter  up"},
        {"Apps (the Fn position's code)", 0x5D, false, u"Apps  dn"},
        {"consumer key", 0xB5, false, u"Media  dn"},
        {"Play/Pause has no trailing space", 0xB3, false, u"Play/Pause dn"},
        {"Volume UP", 0xAF, true, u"Volume UP  up"},
        {"mouse left", 0xF0, false, u"MsLB dn"},
        {"mouse middle", 0xF2, true, u"MsMB up"},
        {"mouse code without a name", 0xF3, false, u" dn"},
        {"unlisted code", 0x07, false, u" dn"},
        {"grave accent", 0xC0, false, u"`  dn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(KeyLine(c.vk, c.release), c.line);
    }
    EXPECT_EQ(DelayLine(2), u"2 ms");
    EXPECT_EQ(DelayLine(300), u"300 ms");
    EXPECT_EQ(DelayLine(60000), u"60000 ms");
}

struct Macro {
    List device{};
    List keys{};
};

// Both lists of a macro from (release, delay, vk, device code) rows.
Macro MacroOf(
    std::initializer_list<std::tuple<bool, std::uint16_t, std::uint8_t, std::uint8_t>> rows) {
    std::vector<MacroEvent> device, keys;
    for (const auto& [release, delay, vk, code] : rows) {
        keys.push_back({release, delay, vk});
        device.push_back({release, delay, code});
    }
    Macro m;
    EXPECT_TRUE(EncodeEvents(keys, m.keys));
    EXPECT_TRUE(EncodeEvents(device, m.device));
    return m;
}

TEST(EventList, LinesOfAMacro) {
    const Macro m = MacroOf({
        {false, 1, 0xA2, 0xE0},  // LCtrl dn, no delay line
        {false, 50, 0x43, 0x06}, // 50 ms, C dn
        {true, 300, 0x43, 0x06}, // 300 ms (long form), C up
        {true, 1, 0xA2, 0xE0},   // LCtrl up
        {false, 2, 0xF0, 0xF0},  // 2 ms, MsLB dn
    });
    const std::vector<std::u16string> expected{
        u"LCtrl  dn", u"50 ms", u"C  dn", u"300 ms", u"C  up", u"LCtrl  up", u"2 ms", u"MsLB dn",
    };
    EXPECT_EQ(EventLines(m.device, m.keys), expected);
    EXPECT_EQ(EventLineCount(m.device), expected.size());
}

TEST(EventList, LinesFollowTheDelayFieldNotTheDelay) {
    // A short delay field of 0 shows no delay line; a long-form event always shows one, even
    // for a stored delay of 1.
    const List device = ListOf({0x00, 0x04, 0x7F, 0x05, 0x00, 0x01, 0x81, 0x04});
    const List keys = ListOf({0x00, 0x41, 0x7F, 0x42, 0x00, 0x01, 0x81, 0x41});
    const std::vector<std::u16string> expected{u"A  dn", u"1 ms", u"B  dn", u"A  up"};
    EXPECT_EQ(EventLines(device, keys), expected);
}

TEST(EventList, LinesEndWhereTheDeviceListEnds) {
    // An unlisted key has device code 0: what the keyboard plays ends there, and so do the lines.
    const List device = ListOf({0x01, 0x04, 0x01, 0x00, 0x01, 0x05});
    const List keys = ListOf({0x01, 0x41, 0x01, 0x07, 0x01, 0x42});
    EXPECT_EQ(EventLines(device, keys), (std::vector<std::u16string>{u"A  dn"}));
}

TEST(EventList, EventLineWalk) {
    const Macro m = MacroOf({
        {false, 1, 0x41, 0x04},  // line 0, bytes 0..1
        {false, 50, 0x42, 0x05}, // lines 1, 2, bytes 2..3
        {true, 300, 0x42, 0x05}, // lines 3, 4, bytes 4..7
        {true, 1, 0x41, 0x04},   // line 5, bytes 8..9
    });
    struct Case {
        std::size_t line;
        std::size_t position;
    };
    const Case cases[] = {
        {0, 0}, {1, 2}, {2, 0}, {3, 4}, {4, 0}, {5, 8}, {6, 10}, {7, 0}, {100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EventLineWalk(m.device, c.line), c.position) << "line " << c.line;
    EXPECT_EQ(EventLineWalk(List{}, 0), 0u);
    EXPECT_EQ(EventLineWalk(List{}, 1), 0u);
}

TEST(EventList, ResetFirstDelay) {
    struct Case {
        const char* guards;
        List before;
        List after;
    };
    const Case cases[] = {
        {"short delay becomes 1, release kept", ListOf({0xB2, 0x04, 0x05, 0x05}),
         ListOf({0x81, 0x04, 0x05, 0x05})},
        {"delay 1 stays", ListOf({0x01, 0x04}), ListOf({0x01, 0x04})},
        {"long form becomes short, the rest moves up",
         ListOf({0xFF, 0x04, 0x01, 0x2C, 0x7F, 0x05, 0x00, 0x80, 0x01, 0x06}),
         ListOf({0x81, 0x04, 0x7F, 0x05, 0x00, 0x80, 0x01, 0x06})},
        {"empty list untouched", List{}, List{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        List list = c.before;
        ResetFirstDelay(list);
        EXPECT_EQ(Hex(list), Hex(c.after));
    }
    // A full list loses its last two bytes to zero.
    List full;
    full.fill(0x04);
    full[0] = 0x7F;
    ResetFirstDelay(full);
    EXPECT_EQ(full[0], 0x01);
    EXPECT_EQ(full[187], 0x04);
    EXPECT_EQ(full[188], 0x00);
    EXPECT_EQ(full[189], 0x00);
}

} // namespace
} // namespace hx
