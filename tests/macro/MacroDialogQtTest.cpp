#include "macro/CMacroRecordDlg.h"

#include "common/Utf16.h"
#include "keymap/KeyCatalogue.h"
#include "macro/MacroTexts.h"
#include "support/FakeKeyHook.h"
#include "support/FakeServices.h"
#include "ui/controls/CEditHelper.h"
#include "ui/controls/CTransparentListBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace hx {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

constexpr std::uint8_t kA = 0x41;
constexpr std::uint8_t kB = 0x42;
const QPoint kRecord(300, 110);
const QPoint kNew(40, 380);
const QPoint kOk(300, 410);
const QPoint kCancel(360, 410);

// The real dialog, off screen, over the build's skin, with a hook and a clock the test drives.
class MacroDialogQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->folders.resources = fs::path(HX_SKIN_DIR).parent_path().parent_path();
    }
    void AddMacro(std::u16string_view name, std::vector<MacroEvent> events = {}) {
        MacroRecord& r = state->macroLibrary[NamedMacroCount(state->macroLibrary)];
        r.SetName(name);
        r.SetRepeatCount(1);
        r.SetHasDelays(true);
        ASSERT_TRUE(EncodeEvents(events, r.KeyEvents()));
        for (MacroEvent& e : events)
            e.key = DeviceCodeOf(e.key);
        ASSERT_TRUE(EncodeEvents(events, r.DeviceEvents()));
    }
    std::unique_ptr<CMacroRecordDlg> Show() {
        auto dialog = std::make_unique<CMacroRecordDlg>(*state, ui, hook, clock);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    static Lines Texts(const CTransparentListBox& list) {
        Lines lines;
        for (int i = 0; i < list.count(); ++i)
            lines.push_back(list.item(i)->text().toStdString());
        return lines;
    }
    static QPoint LineCentre(CTransparentListBox& list, int row) {
        return list.visualItemRect(list.item(row)).center();
    }
    void Deliver() { QCoreApplication::sendPostedEvents(); }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    test::ScriptedUi ui;
    test::FakeKeyHook hook;
    ManualClock clock;
};

TEST_F(MacroDialogQtTest, OpensFromTheSkinWithTheLibrary) {
    AddMacro(u"Fire", {{false, 1, kA}, {true, 300, kA}});
    AddMacro(u"Jump");
    state->macroLibrary[1].SetRepeatCount(5);
    auto dialog = Show();
    EXPECT_EQ(dialog->size(), QSize(410, 440));
    EXPECT_EQ(dialog->macroList()->geometry(), QRect(20, 80, 113, 275));
    EXPECT_EQ(dialog->eventList()->geometry(), QRect(150, 80, 113, 275));
    EXPECT_EQ(dialog->repeatEdit()->geometry(), QRect(296, 331, 84, 18));
    EXPECT_EQ(dialog->eventList()->EditMode(), kEditDelays);
    EXPECT_EQ(Texts(*dialog->macroList()), (Lines{"Fire", "Jump"}));
    EXPECT_EQ(dialog->macroList()->currentRow(), 0);
    EXPECT_EQ(Texts(*dialog->eventList()), (Lines{"A  dn", "300 ms", "A  up"}));
    EXPECT_EQ(dialog->repeatEdit()->text(), "1");
    EXPECT_FALSE(dialog->repeatEdit()->isEnabled());
    EXPECT_FALSE(dialog->Screen().isNull());

    // Choosing the other macro by clicking its line.
    QTest::mouseClick(dialog->macroList()->viewport(), Qt::LeftButton, {},
                      LineCentre(*dialog->macroList(), 1));
    EXPECT_EQ(dialog->manager().SelectedMacro(), 1);
    EXPECT_TRUE(Texts(*dialog->eventList()).empty());
    EXPECT_EQ(dialog->repeatEdit()->text(), "5");
    EXPECT_TRUE(dialog->repeatEdit()->isEnabled());
}

TEST_F(MacroDialogQtTest, AnEmptyLibraryShowsEmptyListsAndAnEmptyRepeatEdit) {
    auto dialog = Show();
    EXPECT_EQ(dialog->macroList()->count(), 0);
    EXPECT_EQ(dialog->eventList()->count(), 0);
    EXPECT_TRUE(dialog->macroList()->selectedItems().isEmpty());
    EXPECT_EQ(dialog->repeatEdit()->text(), "");
}

TEST_F(MacroDialogQtTest, RecordsKeysFromTheHookAndOkCommits) {
    auto dialog = Show();
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kNew);
    EXPECT_EQ(Texts(*dialog->macroList()), Lines{"Macro_001"});
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(375, 175)); // delay mode
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kRecord);
    ASSERT_EQ(hook.installs.size(), 1u);
    EXPECT_EQ(hook.installs[0].window, dialog.get());
    EXPECT_EQ(hook.installs[0].mode, kHookPressesAndReleases);

    hook.Press(kA);
    Deliver();
    clock.Advance(std::chrono::milliseconds(40));
    hook.Press(kA, true); // auto-repeat
    Deliver();
    clock.Advance(std::chrono::milliseconds(200));
    hook.Release(kA);
    Deliver();
    EXPECT_EQ(Texts(*dialog->eventList()), (Lines{"A  dn", "240 ms", "A  up"}));
    EXPECT_EQ(dialog->eventList()->currentRow(), 2);

    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kRecord);
    EXPECT_FALSE(hook.installed());
    const MacroLibrary before = state->macroLibrary;
    EXPECT_FALSE(before[0].HasName()); // nothing committed yet

    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kOk);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state->macroLibrary[0].Name(), u"Macro_001");
    const auto events = DecodeEvents(state->macroLibrary[0].DeviceEvents());
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1], (MacroEvent{true, 240, 0x04}));
}

