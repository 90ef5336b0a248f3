#include "ui/controls/SkinLookup.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

using test::TempDir;
using test::WriteAll;

TEST(FindSkinFile, FindsMixedCaseNamesWhicheverCaseTheCallerUses) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Custom");
    WriteAll(dir / "kb_BK.png", {1});
    WriteAll(dir / "Custom" / "Disable.png", {2});

    struct Case {
        const char* asked;
        std::filesystem::path found;
    };
    const Case cases[] = {
        {"kb_BK.png", dir / "kb_BK.png"},
        {"KB_bk.PNG", dir / "kb_BK.png"},
        {"Custom/disable.png", dir / "Custom" / "Disable.png"},
        {"custom/DISABLE.png", dir / "Custom" / "Disable.png"},
    };
    for (const Case& c : cases) {
        const auto found = FindSkinFile(dir.path(), c.asked);
        ASSERT_TRUE(found.has_value()) << c.asked;
        EXPECT_EQ(*found, c.found) << c.asked;
    }
}

TEST(FindSkinFile, ExactNameWinsOverOtherCases) {
    TempDir dir;
    WriteAll(dir / "Enable.png", {1});
    WriteAll(dir / "enable.png", {2});
    EXPECT_EQ(FindSkinFile(dir.path(), "enable.png"), dir / "enable.png");
    EXPECT_EQ(FindSkinFile(dir.path(), "Enable.png"), dir / "Enable.png");
    // Neither spelled as asked: the first in name order, so the choice never varies.
    EXPECT_EQ(FindSkinFile(dir.path(), "ENABLE.png"), dir / "Enable.png");
}

TEST(FindSkinFile, FindsNothingForMissingFoldersAndEscapes) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.png");
    WriteAll(dir / "main.png", {1});
    const char* names[] = {"missing.png", "folder.png", "../main.png",
                           "./main.png",  "",           "Custom/main.png"};
    for (const char* name : names) {
        EXPECT_FALSE(FindSkinFile(dir.path(), name).has_value()) << name;
    }
    EXPECT_FALSE(FindSkinFile(dir / "nowhere", "main.png").has_value());
}

TEST(ReadFileStamp, ChangesWithSizeAndTimeAndIsEmptyForMissingFiles) {
    TempDir dir;
    const auto path = dir / "a.png";
    EXPECT_FALSE(ReadFileStamp(path).has_value());

    WriteAll(path, {1, 2, 3});
    const auto first = ReadFileStamp(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->size, 3u);

    WriteAll(path, {1, 2, 3, 4});
    const auto larger = ReadFileStamp(path);
    ASSERT_TRUE(larger.has_value());
    EXPECT_NE(*larger, *first);

    std::filesystem::last_write_time(path, larger->modified + std::chrono::seconds(5));
    const auto touched = ReadFileStamp(path);
    ASSERT_TRUE(touched.has_value());
    EXPECT_EQ(touched->size, larger->size);
    EXPECT_NE(*touched, *larger);
}

} // namespace
} // namespace hx
