#include "profile/ProfileNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace hx {
namespace {

TEST(ProfileNamesTest, DefaultNamesFollowTheThreeNumberFormats) {
    const struct {
        int number;
        const char* name;
    } cases[] = {
        {1, "Конфігурація_1"},   {9, "Конфігурація_9"},  {10, "Конфігурація010"},
        {98, "Конфігурація098"}, {99, "Конфігурація99"}, {150, "Конфігурація150"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultProfileName(c.number), c.name) << c.number;
}

TEST(ProfileNamesTest, NextNameFillsTheFirstGap) {
    const std::set<std::string> taken{"Конфігурація_1", "Конфігурація_3"};
    auto name = NextProfileName([&](const std::string& n) { return taken.count(n) > 0; });
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, "Конфігурація_2");
}

TEST(ProfileNamesTest, CopyNamesUseTwoBlanksThenANumber) {
    EXPECT_EQ(CopyProfileName("A", 0), "Скопіювати of  A");
    const std::set<std::string> taken{"Скопіювати of  A"};
    auto name = NextCopyName("A", [&](const std::string& n) { return taken.count(n) > 0; });
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, "Скопіювати of  A 1");
}

TEST(ProfileNamesTest, CopyOfALongNameIsAnErrorNotAnOverlongFile) {
    const std::string longName(kMaxProfileNameChars, 'x');
    auto name = NextCopyName(longName, [](const std::string&) { return false; });
    ASSERT_FALSE(name);
    EXPECT_NE(name.error().message.find("at most"), std::string::npos);
}

TEST(ProfileNamesTest, TypedNamesLoseBlanksAndATypedExtension) {
    EXPECT_EQ(NormaliseTypedName("  Game  "), "Game");
    EXPECT_EQ(NormaliseTypedName("Game.bin"), "Game");
    EXPECT_EQ(NormaliseTypedName("Game .bin "), "Game");
    // Only an ending ".bin" is the extension; the name keeps one in its middle.
    EXPECT_EQ(NormaliseTypedName("my.binder"), "my.binder");
    EXPECT_EQ(NormaliseTypedName(".bin"), ".bin");
}

TEST(ProfileNamesTest, OnlyNamesThatStayOneFileInTheFolderAreValid) {
    std::string cyrillic100;
    for (std::size_t i = 0; i < kMaxProfileNameChars; ++i)
        cyrillic100 += "ж";
    std::string emoji64;
    for (int i = 0; i < 64; ++i)
        emoji64 += "\xF0\x9F\x98\x80"; // 256 bytes: more than a file name holds
    const struct {
        std::string name;
        bool valid;
    } cases[] = {
        {"Конфігурація_1", true},
        {"Скопіювати of  A 1", true},
        {"a..b", true},
        {cyrillic100, true},
        {"", false},
        {"   ", false},
        {"a/b", false},
        {"../x", false},
        {"a\\b", false},
        {".", false},
        {"..", false},
        {".hidden", false},
        {"a\nb", false},
        {std::string("a\0b", 3), false},
        {"a\x7F", false},
        {"\xFF\xFE", false},
        {"\xC0\xAF", false}, // overlong "/"
        {cyrillic100 + "ж", false},
        {emoji64, false},
    };
    for (const auto& c : cases) {
        const Status valid = ValidateProfileName(c.name);
        EXPECT_EQ(valid.ok(), c.valid) << "[" << c.name << "]";
        if (!valid) {
            EXPECT_FALSE(valid.error().message.empty());
        }
    }
}

} // namespace
} // namespace hx
