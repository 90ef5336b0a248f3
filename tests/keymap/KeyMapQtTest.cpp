#include "keymap/CKeyMap.h"

#include "config/LocalFiles.h"
#include "keymap/EncodeAssignment.h"
#include "keymap/FunctionCatalogue.h"
#include "keymap/RemapEntry.h"
#include "support/FakeKeyHook.h"
#include "support/TempDir.h"
#include "ui/controls/VividTree.h"
#include "KeyMapFixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace hx {
namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kA = 0x41, kC = 0x43, kLCtrl = 0xA2;

QPoint Centre(std::uint8_t button) {
    const DialogButtonSpec& b = kDialogButtons[button];
    return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
}

// The real dialog, off screen, over the build's skin.
class KeyMapQtTest : public test::KeyMapFixture {
protected:
    KeyMapQtTest() {
        state->folders.resources = fs::path(HX_SKIN_DIR).parent_path().parent_path();
        state->folders.data = dir.path();
    }
    void Show(CKeyMap& window, std::size_t key = kKey) {
        window.Open(key);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    static void Deliver() { QCoreApplication::processEvents(); }

    test::TempDir dir;
    test::FakeKeyHook hook;
};

TEST_F(KeyMapQtTest, SizedFromTheSkinWithTheControlsInPlaceAndTheHookInstalled) {
    CKeyMap window(*state, ui, hook, result);
    Show(window);
    EXPECT_EQ(window.size(), QSize(326, 280));
    EXPECT_EQ(window.singleKeyEdit()->geometry(), QRect(20, 89, 280, 15));
    EXPECT_EQ(window.comboEdit()->geometry(), QRect(20, 139, 280, 15));
    EXPECT_EQ(window.macroList()->geometry(), QRect(20, 79, 280, 150));
    EXPECT_EQ(window.tree()->geometry(), QRect(10, 60, 295, 160));
    EXPECT_FALSE(window.screen().isNull());

    ASSERT_EQ(hook.installs.size(), 1u);
    EXPECT_EQ(hook.installs[0].window, &window);
    EXPECT_EQ(hook.installs[0].mode, kHookStrokes);

    // The tree holds the functions under their categories.
    VividTree& tree = *window.tree();
    ASSERT_EQ(tree.topLevelItemCount(), 9);
    EXPECT_EQ(tree.topLevelItem(2)->text(0), "Мультимедіа");
    EXPECT_EQ(tree.topLevelItem(2)->childCount(), 8);
    EXPECT_EQ(tree.topLevelItem(4)->child(1)->text(0), "Згорнути");
    EXPECT_EQ(tree.topLevelItem(8)->text(0), "Закрити вікно");
    ASSERT_EQ(window.macroList()->count(), 3);
    EXPECT_EQ(window.macroList()->item(2)->text(), "Три");

    // Each tab shows its own control.
    EXPECT_TRUE(window.singleKeyEdit()->isVisible() && window.comboEdit()->isVisible());
    EXPECT_FALSE(window.macroList()->isVisible() || tree.isVisible());
    QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonFirstTab + 1));
    EXPECT_TRUE(window.macroList()->isVisible());
    EXPECT_FALSE(window.singleKeyEdit()->isVisible());
    QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonFirstTab + 2));
    EXPECT_TRUE(tree.isVisible());
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
    QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonFirstTab + 3));
    EXPECT_FALSE(tree.isVisible() || window.macroList()->isVisible() ||
                 window.singleKeyEdit()->isVisible());

    QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonClose));
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(hook.removals, 1);
}

TEST_F(KeyMapQtTest, HookedKeysFillTheEditsAndNeverReachThemAsTyping) {
    CKeyMap window(*state, ui, hook, result);
    Show(window);
    hook.Press(kA);
    Deliver();
    EXPECT_EQ(window.singleKeyEdit()->text(), "A ");

    // A click into the combination edit switches to a combination.
    QTest::mouseClick(window.comboEdit(), Qt::LeftButton);
    EXPECT_EQ(result.assignType, ASSIGN_COMBO);
    EXPECT_TRUE(window.singleKeyEdit()->text().isEmpty());
    hook.Press(kLCtrl);
    hook.Press(kC);
    Deliver();
    EXPECT_EQ(window.comboEdit()->text(), "LCtrl + C ");

    // Keys pressed in the window itself are swallowed: Escape and Enter do not close it.
    QTest::keyClick(window.comboEdit(), Qt::Key_X);
    QTest::keyClick(window.comboEdit(), Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.comboEdit()->text(), "LCtrl + C ");

    QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonSave));
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(result.assignType, ASSIGN_COMBO);
    EXPECT_EQ(result.chosenLength, 2u);

    // Reports after the dialog ended are not captured.
    EXPECT_FALSE(hook.installed());
}

