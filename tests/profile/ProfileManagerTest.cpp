#include "profile/ProfileManager.h"

#include "profile/ProfileTexts.h"
#include "support/FakeServices.h"
#include "ProfileFixture.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;

class ProfileManagerTest : public test::ProfileFixture {
protected:
    ProfileManager& Manager() {
        if (!manager) {
            manager = std::make_unique<ProfileManager>(*state, ui);
            manager->Refresh();
        }
        return *manager;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& s : ui.shown)
            texts.push_back(s.text);
        return texts;
    }

    test::ScriptedUi ui;
    std::unique_ptr<ProfileManager> manager;
};

TEST_F(ProfileManagerTest, CommandsWithoutASelectionSayWhatIsMissing) {
    PutProfile("A");
    PutProfile("B");
    for (ProfileCommand c : {ProfileCommand::kCopy, ProfileCommand::kSave, ProfileCommand::kOpen,
                             ProfileCommand::kDelete})
        EXPECT_EQ(Manager().Run(c, -1), -1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           std::string(kSelectToCopyText), std::string(kSelectToSaveText),
                           std::string(kSelectToOpenText), std::string(kSelectToDeleteText)}));
    for (const auto& s : ui.shown) {
        EXPECT_EQ(s.caption, kProfileCaption);
        EXPECT_EQ(s.buttons, MessageButtons::kOk);
    }
    EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_F(ProfileManagerTest, NewSelectsTheNewProfileAndRefusesTheSeventh) {
    PutProfile("Конфігурація_1");
    PutProfile("Конфігурація_3");
    EXPECT_EQ(Manager().Run(ProfileCommand::kNew, -1), 1);
    EXPECT_EQ(Manager().profiles()[1].name, "Конфігурація_2");
    for (const char* name : {"x", "y", "z"})
        PutProfile(name);
    Manager().Refresh();
    EXPECT_EQ(Manager().Run(ProfileCommand::kNew, 0), -1);
    EXPECT_EQ(Texts(), std::vector<std::string>{std::string(kTooManyProfilesText)});
    EXPECT_EQ(Manager().profiles().size(), 6u);
}

TEST_F(ProfileManagerTest, CopyOfAFullListIsSilent) {
    for (const char* name : {"a", "b", "c", "d", "e", "f"})
        PutProfile(name);
    EXPECT_EQ(Manager().Run(ProfileCommand::kCopy, 2), 2);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(fs::exists(folder / "Скопіювати of  c.bin"));
}

TEST_F(ProfileManagerTest, DeleteKeepsTheLastProfileAndAsksFirst) {
    PutProfile("A");
    EXPECT_EQ(Manager().Run(ProfileCommand::kDelete, 0), 0);
    EXPECT_EQ(Texts(), std::vector<std::string>{std::string(kKeepOneProfileText)});
    EXPECT_TRUE(fs::exists(folder / "A.bin"));

    PutProfile("B");
    Manager().Refresh();
    ui.shown.clear();
    ui.answers = {MessageAnswer::kCancel, MessageAnswer::kOk};
    EXPECT_EQ(Manager().Run(ProfileCommand::kDelete, 1), 1);
    EXPECT_TRUE(fs::exists(folder / "B.bin"));
    EXPECT_EQ(Manager().Run(ProfileCommand::kDelete, 1), -1);
    EXPECT_FALSE(fs::exists(folder / "B.bin"));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, kDeleteQuestion);
    EXPECT_EQ(ui.shown[0].caption, kProfileCaption);
    EXPECT_EQ(ui.shown[0].buttons, MessageButtons::kOkCancel);
    EXPECT_EQ(Manager().profiles().size(), 1u);
}

TEST_F(ProfileManagerTest, SaveStoresTheProfileAndTheConfirmedFileToo) {
    PutProfile("P");
    const auto other = PutProfile("Other", 2);
    EXPECT_EQ(Manager().Run(ProfileCommand::kSave, 1), 1);
    EXPECT_EQ(ReadAll(folder / "P.bin"), LiveBytes());
    EXPECT_EQ(ReadAll(other), Pattern(kProfileFileSize, 2)); // cancelled: not exported

    state->image.bytes[100] ^= 0xFF;
    ui.files = {other};
    Manager().Run(ProfileCommand::kSave, 1);
    EXPECT_EQ(ReadAll(folder / "P.bin"), LiveBytes());
    EXPECT_EQ(ReadAll(other), LiveBytes());

    ASSERT_EQ(ui.fileRequests.size(), 2u);
    const FileDialogRequest& r = ui.fileRequests[0];
    EXPECT_EQ(r.mode, FileDialogMode::kSave);
    EXPECT_EQ(r.folder, dir.path());
    EXPECT_EQ(r.initialName, "*.bin");
    EXPECT_EQ(r.filter, "bin Files(*.bin)");
    EXPECT_EQ(r.defaultSuffix, "bin");
    EXPECT_TRUE(r.mustExist);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ProfileManagerTest, OpenLoadsOnlyAConfirmedFile) {
    const auto selected = PutProfile("P", 3);
    const auto before = LiveBytes();
    Manager().Run(ProfileCommand::kOpen, 0);
    // Cancelled: nothing loaded, and the profile keeps what it held.
    EXPECT_EQ(LiveBytes(), before);
    EXPECT_EQ(ReadAll(selected), Pattern(kProfileFileSize, 3));
    EXPECT_FALSE(Manager().loaded());

    ui.files = {selected};
    EXPECT_EQ(Manager().Run(ProfileCommand::kOpen, 0), 0);
    EXPECT_TRUE(Manager().loaded());
    EXPECT_EQ(state->image.bytes[5], Pattern(kProfileFileSize, 3)[5]);
    EXPECT_EQ(ui.fileRequests.back().mode, FileDialogMode::kOpen);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ProfileManagerTest, OpenOfANewProfileExplainsItself) {
    Manager().Run(ProfileCommand::kNew, -1);
    const auto before = LiveBytes();
    ui.files = {Manager().profiles()[0].path};
    Manager().Run(ProfileCommand::kOpen, 0);
    EXPECT_EQ(LiveBytes(), before);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(ui.shown[0].text.find("no configuration"), std::string::npos);
    EXPECT_FALSE(Manager().loaded());
}

TEST_F(ProfileManagerTest, RenameRefusesBadNamesAndReportsAFailedMoveAsFail) {
    PutProfile("A", 3);
    PutProfile("B", 4);
    EXPECT_EQ(Manager().Rename(0, "Game"), 1); // "B" < "Game" in name order
    EXPECT_EQ(ReadAll(folder / "Game.bin"), Pattern(kProfileFileSize, 3));

    EXPECT_EQ(Manager().Rename(1, "B"), 1); // another profile's name: only a refresh
    EXPECT_TRUE(ui.shown.empty());

    EXPECT_EQ(Manager().Rename(1, "../evil"), 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].caption, kProfileCaption);
    EXPECT_FALSE(fs::exists(dir / "evil.bin"));

    // The file went away behind the list's back: the move fails.
    fs::remove(folder / "Game.bin");
    EXPECT_EQ(Manager().Rename(1, "Other"), -1);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, kRenameFailedText);
    EXPECT_EQ(ui.shown[1].caption, "");
}

} // namespace
} // namespace hx
