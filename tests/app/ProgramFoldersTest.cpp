#include "app/ProgramFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(ProgramFolders, ResourcesBesideTheExecutableOnlyWithItsSkins) {
    test::TempDir exe;
    auto f = ResolveFolders({exe.path(), "/usr/share/hxtr720", std::nullopt, std::nullopt, "/h"});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->resources, "/usr/share/hxtr720");
    EXPECT_EQ(f->data, exe.path()); // writable, so data stays beside the executable

    std::filesystem::create_directories(exe / "png" / "english");
    f = ResolveFolders({exe.path(), "/usr/share/hxtr720", std::nullopt, std::nullopt, "/h"});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->resources, exe.path());
}

TEST(ProgramFolders, DataFolderChoices) {
    test::TempDir tmp;
    const std::filesystem::path unwritableExe = tmp / "file" / "bin"; // cannot exist
    test::WriteAll(tmp / "file", {0});

    auto f =
        ResolveFolders({unwritableExe, "/s", (tmp / "given").string(), std::nullopt, std::nullopt});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->data, tmp / "given");
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "given"));

    f = ResolveFolders({unwritableExe, "/s", std::nullopt, (tmp / "xdg").string(), "/nohome"});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->data, tmp / "xdg" / "hxtr720");

    f = ResolveFolders({unwritableExe, "/s", std::nullopt, std::nullopt, (tmp / "home").string()});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->data, tmp / "home" / ".local" / "share" / "hxtr720");

    EXPECT_FALSE(ResolveFolders({unwritableExe, "/s", std::nullopt, std::nullopt, std::nullopt}));
    auto bad = ResolveFolders({unwritableExe, "/s", (tmp / "file" / "x").string(), {}, {}});
    ASSERT_FALSE(bad);
    EXPECT_NE(bad.error().message.find("file/x"), std::string::npos);
}

} // namespace
} // namespace hx
