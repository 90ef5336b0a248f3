#include "keymap/LaunchShortcut.h"
#include "keymap/ShortcutChooser.h"
#include "keymap/ShortcutKinds.h"

#include <gtest/gtest.h>

#include <memory>

namespace hx {
namespace {

TEST(ShortcutKinds, RowsAndTypes) {
    for (std::size_t row = 0; row < kShortcutRows; ++row) {
        EXPECT_EQ(kShortcutKinds[row].row, row);
        EXPECT_EQ(kShortcutKinds[row].assignType, ASSIGN_PLAY_SOUND + row);
        EXPECT_EQ(ShortcutRowOf(kShortcutKinds[row].assignType), row);
    }
    EXPECT_EQ(ShortcutRowOf(ASSIGN_FUNCTION), std::nullopt);
    EXPECT_EQ(ShortcutRowOf(ASSIGN_DEFAULT), std::nullopt);
    EXPECT_EQ(ShortcutRowOf(ASSIGN_NONE), std::nullopt);
    EXPECT_EQ(kShortcutKinds[0].filterText, "mp3 Files(*.mp3)");
    EXPECT_EQ(kShortcutKinds[1].pattern, "*.exe");
    EXPECT_EQ(kShortcutKinds[2].defaultExtension, ".txt");
    EXPECT_TRUE(kShortcutKinds[3].folder);
}

TEST(ShortcutKinds, PathChecks) {
    struct Case {
        const char* guards;
        std::u16string path;
        ShortcutPathCheck check;
    };
    const Case cases[] = {
        {"ordinary path", u"/home/u/a.mp3", ShortcutPathCheck::kAccepted},
        {"non-Latin path", u"/home/u/Музика", ShortcutPathCheck::kAccepted},
        {"255 units fit", std::u16string(255, u'a'), ShortcutPathCheck::kAccepted},
        {"256 units do not", std::u16string(256, u'a'), ShortcutPathCheck::kTooLong},
        {"a character outside the BMP takes two units", std::u16string(254, u'a') + u"\U0001F3B5",
         ShortcutPathCheck::kTooLong},
        {"empty folder item", u"", ShortcutPathCheck::kEmpty},
        {"counts up to a zero unit", std::u16string(u"/a\0", 3) + std::u16string(300, u'b'),
         ShortcutPathCheck::kAccepted},
        {"leading zero unit is empty", std::u16string(u"\0/a", 3), ShortcutPathCheck::kEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(CheckShortcutPath(c.path), c.check);
    }
    EXPECT_EQ(ShortcutPathMessage(ShortcutPathCheck::kAccepted), "");
}

TEST(ShortcutKinds, AcceptSetsPathAndType) {
    AssignmentResult result;
    EXPECT_EQ(AcceptShortcutPath(1, "/usr/bin/game", result), ShortcutPathCheck::kAccepted);
    EXPECT_EQ(result.chosenPath, u"/usr/bin/game");
    EXPECT_EQ(result.assignType, ASSIGN_RUN_PROGRAM);
    EXPECT_EQ(AcceptShortcutPath(0, "/home/u/\xD0\x9C\xD1\x83.mp3", result),
              ShortcutPathCheck::kAccepted);
    EXPECT_EQ(result.chosenPath, u"/home/u/Му.mp3");
    EXPECT_EQ(result.assignType, ASSIGN_PLAY_SOUND);
}

TEST(ShortcutKinds, RefusedPathsLeaveTheResult) {
    struct Case {
        const char* guards;
        std::size_t row;
        std::filesystem::path picked;
        ShortcutPathCheck check;
    };
    const Case cases[] = {
        {"folder item without a path", 3, "", ShortcutPathCheck::kEmpty},
        {"too long", 0, "/" + std::string(255, 'x'), ShortcutPathCheck::kTooLong},
        {"Latin-1 file name", 2, "/home/u/caf\xE9.txt", ShortcutPathCheck::kNotUtf8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        AssignmentResult result;
        result.assignType = ASSIGN_OPEN_FOLDER;
        result.chosenPath = u"/before";
        const AssignmentResult before = result;
        EXPECT_EQ(AcceptShortcutPath(c.row, c.picked, result), c.check);
        EXPECT_EQ(result, before);
        EXPECT_FALSE(ShortcutPathMessage(c.check).empty());
    }
    EXPECT_EQ(ShortcutPathMessage(ShortcutPathCheck::kEmpty), "Please select a folder\n");
}

TEST(ShortcutKinds, StoredPathRoundTripAndLaunchAgree) {
    auto keys = std::make_unique<KeyTable>();
    KeyRecord& r = (*keys)[0];
    r.at(keyrecord::kDefaultVk) = 0x1B;
    r.at(keyrecord::kAssignType) = ASSIGN_OPEN_FOLDER;
    StoreShortcutPath(r, u"/home/u/Music/Pop");
    EXPECT_EQ(StoredShortcutPath(r), u"/home/u/Music/Pop");
    const auto target = FindShortcut(*keys, 0x1B);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->directory, "/home/u/Music");
    EXPECT_EQ(target->file, "Pop");

    // A shorter path over a longer one: the old tail stays behind the terminator.
    StoreShortcutPath(r, u"/a");
    EXPECT_EQ(StoredShortcutPath(r), u"/a");
    EXPECT_EQ(r.bytes[keyrecord::kLaunchPath.offset + 6], 'm'); // unit 3 of the old path
}

TEST(ShortcutKinds, PathLabel) {
    struct Case {
        std::u16string path, label;
    };
    const Case cases[] = {
        {u"/short/a.mp3", u"/short/a.mp3"},   // 12 characters
        {u"/home/u/a.mp3", u"/home/u/a.mp3"}, // 13: still whole
        {u"/home/uu/a.mp3", u"../a.mp3"},     // 14: cut
        {u"/home/user/music/song.mp3", u"../song.mp3"},
        {u"/home/user/music/", u"../music/"},           // a final separator is no cut point
        {u"/abcdefghijklmnop", u"../abcdefghijklmnop"}, // nor is the first: the whole path
        {u"abcdefghijklmnop", u"..abcdefghijklmnop"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortcutPathLabel(c.path), c.label);
}

TEST(ShortcutChooser, ProgramsAreNotLimitedToExeFiles) {
    const FileDialogRequest program = ShortcutChooserRequest(1);
    EXPECT_EQ(program.filter, "exe Files(*.exe);;All files (*)");
    EXPECT_TRUE(program.defaultSuffix.empty());
    const FileDialogRequest sound = ShortcutChooserRequest(0);
    EXPECT_EQ(sound.filter, "mp3 Files(*.mp3)");
    EXPECT_EQ(sound.defaultSuffix, "mp3");
    EXPECT_EQ(ShortcutChooserRequest(3).mode, FileDialogMode::kFolder);
}

} // namespace
} // namespace hx