TEST_F(MacroDialogQtTest, CancelLeavesTheLibraryAndRemovesTheHook) {
    AddMacro(u"Keep");
    const MacroLibrary before = state->macroLibrary;
    auto dialog = Show();
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kNew);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kRecord);
    ASSERT_TRUE(hook.installed());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kCancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(hook.installed());
    EXPECT_EQ(state->macroLibrary, before);
}

TEST_F(MacroDialogQtTest, TheEventListsMenuRunsItsCommands) {
    AddMacro(u"M", {{false, 1, kA}, {true, 1, kA}});
    auto dialog = Show();
    CTransparentListBox& events = *dialog->eventList();
    events.setCurrentRow(0);
    ui.commandChoices = {kCmdLeftClick};
    QTest::mouseClick(events.viewport(), Qt::RightButton, {}, LineCentre(events, 1));
    ASSERT_EQ(ui.commandMenus.size(), 1u);
    const auto& menu = ui.commandMenus[0].entries;
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_EQ(menu[0].text, "Вставити до");
    EXPECT_EQ(menu[2].text, "Вставте дію для миші");
    ASSERT_EQ(menu[2].children.size(), 3u);
    EXPECT_EQ(menu[2].children[0].text, "Ліва клавиша");
    EXPECT_EQ(menu[2].children[0].children[2].text, "Клавіша");
    EXPECT_EQ(menu[2].children[0].children[2].id, kCmdLeftClick);
    EXPECT_EQ(menu[4].id, kCmdDeleteLine);
    // The right press opened the menu without moving the selection.
    EXPECT_EQ(Texts(events), (Lines{"A  dn", "MsLB dn", "MsLB up", "A  up"}));
    EXPECT_EQ(events.currentRow(), 0);

    // Insert keys before the selected line: the next key stroke goes in there.
    ui.commandChoices = {kCmdInsertBefore};
    QTest::mouseClick(events.viewport(), Qt::RightButton, {}, LineCentre(events, 0));
    ASSERT_TRUE(hook.installed());
    hook.Press(kB);
    hook.Release(kB);
    Deliver();
    EXPECT_EQ(Texts(events), (Lines{"B  dn", "B  up", "A  dn", "MsLB dn", "MsLB up", "A  up"}));
    EXPECT_FALSE(hook.installed());
}

TEST_F(MacroDialogQtTest, EnterCommitsADelayEditAndLeavesTheDialogOpen) {
    AddMacro(u"M", {{false, 1, kA}, {true, 120, kA}});
    auto dialog = Show();
    CTransparentListBox& events = *dialog->eventList();
    ASSERT_EQ(Texts(events), (Lines{"A  dn", "120 ms", "A  up"}));

    // A key line does not open the editor; a delay line does, with its digits.
    events.setCurrentRow(0);
    QTest::mouseDClick(events.viewport(), Qt::LeftButton, {}, LineCentre(events, 0));
    EXPECT_EQ(events.Editor(), nullptr);
    events.setCurrentRow(1);
    QTest::mouseDClick(events.viewport(), Qt::LeftButton, {}, LineCentre(events, 1));
    CEditHelper* editor = events.Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "120");
    editor->selectAll();
    QTest::keyClicks(editor, "300");
    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Texts(events), (Lines{"A  dn", "300 ms", "A  up"}));
    const auto stored = DecodeEvents(dialog->manager().EditLibrary()[0].DeviceEvents());
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1], (MacroEvent{true, 300, 0x04}));
}

TEST_F(MacroDialogQtTest, EditingALineStopsRecording) {
    AddMacro(u"M", {{false, 1, kA}, {true, 120, kA}});
    auto dialog = Show();
    CTransparentListBox& names = *dialog->macroList();
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kRecord);
    ASSERT_TRUE(hook.installed());
    QTest::mouseDClick(names.viewport(), Qt::LeftButton, {}, LineCentre(names, 0));
    EXPECT_FALSE(hook.installed());
    EXPECT_FALSE(dialog->manager().RecordingOn());
}

TEST_F(MacroDialogQtTest, ARenameStillOpenWhenOkIsClickedIsKept) {
    AddMacro(u"Old");
    auto dialog = Show();
    CTransparentListBox& names = *dialog->macroList();
    QTest::mouseDClick(names.viewport(), Qt::LeftButton, {}, LineCentre(names, 0));
    CEditHelper* editor = names.Editor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Renamed");
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, kOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state->macroLibrary[0].Name(), u"Renamed");

    // An empty name is refused: the line gets its name back.
    dialog->show();
    QTest::mouseDClick(names.viewport(), Qt::LeftButton, {}, LineCentre(names, 0));
    ASSERT_NE(names.Editor(), nullptr);
    names.Editor()->clear();
    QTest::keyClick(names.Editor(), Qt::Key_Return);
    EXPECT_EQ(Texts(names), Lines{"Renamed"});
}

TEST_F(MacroDialogQtTest, RunMacroManagerReportsOk) {
    AddMacro(u"M");
    test::ScriptedUi runUi;
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<CMacroRecordDlg*>(QApplication::activeModalWidget())) {
            QTest::mouseClick(d, Qt::LeftButton, {}, kNew);
            QTest::mouseClick(d, Qt::LeftButton, {}, kOk);
            clicked = true;
        }
    });
    EXPECT_TRUE(RunMacroManager(*state, runUi, hook, nullptr));
    EXPECT_TRUE(clicked);
    EXPECT_EQ(NamedMacroCount(state->macroLibrary), 2u);
}

} // namespace
} // namespace hx
