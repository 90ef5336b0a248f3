#include "keymap/KeyCatalogue.h"

namespace hx {
namespace {

struct NamedCode {
    std::uint8_t vk;
    std::u16string_view name;
    std::uint8_t deviceCode;
};

// Entries outside the regular ranges. Names are shown byte for byte, trailing spaces included.
constexpr std::array<NamedCode, 71> kListedEntries{{
    {0x08, u"Back ", 0x2A},
    {0x09, u"Tab ", 0x2B},
    {0x0D, u"Enter ", 0x28},
    {0x13, u"Pause ", 0x48},
    {0x14, u"Caps ", 0x39},
    {0x1B, u"Esc ", 0x29},
    {0x20, u"Space ", 0x2C},
    {0x21, u"PgUp ", 0x4B},
    {0x22, u"PgDn ", 0x4E},
    {0x23, u"End ", 0x4D},
    {0x24, u"Home ", 0x4A},
    {0x25, u"Left ", 0x50},
    {0x26, u"Up ", 0x52},
    {0x27, u"Right ", 0x4F},
    {0x28, u"Down ", 0x51},
    {0x2C, u"Prscr ", 0x46},
    {0x2D, u"Inst ", 0x49},
    {0x2E, u"Del ", 0x4C},
    {0x30, u"0", 0x27},
    {0x5B, u"LWin ", 0xE3},
    {0x5C, u"RWin ", 0xE7},
    {0x5D, u"Apps ", 0x65},
    {0x60, u"0-num ", 0x62},
    {0x61, u"1-num ", 0x59},
    {0x62, u"2-num ", 0x5A},
    {0x63, u"3-num ", 0x5B},
    {0x64, u"4-num ", 0x5C},
    {0x65, u"5-num ", 0x5D},
    {0x66, u"6-num ", 0x5E},
    {0x67, u"7-num ", 0x5F},
    {0x68, u"8-num ", 0x60},
    {0x69, u"9-num ", 0x61},
    {0x6A, u"* ", 0x55},
    {0x6B, u"+ ", 0x57},
    {0x6C, u"Enter ", 0x58},
    {0x6D, u"- ", 0x56},
    {0x6E, u". ", 0x63},
    {0x6F, u"/ ", 0x54},
    {0x90, u"Num ", 0x53},
    {0x91, u"Scrol ", 0x47},
    {0xA0, u"LShift ", 0xE1},
    {0xA1, u"RShift ", 0xE5},
    {0xA2, u"LCtrl ", 0xE0},
    {0xA3, u"RCtrl ", 0xE4},
    {0xA4, u"LAlt ", 0xE2},
    {0xA5, u"RAlt ", 0xE6},
    {0xAE, u"Volume DOWN ", 0xEA},
    {0xAF, u"Volume UP ", 0xE9},
    {0xB3, u"Play/Pause", 0xCD},
    {0xB5, u"Media ", 0x83},
    {0xBA, u"; ", 0x33},
    {0xBB, u"= ", 0x2E},
    {0xBC, u", ", 0x36},
    {0xBD, u"- ", 0x2D},
    {0xBE, u". ", 0x37},
    {0xBF, u"/ ", 0x38},
    {0xC0, u"` ", 0x35},
    {0xDB, u"[ ", 0x2F},
    {0xDC, u"\\ ", 0x32},
    {0xDD, u"] ", 0x30},
    {0xDE, u"' ", 0x34},
    {0xF0, u"MsLB", 0xF0},
    {0xF1, u"MsRB", 0xF1},
    {0xF2, u"MsMB", 0xF2},
    {0xF3, u"", 0xF3},
    {0xF4, u"", 0xF4},
    {0xF5, u"Mouse Pointer Right", 0xF5},
    {0xF6, u"Mouse Pointer Up", 0xF6},
    {0xF7, u"Mouse pointer Down", 0xF7},
    {0xF8, u"Mouse Wheel Up", 0xF8},
    {0xF9, u"Mouse Wheel Down", 0xF9},
}};

struct RegularRange {
    std::uint8_t firstVk, lastVk;
    std::uint8_t codeOffset; // device code = vk - codeOffset
};

constexpr void SetName(KeyCatalogueEntry& e, std::u16string_view name) {
    for (std::size_t i = 0; i < name.size() && i + 1 < e.name.size(); ++i)
        e.name[i] = name[i];
}

constexpr void SetRegular(KeyCatalogue& cat) {
    // Letters "A ".."Z " and digits "1 ".."9 ": the character and one space.
    for (const RegularRange r : {RegularRange{0x41, 0x5A, 0x3D}, RegularRange{0x31, 0x39, 0x13}}) {
        for (unsigned vk = r.firstVk; vk <= r.lastVk; ++vk) {
            cat[vk].deviceCode = static_cast<std::uint8_t>(vk - r.codeOffset);
            const char16_t text[] = {static_cast<char16_t>(vk), u' '};
            SetName(cat[vk], {text, 2});
        }
    }
    // "F1 ".."F12 ".
    for (unsigned vk = 0x70; vk <= 0x7B; ++vk) {
        const unsigned n = vk - 0x6F;
        cat[vk].deviceCode = static_cast<std::uint8_t>(vk - 0x36);
        char16_t text[4] = {u'F', static_cast<char16_t>(u'0' + n % 10), u' ', 0};
        std::size_t len = 3;
        if (n >= 10) {
            text[1] = static_cast<char16_t>(u'0' + n / 10);
            text[2] = static_cast<char16_t>(u'0' + n % 10);
            text[3] = u' ';
            len = 4;
        }
        SetName(cat[vk], {text, len});
    }
}

constexpr KeyCatalogue MakeKeyCatalogue() {
    KeyCatalogue cat{};
    for (std::size_t i = 0; i < cat.size(); ++i)
        cat[i].index = static_cast<std::uint8_t>(i);
    SetRegular(cat);
    for (const NamedCode& e : kListedEntries) {
        cat[e.vk].deviceCode = e.deviceCode;
        SetName(cat[e.vk], e.name);
    }
    return cat;
}

} // namespace

KeyCatalogue BuildKeyCatalogue() {
    return MakeKeyCatalogue();
}

constinit const KeyCatalogue kKeyCatalogue = MakeKeyCatalogue();

DeviceCodeClass ClassOfDeviceCode(std::uint8_t code) {
    if ((code >= 0x04 && code <= 0x65) || (code >= 0xE0 && code <= 0xE7))
        return DeviceCodeClass::kKeyboard;
    if (code == 0x83 || code == 0xCD || code == 0xE9 || code == 0xEA)
        return DeviceCodeClass::kConsumer;
    if (code >= 0xF0 && code <= 0xF9)
        return DeviceCodeClass::kMouse;
    return DeviceCodeClass::kNone;
}

} // namespace hx
