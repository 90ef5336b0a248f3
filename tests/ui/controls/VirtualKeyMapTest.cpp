#include "platform/KeyHook.h"
#include "platform/VirtualKeyMap.h"

#include "keymap/KeyCatalogue.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

KeyStroke Key(int qtKey) {
    return {qtKey, false, 0, false};
}
KeyStroke Keypad(int qtKey) {
    return {qtKey, true, 0, false};
}
KeyStroke Xkb(int qtKey, std::uint32_t scanCode) {
    return {qtKey, false, scanCode, true};
}

TEST(VirtualKeyMapTest, EveryKindOfKeyGetsItsCode) {
    struct Case {
        const char* name;
        KeyStroke stroke;
        std::uint8_t vk;
    };
    const Case cases[] = {
        {"letter", Key('Q'), 0x51},
        {"digit", Key('0'), 0x30},
        {"F1", Key(qtkey::kF1), 0x70},
        {"F12", Key(qtkey::kF1 + 11), 0x7B},
        {"Esc", Key(qtkey::kEscape), 0x1B},
        {"Back", Key(qtkey::kBackspace), 0x08},
        {"Shift+Tab is still Tab", Key(qtkey::kBacktab), 0x09},
        {"main Enter", Key(qtkey::kReturn), 0x0D},
        {"keypad Enter", Keypad(qtkey::kEnter), 0x6C},
        {"Print", Key(qtkey::kPrint), 0x2C},
        {"Scroll Lock", Key(qtkey::kScrollLock), 0x91},
        {"Pause", Key(qtkey::kPause), 0x13},
        {"Insert", Key(qtkey::kInsert), 0x2D},
        {"PgDn", Key(qtkey::kPageDown), 0x22},
        {"Left", Key(qtkey::kLeft), 0x25},
        {"Apps", Key(qtkey::kMenu), 0x5D},
        {"main minus", Key('-'), 0xBD},
        {"keypad minus", Keypad('-'), 0x6D},
        {"main slash", Key('/'), 0xBF},
        {"keypad slash", Keypad('/'), 0x6F},
        {"main period", Key('.'), 0xBE},
        {"keypad period", Keypad('.'), 0x6E},
        {"keypad star", Keypad('*'), 0x6A},
        {"keypad plus", Keypad('+'), 0x6B},
        {"keypad 0", Keypad('0'), 0x60},
        {"keypad 9", Keypad('9'), 0x69},
        {"keypad 7 without Num Lock is Home", Keypad(qtkey::kHome), 0x24},
        {"Num Lock", Keypad(qtkey::kNumLock), 0x90},
        {"shifted 1 is the 1 key", Key('!'), 0x31},
        {"shifted equals", Key('+'), 0xBB},
        {"grave accent", Key('`'), 0xC0},
        {"backslash", Key('\\'), 0xDC},
        {"apostrophe", Key('\''), 0xDE},
        {"left Shift", Xkb(qtkey::kShift, 50), 0xA0},
        {"right Shift", Xkb(qtkey::kShift, 62), 0xA1},
        {"Shift without a scan code counts as left", Key(qtkey::kShift), 0xA0},
        {"right Ctrl", Xkb(qtkey::kControl, 105), 0xA3},
        {"left Alt", Xkb(qtkey::kAlt, 64), 0xA4},
        {"right Alt", Xkb(qtkey::kAlt, 108), 0xA5},
        {"AltGr", Key(qtkey::kAltGr), 0xA5},
        {"right Win as Meta", Xkb(qtkey::kMeta, 134), 0x5C},
        {"left Win as Super", Key(qtkey::kSuperL), 0x5B},
        {"a right scan code of another platform means nothing",
         {qtkey::kShift, false, 62, false},
         0xA0},
        {"Volume DOWN", Key(qtkey::kVolumeDown), 0xAE},
        {"Volume UP", Key(qtkey::kVolumeUp), 0xAF},
        {"Play/Pause", Key(qtkey::kMediaTogglePlayPause), 0xB3},
        {"Media", Key(qtkey::kLaunchMedia), 0xB5},
        {"Cyrillic letter by its place", Xkb(0x0439 /* й */, 24), 0x51},
        {"unknown key", Key(0x01FFFFFF), 0},
        {"unknown key without XKB", Key(0x0439), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyOf(c.stroke), c.vk) << c.name;
    }
}

TEST(VirtualKeyMapTest, KeysOfTheKeyboardAllHaveANamedCode) {
    // Each Qt key the keyboard's own keys produce lands on a catalogue entry with a device code.
    const KeyStroke strokes[] = {
        Key(qtkey::kEscape),
        Key(qtkey::kTab),
        Key(qtkey::kCapsLock),
        Key(' '),
        Key(qtkey::kDelete),
        Key(qtkey::kEnd),
        Key(qtkey::kUp),
        Key(qtkey::kDown),
        Key(qtkey::kRight),
        Key(qtkey::kPageUp),
        Key(';'),
        Key('='),
        Key(','),
        Key('['),
        Key(']'),
        Keypad('5'),
        Key(qtkey::kHome),
        Key(qtkey::kNumLock),
        Xkb(qtkey::kControl, 37),
        Xkb(qtkey::kMeta, 133),
    };
    for (const KeyStroke& s : strokes) {
        const std::uint8_t vk = VirtualKeyOf(s);
        EXPECT_NE(DeviceCodeOf(vk), 0) << std::hex << s.qtKey << " -> " << int(vk);
    }
}

TEST(KeyHookTest, WhatEachModeReports) {
    struct Case {
        const char* name;
        int mode;
        bool press, repeat;
        std::uint8_t vk;
        std::optional<HookMessage> expected;
    };
    const Case cases[] = {
        {"strokes: a press", kHookStrokes, true, false, 0x41, HookMessage{0x41, 1}},
        {"strokes: no release", kHookStrokes, false, false, 0x41, std::nullopt},
        {"strokes: a held key counts once", kHookStrokes, true, true, 0x41, std::nullopt},
        {"recording: a press", kHookPressesAndReleases, true, false, 0x41, HookMessage{0x41, 1}},
        {"recording: a repeat", kHookPressesAndReleases, true, true, 0x41,
         HookMessage{0x41, 0x40000001}},
        {"recording: a release", kHookPressesAndReleases, false, false, 0xA0,
         HookMessage{0xA0, 0xC0000001}},
        {"recording: no repeat release", kHookPressesAndReleases, false, true, 0x41, std::nullopt},
        {"no code, no report", kHookPressesAndReleases, true, false, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HookMessageFor(c.mode, c.press, c.repeat, c.vk), c.expected) << c.name;
    }
    EXPECT_NE(kHookReleaseParam & kHookReleaseBit, 0);
    EXPECT_EQ(kHookPressParam & kHookReleaseBit, 0);
    EXPECT_EQ(kHookRepeatParam & kHookReleaseBit, 0);
}

} // namespace
} // namespace hx
