#include "profile/ProfileOperations.h"

#include "keymap/KeyLayout.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileTexts.h"
#include "ProfileFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hx {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;

class ProfileOperationsTest : public test::ProfileFixture {
protected:
    std::vector<ProfileEntry> Scan() {
        auto list = ScanProfiles(folder);
        EXPECT_TRUE(list) << list.error().message;
        return list ? *list : std::vector<ProfileEntry>{};
    }
    static std::vector<std::string> Names(const std::vector<ProfileEntry>& list) {
        std::vector<std::string> names;
        for (const auto& e : list)
            names.push_back(e.name);
        return names;
    }
};

TEST_F(ProfileOperationsTest, MissingFolderListsNothing) {
    EXPECT_TRUE(Scan().empty());
}

TEST_F(ProfileOperationsTest, ScanListsTheFirstSixPlainBinFilesInNameOrder) {
    for (const char* name : {"g", "c", "a", "f", "b", "e", "d"})
        PutProfile(name);
    Put("notes.txt", {1});
    Put(".hidden.bin", {1});
    fs::create_directories(folder / "0folder.bin");
    fs::create_symlink(dir / "keymap.bin", folder / "0link.bin");
    EXPECT_EQ(Names(Scan()), (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
}

TEST_F(ProfileOperationsTest, ANameWithBinInsideKeepsItsOwnFile) {
    PutProfile("a.bin");
    const auto list = Scan();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "a.bin");
    EXPECT_EQ(list[0].path, folder / "a.bin.bin");
}

TEST_F(ProfileOperationsTest, NewMakesTheFolderAndAnEmptyProfileUnderTheFirstFreeName) {
    auto first = CreateProfile(folder, Scan());
    ASSERT_TRUE(first) << first.error().message;
    EXPECT_EQ(*first, "Конфігурація_1");
    const auto bytes = ReadAll(folder / "Конфігурація_1.bin");
    EXPECT_EQ(bytes.size(), 10060u);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; }));

    PutProfile("Конфігурація_3");
    // Something unlisted under the next name is never replaced: the name is skipped.
    fs::create_directories(folder / "Конфігурація_2.bin");
    auto next = CreateProfile(folder, Scan());
    ASSERT_TRUE(next) << next.error().message;
    EXPECT_EQ(*next, "Конфігурація_4");
    EXPECT_TRUE(fs::is_directory(folder / "Конфігурація_2.bin"));
}

TEST_F(ProfileOperationsTest, NewAndCopyRefuseASeventhProfile) {
    for (const char* name : {"a", "b", "c", "d", "e", "f"})
        PutProfile(name);
    const auto list = Scan();
    auto made = CreateProfile(folder, list);
    ASSERT_FALSE(made);
    EXPECT_EQ(made.error().message, kTooManyProfilesText);
    EXPECT_FALSE(CopyProfile(folder, list, list[0]));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 6);
}

TEST_F(ProfileOperationsTest, CopyIsByteForByteUnderTheNextCopyName) {
    const auto full = test::ProfileFixture::Pattern(kProfileFileSize, 4);
    Put("A.bin", full);
    Put("Скопіювати of  A.bin", {});
    Put("N.bin", std::vector<std::uint8_t>(kImageOnlyProfileSize, 0));
    auto list = Scan();
    auto copy = CopyProfile(folder, list, list[0]);
    ASSERT_TRUE(copy) << copy.error().message;
    EXPECT_EQ(*copy, "Скопіювати of  A 1");
    EXPECT_EQ(ReadAll(folder / "Скопіювати of  A 1.bin"), full);

    // A new, image-only profile stays one: no key table is invented for it.
    list = Scan();
    auto newCopy = CopyProfile(folder, list, list[1]);
    ASSERT_TRUE(newCopy) << newCopy.error().message;
    EXPECT_EQ(list[1].name, "N");
    EXPECT_EQ(ReadAll(folder / (*newCopy + ".bin")).size(), kImageOnlyProfileSize);
}

TEST_F(ProfileOperationsTest, CopyOfADamagedProfileCreatesNothing) {
    Put("bad.bin", std::vector<std::uint8_t>(5000, 1));
    const auto list = Scan();
    auto copy = CopyProfile(folder, list, list[0]);
    ASSERT_FALSE(copy);
    EXPECT_NE(copy.error().message.find("5000 bytes"), std::string::npos);
    EXPECT_EQ(Scan().size(), 1u);
}