TEST_F(KeyMapQtTest, WithoutTheHookNothingIsCapturedAndEnterOrEscapeStillDoNotClose) {
    hook.installResult = false;
    CKeyMap window(*state, ui, hook, result);
    Show(window);
    window.singleKeyEdit()->setFocus();
    QTest::keyClick(window.singleKeyEdit(), Qt::Key_Escape);
    QTest::keyClick(window.singleKeyEdit(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_EQ(hook.removals, 0) << "no hook to remove";
}

TEST_F(KeyMapQtTest, ReopeningAFunctionKeySelectsItsItemAndAdvancedBrowseChoosesAFile) {
    Store(ASSIGN_FUNCTION, {0x00, 0xE2, 0x2C, 0x11});
    {
        CKeyMap window(*state, ui, hook, result);
        Show(window);
        VividTree& tree = *window.tree();
        EXPECT_TRUE(tree.isVisible());
        QTreeWidgetItem* windows = tree.topLevelItem(4);
        EXPECT_TRUE(windows->isExpanded());
        EXPECT_EQ(tree.selectedItems(), QList<QTreeWidgetItem*>{windows->child(1)});

        // The user picks a category: the dialog asks for a sub item and stays open.
        tree.setCurrentItem(windows);
        QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonSave));
        EXPECT_TRUE(window.isVisible());
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, "Please select Sub item");
        tree.setCurrentItem(windows->child(0));
        QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonSave));
        EXPECT_EQ(window.result(), QDialog::Accepted);
        EXPECT_EQ(result.chosenFunction, u"Розгорнути");
    }

    CKeyMap window(*state, ui, hook, result);
    Show(window);
    QTest::mouseClick(&window, Qt::LeftButton, {}, Centre(kButtonFirstTab + 3));
    ui.files.push_back(fs::path("/srv/sound/beep.mp3"));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(280, AdvancedRowTop(0) + 5));
    EXPECT_EQ(result.assignType, ASSIGN_PLAY_SOUND);
    EXPECT_EQ(result.chosenPath, u"/srv/sound/beep.mp3");
    EXPECT_EQ(window.screen(), window.Compose()) << "the whole dialog was drawn again";
}

TEST_F(KeyMapQtTest, RunKeyAssignmentEndsWithOkAndTheMainWindowCommitsIt) {
    // As the main window runs it: the dialog modally, then CommitKeyAssignment on OK.
    QTimer::singleShot(0, [this] {
        auto* window = qobject_cast<CKeyMap*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        hook.Press(kA);
        QCoreApplication::processEvents();
        QTest::mouseClick(window, Qt::LeftButton, {}, Centre(kButtonSave));
    });
    ASSERT_TRUE(RunKeyAssignment(*state, kKey, result, ui, hook, nullptr));
    ASSERT_TRUE(CommitKeyAssignment(*state, kKey, result));
    EXPECT_EQ(ReadRemapEntry(state->image, kKey), SingleKeyEntry(0x04));
    EXPECT_EQ(state->keyCustomised[kKey], 1);
    EXPECT_EQ(fs::file_size(dir / "keymap.bin"), 206920u);

    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<CKeyMap*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window, Qt::LeftButton, {}, Centre(kButtonCancel));
    });
    EXPECT_FALSE(RunKeyAssignment(*state, kKey, result, ui, hook, nullptr));
    EXPECT_FALSE(RunKeyAssignment(*state, kKeyCount, result, ui, hook, nullptr))
        << "not one of the keyboard's keys";
    EXPECT_EQ(hook.installs.size(), 2u);
    EXPECT_EQ(hook.removals, 2);
}

} // namespace
} // namespace hx
