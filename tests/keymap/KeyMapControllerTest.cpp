#include "keymap/EncodeAssignment.h"
#include "keymap/FunctionCatalogue.h"
#include "keymap/KeyCatalogue.h"
#include "keymap/KeyMapLayout.h"
#include "keymap/RemapEntry.h"
#include "keymap/ShortcutChooser.h"
#include "support/TempDir.h"
#include "KeyMapFixture.h"

#include <string>

namespace hx {
namespace {

using test::KeyMapFixture;

constexpr std::uint8_t kA = 0x41, kC = 0x43, kX = 0x58;
constexpr std::uint8_t kLCtrl = 0xA2, kLAlt = 0xA4, kDel = 0x2E;

std::size_t TreeIndexOf(std::u16string_view text) {
    for (std::size_t i = 0; i < kFunctionTree.size(); ++i) {
        if (kFunctionTree[i].text == text)
            return i;
    }
    return kFunctionTree.size();
}

TEST(KeyMapLayoutTest, HitTestsFollowTheTableOrderWithInclusiveEdges) {
    struct Case {
        const char* name;
        int x, y;
        std::uint8_t button;
    } const cases[] = {
        {"tick box margin, top left", 14, 246, kButtonTickBox},
        {"tick box margin, bottom right", 34, 265, kButtonTickBox},
        {"beyond the tick box margin", 35, 265, kNoButton},
        {"tick box margin wins over nothing left of it", 13, 250, kNoButton},
        {"close button corner", 303, 2, kButtonClose},
        {"tab strip row above the tabs", 40, 30, kButtonTabStrip},
        {"shared tab edge goes to the earlier tab", 81, 40, kButtonFirstTab},
        {"last tab", 324, 57, kButtonFirstTab + 3},
        {"save corner", 305, 268, kButtonSave},
        {"between Cancel and Save", 258, 250, kNoButton},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyMapButtonHitTest(c.x, c.y), c.button) << c.name;

    struct CellCase {
        const char* name;
        int x, y;
        std::uint8_t cell;
    } const cells[] = {
        {"radio of row 0", 15, 72, 0},      {"above the radio", 15, 71, kNoCell},
        {"label of row 1", 72, 114, 5},     {"path field of row 2", 83, 128, 10},
        {"browse of row 0", 302, 83, 3},    {"browse of row 3", 256, 158, 15},
        {"between rows", 280, 90, kNoCell},
    };
    for (const CellCase& c : cells)
        EXPECT_EQ(AdvancedCellHitTest(c.x, c.y), c.cell) << c.name;
}

TEST_F(KeyMapFixture, OpeningShowsTheStoredAssignmentOnItsPage) {
    // Single key.
    Store(ASSIGN_KEY, {kA}, 1);
    KeyMapEffects e = dialog.Open(kKey);
    EXPECT_EQ(dialog.page(), KeyMapPage::kKeys);
    EXPECT_EQ(dialog.singleKeyText(), u"A ");
    EXPECT_EQ(e.focus, KeyMapFocus::kSingleKeyEdit);
    EXPECT_EQ(result.chosenKeys[0], kA);
    EXPECT_EQ(result.chosenLength, 1u);

    // Combination: names joined by "+ ", each keeping its trailing space.
    Store(ASSIGN_COMBO, {kLCtrl, kC, 0}, 2);
    e = dialog.Open(kKey);
    EXPECT_EQ(dialog.comboText(), u"LCtrl + C ");
    EXPECT_EQ(e.focus, KeyMapFocus::kComboEdit);
    EXPECT_EQ(result.assignType, ASSIGN_COMBO);
    EXPECT_EQ(result.chosenLength, 2u);

    // Macro: the list line of the stored slot, or none when the library has no such line.
    Store(ASSIGN_MACRO, {4, 1, 2, 0});
    e = dialog.Open(kKey);
    EXPECT_EQ(dialog.page(), KeyMapPage::kMacro);
    EXPECT_EQ(e.focus, KeyMapFocus::kMacroList);
    EXPECT_EQ(dialog.macroNames(), (std::vector<std::u16string>{u"Один", u"Два", u"Три"}));
    EXPECT_EQ(dialog.macroSelection(), 2);
    Store(ASSIGN_MACRO, {4, 1, 7, 0});
    dialog.Open(kKey);
    EXPECT_EQ(dialog.macroSelection(), -1);

    // Function: preselected in the tree, its category opened.
    Store(ASSIGN_FUNCTION, {0x03, 0x00, 0xB5, 0x00});
    dialog.Open(kKey);
    EXPECT_EQ(dialog.page(), KeyMapPage::kFunction);
    EXPECT_EQ(result.chosenFunction, u"Далі");
    EXPECT_EQ(dialog.treeSelection(), TreeIndexOf(u"Далі"));
    EXPECT_EQ(dialog.expandedCategory(), TreeIndexOf(u"Мультимедіа"));

    // Shortcut: the row of its kind and its path.
    Store(ASSIGN_RUN_PROGRAM, {0x03, 0x00, 0x23, 0x02});
    StoreShortcutPath(state->keys[kKey], u"/usr/bin/editor");
    dialog.Open(kKey);
    EXPECT_EQ(dialog.page(), KeyMapPage::kAdvanced);
    EXPECT_EQ(dialog.shortcutRow(), 1);
    EXPECT_EQ(dialog.radioCell(), kNoCell);
    EXPECT_EQ(result.chosenPath, u"/usr/bin/editor");

    // The advanced tab's mark: page 0 with empty edits and nothing focused.
    Store(ASSIGN_NONE, {});
    e = dialog.Open(kKey);
    EXPECT_EQ(dialog.page(), KeyMapPage::kKeys);
    EXPECT_EQ(result.assignType, ASSIGN_NONE);
    EXPECT_EQ(e.focus, KeyMapFocus::kNone);
    EXPECT_TRUE(dialog.singleKeyText().empty() && dialog.comboText().empty());
}

TEST_F(KeyMapFixture, OpeningTakesTheTickBoxFromTheEnableBitAndKeepsTheLastFunction) {
    state->image.SetEnableBit(kKeyLayout[kKey].enableBit(), false);
    result.chosenFunction = u"Новий";
    dialog.Open(kKey);
    EXPECT_TRUE(dialog.disableTicked());
    EXPECT_EQ(result.keyEnabled, 0);
    // Not a function key: the tree still shows the function chosen last time.
    EXPECT_EQ(dialog.treeSelection(), TreeIndexOf(u"Новий"));
    EXPECT_EQ(dialog.expandedCategory(), TreeIndexOf(u"Клавіша швидкого вибору команд"));

    // A function record that matches no function clears the choice.
    Store(ASSIGN_FUNCTION, {0x09, 0x09, 0x09, 0x09});
    dialog.Open(kKey);
    EXPECT_TRUE(result.chosenFunction.empty());
    EXPECT_EQ(dialog.treeSelection(), std::nullopt);
}

TEST_F(KeyMapFixture, KeysAreCapturedOnlyWhileTheHookIsInstalled) {
    dialog.Open(kKey);
    dialog.CaptureKey(kA);
    EXPECT_EQ(result.chosenLength, 1u);
    EXPECT_EQ(result.chosenKeys[0], 0) << "stored own-function key: nothing captured";

    dialog.SetHookInstalled(true);
    dialog.CaptureKey(kA);
    dialog.CaptureKey(kX);
    EXPECT_EQ(dialog.singleKeyText(), u"X ");
    EXPECT_EQ(result.chosenKeys[0], kX);
    EXPECT_EQ(result.chosenLength, 1u);
}

TEST_F(KeyMapFixture, AFourthKeyStartsANewCombination) {
    dialog.Open(kKey);
    dialog.SetHookInstalled(true);
    dialog.EditFocused(KeyMapEdit::kSingleKey); // the opening's own focus passes
    EXPECT_EQ(result.assignType, ASSIGN_KEY);
    dialog.EditFocused(KeyMapEdit::kCombo);
    EXPECT_EQ(result.assignType, ASSIGN_COMBO);
    dialog.CaptureKey(kLCtrl);
    dialog.CaptureKey(kLAlt);
    dialog.CaptureKey(kDel);
    EXPECT_EQ(dialog.comboText(), u"LCtrl + LAlt + Del ");
    dialog.CaptureKey(kX);
    EXPECT_EQ(dialog.comboText(), u"X ");

    const KeyMapEffects e = Click(kButtonSave);
    EXPECT_EQ(e.end, KeyMapEnd::kOk);
    EXPECT_EQ(result.assignType, ASSIGN_COMBO);
    EXPECT_EQ(result.chosenLength, 1u);
    EXPECT_EQ(result.chosenKeys[0], kX);
    EXPECT_EQ(result.chosenKeys[1], 0);
}

TEST_F(KeyMapFixture, AStoredCountOutOfRangeStartsANewCombinationSafely) {
    Store(ASSIGN_COMBO, {kLCtrl, kC}, 255);
    dialog.Open(kKey);
    dialog.SetHookInstalled(true);
    dialog.EditFocused(KeyMapEdit::kCombo);
    dialog.CaptureKey(kA);
    EXPECT_EQ(result.chosenLength, 1u);
    EXPECT_EQ(dialog.comboText(), u"A ");
}

TEST_F(KeyMapFixture, FocusingTheOtherEditSwitchesModeAndDiscardsTheKeys) {
    Store(ASSIGN_COMBO, {kLCtrl, kC}, 2);
    dialog.Open(kKey);
    dialog.EditFocused(KeyMapEdit::kCombo); // the opening's own focus
    EXPECT_EQ(result.chosenKeys[1], kC);
    dialog.EditFocused(KeyMapEdit::kSingleKey);
    EXPECT_EQ(result.assignType, ASSIGN_KEY);
    EXPECT_EQ(result.chosenKeys[0], 0);
    EXPECT_EQ(result.chosenKeys[1], 0);
    EXPECT_TRUE(dialog.comboText().empty());
    Click(kButtonSave);
    EXPECT_EQ(result.assignType, ASSIGN_DEFAULT);
}

TEST_F(KeyMapFixture, SaveOnEachPageLeavesTheResultForTheEncoder) {
    // Keys page without a key: the key's own function.
    dialog.Open(kKey);
    Click(kButtonTickBox);
    KeyMapEffects e = Click(kButtonSave);
    EXPECT_EQ(e.end, KeyMapEnd::kOk);
    EXPECT_EQ(result.assignType, ASSIGN_DEFAULT);
    EXPECT_EQ(result.keyEnabled, 0);

    // Macro page: the selected line, or the own function and enabled without one.
    dialog.Open(kKey);
    Click(kButtonFirstTab + 1);
    Click(kButtonTickBox);
    Click(kButtonSave);
    EXPECT_EQ(result.assignType, ASSIGN_DEFAULT);
    EXPECT_EQ(result.keyEnabled, 1);
    dialog.Open(kKey);
    Click(kButtonFirstTab + 1);
    dialog.SetMacroSelection(1);
    Click(kButtonTickBox);
    Click(kButtonSave);
    EXPECT_EQ(result.assignType, ASSIGN_MACRO);
    EXPECT_EQ(result.chosenMacro, 1);
    EXPECT_EQ(result.keyEnabled, 0);

    // Function page: its tab selects the first item.
    dialog.Open(kKey);
    Click(kButtonFirstTab + 2);
    EXPECT_EQ(dialog.treeSelection(), 0u);
    dialog.SetTreeSelection(TreeIndexOf(u"Вставити"));
    e = Click(kButtonSave);
    EXPECT_EQ(e.end, KeyMapEnd::kOk);
    EXPECT_EQ(result.assignType, ASSIGN_FUNCTION);
    EXPECT_EQ(result.chosenFunction, u"Вставити");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(KeyMapFixture, ACategoryOrNoTreeItemAsksForASubItemAndStaysOpen) {
    for (const std::optional<std::size_t> item :
         {std::optional(TreeIndexOf(u"Windows")), std::optional<std::size_t>()}) {
        dialog.Open(kKey);
        Click(kButtonFirstTab + 2);
        dialog.SetTreeSelection(item);
        result.chosenFunction = u"Пошук";
        const KeyMapEffects e = Click(kButtonSave);
        EXPECT_EQ(e.end, KeyMapEnd::kNone);
        EXPECT_EQ(result.chosenFunction, u"Пошук");
        ASSERT_FALSE(ui.shown.empty());
        EXPECT_EQ(ui.shown.back().text, "Please select Sub item");
        EXPECT_EQ(ui.shown.back().buttons, MessageButtons::kOk);
    }
    EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(KeyMapFixture, ResetCancelAndCloseEndTheDialog) {
    Store(ASSIGN_KEY, {kA}, 1);
    dialog.Open(kKey);
    KeyMapEffects e = Click(kButtonReset);
    EXPECT_EQ(e.end, KeyMapEnd::kOk);
    EXPECT_EQ(result.chosenLength, assignment::kResetLength);

    dialog.Open(kKey);
    e = Click(kButtonCancel);
    EXPECT_EQ(e.end, KeyMapEnd::kCancel);
    EXPECT_EQ(result.chosenLength, 0u);
    EXPECT_EQ(result.chosenKeys[0], 0);

    dialog.Open(kKey);
    EXPECT_EQ(Click(kButtonClose).end, KeyMapEnd::kCancel);
    EXPECT_EQ(Click(kButtonTabStrip).end, KeyMapEnd::kNone);
}

TEST_F(KeyMapFixture, TabClicksChangeTheKeyRecordOnlyWhenTheDialogEndsWithOk) {
    Store(ASSIGN_MACRO, {4, 1, 1, 0});
    const KeyRecord stored = state->keys[kKey];

    // Cancel after the keys tab and the advanced tab: the table is as it was.
    for (std::uint8_t button : {kButtonCancel, kButtonClose}) {
        dialog.Open(kKey);
        EXPECT_EQ(Click(kButtonFirstTab).repaint, KeyMapRepaint::kWhole);
        EXPECT_EQ(Click(kButtonFirstTab).repaint, KeyMapRepaint::kPageContent);
        Click(kButtonFirstTab + 3);
        Click(button);
        EXPECT_EQ(state->keys[kKey], stored);
    }

    // OK: the advanced tab's mark reaches the record, for the encoder to build on.
    dialog.Open(kKey);
    Click(kButtonFirstTab + 3);
    EXPECT_EQ(state->keys[kKey], stored);
    EXPECT_EQ(Click(kButtonSave).end, KeyMapEnd::kOk);
    EXPECT_EQ(state->keys[kKey].at(keyrecord::kAssignType), ASSIGN_NONE);
    EXPECT_EQ(state->keys[kKey].at(keyrecord::kChosenCodes, 0), 0);
    EXPECT_EQ(state->keys[kKey].at(keyrecord::kDefaultVk), kKeyLayout[kKey].defaultVk);
}

TEST_F(KeyMapFixture, AdvancedPageRadiosAndBrowseButtons) {
    dialog.Open(kKey);
    // The tab click itself lands on no cell: nothing chosen yet means the own function.
    KeyMapEffects e = Click(kButtonFirstTab + 3);
    EXPECT_EQ(dialog.page(), KeyMapPage::kAdvanced);
    EXPECT_EQ(result.assignType, ASSIGN_DEFAULT);
    EXPECT_EQ(e.repaint, KeyMapRepaint::kWhole);

    // A radio chooses the row and forgets the path.
    result.chosenPath = u"/old";
    e = ClickCell(2, 0);
    EXPECT_EQ(dialog.radioCell(), 8);
    EXPECT_EQ(dialog.shortcutRow(), 2);
    EXPECT_TRUE(result.chosenPath.empty());
    EXPECT_EQ(e.repaint, KeyMapRepaint::kWhole);

    // A cancelled chooser moves the radio but changes nothing else and repaints nothing.
    ui.files.push_back(std::nullopt);
    e = ClickCell(0, 3);
    EXPECT_EQ(dialog.radioCell(), 0);
    EXPECT_EQ(dialog.shortcutRow(), 2);
    EXPECT_EQ(e.repaint, KeyMapRepaint::kNone);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& mp3 = ui.fileRequests[0];
    EXPECT_EQ(mp3.mode, FileDialogMode::kOpen);
    EXPECT_TRUE(mp3.mustExist);
    EXPECT_EQ(mp3.filter, "mp3 Files(*.mp3)");
    EXPECT_EQ(mp3.initialName, "*.mp3");
    EXPECT_EQ(mp3.defaultSuffix, "mp3");

    // A chosen folder sets the row and the kind.
    ui.files.push_back(std::filesystem::path("/home/u/Музика"));
    e = ClickCell(3, 3);
    EXPECT_EQ(ui.fileRequests.back().mode, FileDialogMode::kFolder);
    EXPECT_EQ(ui.fileRequests.back().title, "modification path");
    EXPECT_EQ(dialog.shortcutRow(), 3);
    EXPECT_EQ(result.assignType, ASSIGN_OPEN_FOLDER);
    EXPECT_EQ(result.chosenPath, u"/home/u/Музика");
    EXPECT_EQ(e.repaint, KeyMapRepaint::kWhole);

    // Label and path cells do nothing.
    EXPECT_EQ(ClickCell(1, 1).repaint, KeyMapRepaint::kNone);
    EXPECT_EQ(ClickCell(1, 2).repaint, KeyMapRepaint::kNone);
    EXPECT_EQ(Click(kButtonSave).end, KeyMapEnd::kOk);
    EXPECT_EQ(result.assignType, ASSIGN_OPEN_FOLDER);
}

TEST_F(KeyMapFixture, RefusedPathsAreExplainedAndChooseNothing) {
    struct Case {
        const char* name;
        std::string path;
        std::string message;
    } const cases[] = {
        {"folder without a path", "", "Please select a folder\n"},
        {"path too long", "/" + std::string(300, 'a'), std::string(kPathTooLongMessage)},
    };
    for (const Case& c : cases) {
        dialog.Open(kKey);
        Click(kButtonFirstTab + 3);
        ui.files.push_back(std::filesystem::path(c.path));
        const KeyMapEffects e = ClickCell(3, 3);
        EXPECT_EQ(dialog.shortcutRow(), kNoCell) << c.name;
        EXPECT_EQ(result.assignType, ASSIGN_DEFAULT) << c.name;
        EXPECT_EQ(e.repaint, KeyMapRepaint::kNone) << c.name;
        ASSERT_FALSE(ui.shown.empty()) << c.name;
        EXPECT_EQ(ui.shown.back().text, c.message) << c.name;
    }
}

TEST_F(KeyMapFixture, ARadioWithoutAPathGivesTheKeyItsOwnFunction) {
    // A program shortcut reopened; the user picks the sound row's radio and saves.
    Store(ASSIGN_RUN_PROGRAM, {0x03, 0x00, 0x23, 0x02});
    StoreShortcutPath(state->keys[kKey], u"/usr/bin/editor");
    dialog.Open(kKey);
    ClickCell(0, 0);
    EXPECT_EQ(Click(kButtonSave).end, KeyMapEnd::kOk);
    EXPECT_EQ(result.assignType, ASSIGN_DEFAULT);
}

TEST_F(KeyMapFixture, HoverMarksButtonsAndPlainPointerMovesDragTheDialog) {
    dialog.Open(kKey);
    const DialogButtonSpec& save = kDialogButtons[kButtonSave];
    KeyMapEffects e = dialog.MouseMove(save.left, save.top);
    EXPECT_EQ(dialog.buttonState(kButtonSave), 1);
    EXPECT_TRUE(e.startMove);
    EXPECT_FALSE(dialog.MouseMove(save.left + 1, save.top).startMove) << "same button";

    e = dialog.MouseMove(kDialogButtons[kButtonTickBox].left, kDialogButtons[kButtonTickBox].top);
    EXPECT_EQ(dialog.buttonState(kButtonTickBox), 0) << "the tick box shows its tick, not hover";
    EXPECT_EQ(dialog.buttonState(kButtonSave), 1) << "left on until the pointer is on none";
    dialog.MouseMove(150, 150);
    EXPECT_EQ(dialog.buttonState(kButtonSave), 0);
    EXPECT_TRUE(dialog.MouseMove(151, 150).startMove);
    EXPECT_EQ(dialog.MouseMove(152, 150).repaint, KeyMapRepaint::kNone);

    // On the advanced page, arriving from a button redraws the browse buttons.
    Click(kButtonFirstTab + 3);
    dialog.MouseMove(save.left, save.top);
    e = dialog.MouseMove(280, AdvancedRowTop(1) + 5);
    EXPECT_EQ(e.repaint, KeyMapRepaint::kBrowseButtons);
    EXPECT_EQ(dialog.browseHoverRow(), 1u);
}

// The dialog and the encoder together, as the main window runs them.
class KeyMapRoundTripTest : public KeyMapFixture {
protected:
    KeyMapRoundTripTest() { state->folders.data = dir.path(); }
    RemapBytes Entry() const { return ReadRemapEntry(state->image, kKey); }
    test::TempDir dir;
};

TEST_F(KeyMapRoundTripTest, SavingAReopenedAssignmentStoresItAgain) {
    struct Case {
        const char* name;
        std::uint8_t type;
        std::initializer_list<std::uint8_t> data;
        std::uint8_t length;
    } const cases[] = {
        {"combination", ASSIGN_COMBO, {kLCtrl, kC}, 2},
        {"folder shortcut", ASSIGN_OPEN_FOLDER, {0x03, 0x00, 0x23, 0x02}, 0},
        {"function", ASSIGN_FUNCTION, {0x00, 0xE0, 0x19, 0x00}, 0},
        {"macro", ASSIGN_MACRO, {0x04, 0x01, 0x02, 0x00}, 0},
    };
    for (const Case& c : cases) {
        Store(c.type, c.data, c.length);
        if (IsShortcutType(c.type))
            StoreShortcutPath(state->keys[kKey], u"/srv/Музика");
        // The stored assignment encoded once, then reopened and saved unchanged.
        dialog.Open(kKey);
        if (c.type == ASSIGN_COMBO)
            dialog.EditFocused(KeyMapEdit::kCombo); // the focus the opening gave
        ASSERT_EQ(Click(kButtonSave).end, KeyMapEnd::kOk) << c.name;
        ASSERT_TRUE(CommitKeyAssignment(*state, kKey, result)) << c.name;
        const KeyRecord first = state->keys[kKey];
        const RemapBytes firstEntry = Entry();

        dialog.Open(kKey);
        if (c.type == ASSIGN_COMBO)
            dialog.EditFocused(KeyMapEdit::kCombo); // the focus the opening gave
        ASSERT_EQ(Click(kButtonSave).end, KeyMapEnd::kOk) << c.name;
        ASSERT_TRUE(CommitKeyAssignment(*state, kKey, result)) << c.name;
        EXPECT_EQ(state->keys[kKey], first) << c.name;
        EXPECT_EQ(Entry(), firstEntry) << c.name;
        EXPECT_EQ(state->keys[kKey].at(keyrecord::kAssignType), c.type) << c.name;
        EXPECT_EQ(state->keyCustomised[kKey], 1) << c.name;
    }
}

TEST_F(KeyMapRoundTripTest, CombinationOfCtrlAndCReachesTheRemapEntry) {
    dialog.Open(kKey);
    dialog.SetHookInstalled(true);
    dialog.EditFocused(KeyMapEdit::kCombo);
    dialog.CaptureKey(kLCtrl);
    dialog.CaptureKey(kC);
    ASSERT_EQ(Click(kButtonSave).end, KeyMapEnd::kOk);
    ASSERT_TRUE(CommitKeyAssignment(*state, kKey, result));
    EXPECT_EQ(Entry(), (RemapBytes{0x00, 0xE0, 0x06, 0x00}));
    EXPECT_TRUE(state->image.EnableBit(kKeyLayout[kKey].enableBit()));
}

} // namespace
} // namespace hx
