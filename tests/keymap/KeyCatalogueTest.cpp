#include "keymap/KeyCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace hx {
namespace {

struct CatalogueCase {
    const char* guards;
    std::uint8_t vk;
    std::u16string name;
    std::uint8_t deviceCode;
};

TEST(KeyCatalogue, AwkwardEntries) {
    const CatalogueCase cases[] = {
        {"first letter", 0x41, u"A ", 0x04},
        {"last letter", 0x5A, u"Z ", 0x1D},
        {"digit 1", 0x31, u"1 ", 0x1E},
        {"digit 9", 0x39, u"9 ", 0x26},
        {"zero has no trailing space", 0x30, u"0", 0x27},
        {"F1", 0x70, u"F1 ", 0x3A},
        {"F10 has two digits", 0x79, u"F10 ", 0x43},
        {"F12", 0x7B, u"F12 ", 0x45},
        {"main Enter", 0x0D, u"Enter ", 0x28},
        {"keypad Enter shares the name", 0x6C, u"Enter ", 0x58},
        {"main minus", 0xBD, u"- ", 0x2D},
        {"keypad minus", 0x6D, u"- ", 0x56},
        {"main period", 0xBE, u". ", 0x37},
        {"keypad period", 0x6E, u". ", 0x63},
        {"main slash", 0xBF, u"/ ", 0x38},
        {"keypad slash", 0x6F, u"/ ", 0x54},
        {"backslash is a single character", 0xDC, u"\\ ", 0x32},
        {"grave accent", 0xC0, u"\u0060 ", 0x35},
        {"Apps, also the Fn key's code", 0x5D, u"Apps ", 0x65},
        {"Play/Pause has no space", 0xB3, u"Play/Pause", 0xCD},
        {"Media is consumer 0x0183", 0xB5, u"Media ", 0x83},
        {"mouse names have no space", 0xF0, u"MsLB", 0xF0},
        {"0xF3 has a code but no name", 0xF3, u"", 0xF3},
        {"lower-case pointer", 0xF7, u"Mouse pointer Down", 0xF7},
        {"last entry", 0xF9, u"Mouse Wheel Down", 0xF9},
        {"unlisted code", 0x07, u"", 0x00},
        {"unlisted code above the table", 0xFF, u"", 0x00},
    };
    const KeyCatalogue built = BuildKeyCatalogue();
    for (const CatalogueCase& c : cases) {
        EXPECT_EQ(kKeyCatalogue[c.vk].Name(), c.name) << c.guards;
        EXPECT_EQ(kKeyCatalogue[c.vk].deviceCode, c.deviceCode) << c.guards;
        EXPECT_EQ(kKeyCatalogue[c.vk].index, c.vk) << c.guards;
        EXPECT_EQ(built[c.vk].Name(), c.name) << c.guards;
    }
}

TEST(KeyCatalogue, CountsOfNamedAndCodedEntries) {
    int coded = 0;
    for (const KeyCatalogueEntry& e : kKeyCatalogue) {
        coded += e.deviceCode != 0;
        EXPECT_EQ(e.name.back(), 0) << "name of " << int(e.index) << " not terminated";
    }
    // 26 letters + 9 digits + 12 function keys + 71 listed entries (0x30 among them).
    EXPECT_EQ(coded, 26 + 9 + 12 + 71);
}

TEST(KeyCatalogue, DeviceCodeClasses) {
    EXPECT_EQ(ClassOfDeviceCode(0x04), DeviceCodeClass::kKeyboard);
    EXPECT_EQ(ClassOfDeviceCode(0x65), DeviceCodeClass::kKeyboard);
    EXPECT_EQ(ClassOfDeviceCode(0xE7), DeviceCodeClass::kKeyboard);
    EXPECT_EQ(ClassOfDeviceCode(0x83), DeviceCodeClass::kConsumer);
    EXPECT_EQ(ClassOfDeviceCode(0xEA), DeviceCodeClass::kConsumer);
    EXPECT_EQ(ClassOfDeviceCode(0xF0), DeviceCodeClass::kMouse);
    EXPECT_EQ(ClassOfDeviceCode(0xF9), DeviceCodeClass::kMouse);
    EXPECT_EQ(ClassOfDeviceCode(0x00), DeviceCodeClass::kNone);
    EXPECT_EQ(ClassOfDeviceCode(0x66), DeviceCodeClass::kNone);
}

} // namespace
} // namespace hx
