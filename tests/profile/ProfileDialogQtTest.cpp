#include "profile/CConfigureDlg.h"

#include "profile/ProfileTexts.h"
#include "support/FakeServices.h"
#include "ui/controls/CEditHelper.h"
#include "ui/controls/CTransparentListBox.h"
#include "ProfileFixture.h"

#include <QTest>

#include <gtest/gtest.h>

namespace hx {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;

// The real dialog, off screen, over the build's skin and a temp data folder.
class ProfileDialogQtTest : public test::ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        state->folders.resources = fs::path(HX_SKIN_DIR).parent_path().parent_path();
    }
    static std::vector<std::string> Lines(const CTransparentListBox& list) {
        std::vector<std::string> lines;
        for (int i = 0; i < list.count(); ++i)
            lines.push_back(list.item(i)->text().toStdString());
        return lines;
    }
    static QPoint LineCentre(CTransparentListBox& list, int row) {
        return list.visualItemRect(list.item(row)).center();
    }

    test::ScriptedUi ui;
};

TEST_F(ProfileDialogQtTest, SizedFromTheSkinPlacedByTheMainWindowAndListsTheFolder) {
    PutProfile("B");
    PutProfile("A");
    CConfigureDlg dialog(*state, ui);
    dialog.PlaceBeside(QRect(100, 200, 1000, 648));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.pos(), QPoint(99, 199));
    EXPECT_EQ(dialog.size(), QSize(264, 632));
    EXPECT_EQ(dialog.list()->geometry(), QRect(1, 34, 260, 540));
    EXPECT_EQ(Lines(*dialog.list()), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(dialog.Compose().isNull());
}

TEST_F(ProfileDialogQtTest, NewAndDeleteButtonsAndTheCloseButton) {
    CConfigureDlg dialog(*state, ui);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(40, 600));
    EXPECT_EQ(Lines(*dialog.list()), std::vector<std::string>{"Конфігурація_1"});
    EXPECT_EQ(dialog.list()->currentRow(), 0);
    EXPECT_EQ(ReadAll(folder / "Конфігурація_1.bin").size(), 10060u);

    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(200, 600));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kKeepOneProfileText);

    // Enter and Escape never close the dialog; its close button does, with OK.
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(255, 15));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ProfileDialogQtTest, RightClickOnTheListOffersTheCommands) {
    PutProfile("A");
    CConfigureDlg dialog(*state, ui);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CTransparentListBox& list = *dialog.list();
    list.setCurrentRow(0);
    ui.menuChoices = {2}; // Save, its file dialog cancelled
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, LineCentre(list, 0));
    ASSERT_EQ(ui.menus.size(), 1u);
    EXPECT_EQ(ui.menus[0].items, (std::vector<std::string>{"Новий", "Скопіювати", "Зберегти",
                                                           "Відкрити", "Видалити"}));
    EXPECT_EQ(ReadAll(folder / "A.bin"), LiveBytes());
    EXPECT_EQ(list.currentRow(), 0);
}

TEST_F(ProfileDialogQtTest, EditingALineInPlaceRenamesTheProfile) {
    PutProfile("A", 3);
    PutProfile("B", 4);
    CConfigureDlg dialog(*state, ui);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CTransparentListBox& list = *dialog.list();
    list.setCurrentRow(0);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, LineCentre(list, 0));
    CEditHelper* editor = list.Editor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Game");
    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"B", "Game"}));
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_FALSE(fs::exists(folder / "A.bin"));
    EXPECT_EQ(ReadAll(folder / "Game.bin"), Pattern(kProfileFileSize, 3));
    EXPECT_TRUE(ui.shown.empty());
}

} // namespace
} // namespace hx
