#include "device/FirmwareUpdate.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(FirmwareUpdate, WhoIsOffered) {
    struct Case {
        const char* name;
        std::uint8_t major, minor;
        ExpectedVersion expected;
        bool offered;
    };
    const Case cases[] = {
        {"1.9 is never offered", 1, 9, {2, 0}, false},
        {"1.10 against 2.0", 1, 10, {2, 0}, true},
        {"2.3 against 2.5", 2, 3, {2, 5}, true},
        {"equal versions", 2, 5, {2, 5}, false},
        {"keyboard newer", 3, 0, {2, 9}, false},
        {"missing VER.bin", 1, 12, {0, 0}, false},
        {"minor only newer on the keyboard", 2, 7, {2, 5}, false},
    };
    for (const Case& c : cases) {
        FirmwareVersion fw;
        fw.bytes = {c.major, c.minor, 0, 0};
        EXPECT_EQ(ShouldOfferUpdate(fw, c.expected), c.offered) << c.name;
    }
}

class UpdateOfferTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = std::make_unique<AppState>();
        state->folders = {dir.path(), dir.path()};
        state->firmwareVersion.bytes = {1, 12, 0, 0};
        state->expectedVersion = {2, 0};
    }
    test::TempDir dir;
    std::unique_ptr<AppState> state;
    test::ScriptedUi ui;
    test::RecordingShell shell;
};

TEST_F(UpdateOfferTest, OkStartsTheUpdaterCancelDoesNot) {
    test::WriteAll(dir / "HXTR-720_Update", {0});
    ui.answers = {MessageAnswer::kCancel, MessageAnswer::kOk};
    OfferFirmwareUpdate(*state, ui, shell);
    EXPECT_TRUE(shell.started.empty());
    OfferFirmwareUpdate(*state, ui, shell);
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0], dir / "HXTR-720_Update");
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, "Update new firmware\xEF\xBC\x9F");
    EXPECT_EQ(ui.shown[0].caption, "Firmware Update");
    EXPECT_EQ(ui.shown[0].buttons, MessageButtons::kOkCancel);
}

TEST_F(UpdateOfferTest, ExeNameIsFoundAndAMissingUpdaterIsSaid) {
    ui.answers = {MessageAnswer::kOk, MessageAnswer::kOk};
    OfferFirmwareUpdate(*state, ui, shell);
    EXPECT_TRUE(shell.started.empty());
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, MissingUpdaterText(dir.path()));

    test::WriteAll(dir / "HXTR-720_Update.exe", {0});
    ui.answers = {MessageAnswer::kOk};
    OfferFirmwareUpdate(*state, ui, shell);
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0], dir / "HXTR-720_Update.exe");
}

} // namespace
} // namespace hx