TEST_F(ProfileOperationsTest, SaveWritesBothLiveBlocksAndStaysInsideTheFolder) {
    PutProfile("P");
    const auto list = Scan();
    ASSERT_TRUE(SaveIntoProfile(folder, list[0], *state));
    EXPECT_EQ(ReadAll(list[0].path), LiveBytes());

    // An entry that does not name a file of the folder is refused before anything is written.
    Put("../outside.bin", {9});
    for (const ProfileEntry& forged : {ProfileEntry{"../outside", folder / "../outside.bin"},
                                       ProfileEntry{"P", dir / "outside.bin"}}) {
        EXPECT_FALSE(SaveIntoProfile(folder, forged, *state));
        EXPECT_FALSE(DeleteProfile(folder, forged));
    }
    EXPECT_EQ(ReadAll(dir / "outside.bin"), std::vector<std::uint8_t>{9});
}

TEST_F(ProfileOperationsTest, ExportReplacesOnlyAProfileSizedFile) {
    const auto keymap = dir / "keymap.bin";
    test::WriteAll(keymap, Pattern(kProfileFileSize, 2));
    ASSERT_TRUE(ExportProfile(keymap, *state));
    EXPECT_EQ(ReadAll(keymap), LiveBytes());

    const auto macros = dir / "MacroDefine.bin";
    const auto library = Pattern(169860, 3);
    test::WriteAll(macros, library);
    EXPECT_FALSE(ExportProfile(macros, *state));
    EXPECT_EQ(ReadAll(macros), library);
    EXPECT_FALSE(ExportProfile(dir / "missing.bin", *state));
    EXPECT_FALSE(fs::exists(dir / "missing.bin"));
}

TEST_F(ProfileOperationsTest, OpenLoadsAFullProfileAndStoresItIntoTheSelectedOne) {
    const auto chosen = Put("Chosen.bin", Pattern(kProfileFileSize, 5));
    PutProfile("Selected", 6);
    const auto list = Scan();
    ASSERT_TRUE(OpenProfile(chosen, folder, list[1], *state));

    const auto file = Pattern(kProfileFileSize, 5);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 10060, state->image.bytes.begin()));
    // Key records as stored, except the default code every load writes into byte 0.
    EXPECT_EQ(state->keys[200].bytes[0], file[10060 + 200 * 772]);
    EXPECT_EQ(state->keys[0].bytes[0], kKeyLayout[0].defaultVk);
    EXPECT_EQ(state->keys[0].bytes[1], file[10060 + 1]);
    EXPECT_EQ(ReadAll(list[1].path), LiveBytes());
}

TEST_F(ProfileOperationsTest, OpenOfAnImageOnlyFileKeepsTheKeyTable) {
    const auto imageOnly = Pattern(kImageOnlyProfileSize, 7);
    const auto chosen = Put("Half.bin", imageOnly);
    const KeyTable keysBefore = state->keys;
    const auto list = Scan();
    ASSERT_TRUE(OpenProfile(chosen, folder, list[0], *state));
    EXPECT_TRUE(std::equal(imageOnly.begin(), imageOnly.end(), state->image.bytes.begin()));
    KeyTable stamped = keysBefore;
    StampDefaultKeyCodes(stamped);
    EXPECT_EQ(state->keys, stamped);
    // The selected profile, here the same file, now holds the whole configuration.
    EXPECT_EQ(ReadAll(chosen), LiveBytes());
}

