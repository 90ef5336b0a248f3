#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "ui/main/HelpWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace hx {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = std::make_unique<AppState>();
        state->folders = {dir.path(), dir.path()};
        test::WriteAll(dir / "HXTR-720_Update", {0});
        window.helpVisible = true;
    }
    void Click(int x, int y) { HelpWindowClick(x, y, window, *state, ui, shell); }

    test::TempDir dir;
    std::unique_ptr<AppState> state;
    MainWindowState window;
    test::ScriptedUi ui;
    test::RecordingShell shell;
};

TEST_F(HelpWindowTest, RowsAndClosing) {
    Click(900, 30);
    EXPECT_EQ(shell.urls, std::vector<std::string>{kHomePageUrl});
    EXPECT_FALSE(window.helpVisible);

    window.helpVisible = true;
    Click(900, 80); // "Ver: 1.0"
    Click(10, 10);  // outside
    EXPECT_EQ(shell.urls.size(), 1u);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_FALSE(window.helpVisible);
}

TEST_F(HelpWindowTest, UpdaterRowNeedsBothVersions) {
    struct Case {
        const char* name;
        std::uint8_t keyboardMajor, expectedMajor;
        bool starts;
    };
    const Case cases[] = {
        {"no keyboard", 0, 2, false},
        {"updater for 1.x", 1, 1, false},
        {"keyboard 1.x, updater 2.x", 1, 2, true},
    };
    for (const Case& c : cases) {
        shell.started.clear();
        state->firmwareVersion.bytes = {c.keyboardMajor, 0, 0, 0};
        state->expectedVersion = {c.expectedMajor, 0};
        window.helpVisible = true;
        Click(900, 60);
        EXPECT_EQ(!shell.started.empty(), c.starts) << c.name;
        EXPECT_FALSE(window.helpVisible) << c.name;
    }
}

} // namespace
} // namespace hx
