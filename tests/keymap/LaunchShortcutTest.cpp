#include "common/Utf16.h"
#include "keymap/LaunchShortcut.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

#include <memory>

namespace hx {
namespace {

void Assign(KeyRecord& r, std::uint8_t vk, std::uint8_t type, std::u16string_view path) {
    r.at(keyrecord::kDefaultVk) = vk;
    r.at(keyrecord::kAssignType) = type;
    WriteUtf16Le(path, std::span(r.bytes).subspan(keyrecord::kLaunchPath.offset,
                                                  keyrecord::kLaunchPath.size));
}

TEST(LaunchShortcut, FirstLaunchRecordWithTheCodeWins) {
    auto keys = std::make_unique<KeyTable>();
    Assign((*keys)[1], 0x70, 2, u"/not/a/launch");               // wrong type
    Assign((*keys)[5], 0x70, 5, u"/home/u/M\u00fcsic/song.mp3"); // the match
    Assign((*keys)[200], 0x70, 6, u"/later/record");             // later record
    test::RecordingShell shell;

    ASSERT_TRUE(LaunchShortcut(*keys, 0x70, shell));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "/home/u/M\xC3\xBCsic/song.mp3");
    EXPECT_EQ(shell.openedIn[0], "/home/u/M\xC3\xBCsic");

    ASSERT_TRUE(LaunchShortcut(*keys, 0x71, shell)); // no record: nothing happens
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST(LaunchShortcut, SplitAtTheLastSeparator) {
    struct Case {
        std::u16string path;
        std::string dir, file;
    };
    const Case cases[] = {
        {u"/a/b/c.txt", "/a/b", "c.txt"},
        {u"/folder/", "/folder", ""},
        {u"nodir", "nodir", ""},
        {u"/top", "", "top"},
    };
    for (const Case& c : cases) {
        auto keys = std::make_unique<KeyTable>();
        Assign((*keys)[0], 0x1B, 4, c.path);
        const auto t = FindShortcut(*keys, 0x1B);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->directory, c.dir);
        EXPECT_EQ(t->file, c.file);
    }
}

TEST(LaunchShortcut, UnterminatedPathStopsAt255Characters) {
    auto keys = std::make_unique<KeyTable>();
    KeyRecord& r = (*keys)[0];
    r.at(keyrecord::kDefaultVk) = 0x1B;
    r.at(keyrecord::kAssignType) = 7;
    for (std::size_t i = 0; i < keyrecord::kLaunchPath.size; i += 2)
        r.at(keyrecord::kLaunchPath, i) = 'x';
    const auto t = FindShortcut(*keys, 0x1B);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->directory.size(), 255u);
}

TEST(Utf16, RoundTripsAndReplacesBrokenInput) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("Caf\xC3\xA9 \xF0\x9F\x8E\xB9")),
              "Caf\xC3\xA9 \xF0\x9F\x8E\xB9");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), u"a\uFFFD");
    std::array<std::uint8_t, 6> small{};
    WriteUtf16Le(u"abcdef", small);
    EXPECT_EQ(ReadUtf16Le(small), u"ab"); // truncated, still terminated
}

} // namespace
} // namespace hx