TEST_F(ProfileOperationsTest, OpenOfAnEmptyOrDamagedFileChangesNothing) {
    PutProfile("Selected", 8);
    const auto selectedBytes = Pattern(kProfileFileSize, 8);
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* says;
    } cases[] = {
        {"new profile", std::vector<std::uint8_t>(kImageOnlyProfileSize, 0), "no configuration"},
        {"short", Pattern(kImageOnlyProfileSize - 1, 1), "10059 bytes"},
        {"between", Pattern(kImageOnlyProfileSize + 1, 1), "10061 bytes"},
        {"long", Pattern(kProfileFileSize + 1, 1), "206921 bytes"},
        {"macro library", Pattern(169860, 1), "169860 bytes"},
    };
    const auto before = LiveBytes();
    for (const auto& c : cases) {
        const auto chosen = dir / "chosen.bin";
        test::WriteAll(chosen, c.bytes);
        const auto list = Scan();
        const Status opened = OpenProfile(chosen, folder, list[0], *state);
        ASSERT_FALSE(opened) << c.what;
        EXPECT_NE(opened.error().message.find(c.says), std::string::npos)
            << c.what << ": " << opened.error().message;
        EXPECT_EQ(LiveBytes(), before) << c.what;
        EXPECT_EQ(ReadAll(list[0].path), selectedBytes) << c.what;
    }
    const auto list = Scan();
    EXPECT_FALSE(OpenProfile(dir / "gone.bin", folder, list[0], *state));
    EXPECT_EQ(LiveBytes(), before);
}

TEST_F(ProfileOperationsTest, DeleteRemovesOnlyThePlainFile) {
    PutProfile("A");
    PutProfile("B");
    auto list = Scan();
    ASSERT_TRUE(DeleteProfile(folder, list[0]));
    EXPECT_EQ(Names(Scan()), std::vector<std::string>{"B"});

    // A link that appeared under a listed name after the scan is not followed or removed.
    fs::remove(list[1].path);
    test::WriteAll(dir / "target.bin", {1, 2});
    fs::create_symlink(dir / "target.bin", list[1].path);
    EXPECT_FALSE(DeleteProfile(folder, list[1]));
    EXPECT_TRUE(fs::is_symlink(list[1].path));
    EXPECT_EQ(ReadAll(dir / "target.bin"), (std::vector<std::uint8_t>{1, 2}));
}

TEST_F(ProfileOperationsTest, RenameTargetsOnlyFreeValidNamesInTheFolder) {
    PutProfile("A");
    PutProfile("B");
    fs::create_directories(folder / "Dir.bin");
    const auto list = Scan();
    const struct {
        const char* typed;
        bool ok;
        const char* target; // empty: nothing to do
    } cases[] = {
        {"A", true, ""},            // unchanged
        {"  A.bin ", true, ""},     // unchanged once the blanks and extension go
        {"B", true, ""},            // another profile's name: only a refresh
        {"Game", true, "Game.bin"}, // a free name
        {"Game.bin", true, "Game.bin"},
        {"a", true, "a.bin"}, // names differ in case as their files do
        {"Dir", false, ""},   // a folder of that name is never replaced
        {"../A", false, ""},
        {"sub/x", false, ""},
        {"", false, ""},
        {".bin", false, ""},
    };
    for (const auto& c : cases) {
        auto target = RenameTarget(folder, list, 0, c.typed);
        ASSERT_EQ(target.ok(), c.ok) << c.typed;
        if (!target)
            continue;
        const std::optional<fs::path> expected =
            *c.target ? std::optional<fs::path>(folder / c.target) : std::nullopt;
        EXPECT_EQ(*target, expected) << c.typed;
    }
    EXPECT_FALSE(RenameTarget(folder, list, 2, "Z"));
}

TEST_F(ProfileOperationsTest, MoveKeepsTheContentsAndNeverReplaces) {
    PutProfile("A", 3);
    PutProfile("B", 4);
    const auto list = Scan();
    // B appeared under the target name after the check: the move fails, both files stay.
    EXPECT_FALSE(MoveProfile(folder, list[0], folder / "B.bin"));
    EXPECT_EQ(ReadAll(folder / "A.bin"), Pattern(kProfileFileSize, 3));
    EXPECT_EQ(ReadAll(folder / "B.bin"), Pattern(kProfileFileSize, 4));
    EXPECT_FALSE(MoveProfile(folder, list[0], dir / "C.bin"));

    ASSERT_TRUE(MoveProfile(folder, list[0], folder / "C.bin"));
    EXPECT_FALSE(fs::exists(folder / "A.bin"));
    EXPECT_EQ(ReadAll(folder / "C.bin"), Pattern(kProfileFileSize, 3));
}

} // namespace
} // namespace hx
