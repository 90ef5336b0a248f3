#include "macro/MacroTexts.h"
#include "MacroManagerFixture.h"

namespace hx {
namespace {

using test::kA;
using test::kB;
using test::Lines;

class MacroManagerTest : public test::MacroManagerFixture {};

TEST_F(MacroManagerTest, OpeningAnEmptyLibraryShowsNothingAndRefusesRecordAndDelete) {
    Open();
    EXPECT_TRUE(MacroLines().empty());
    EXPECT_EQ(manager->SelectedMacro(), -1);
    EXPECT_TRUE(EventLines().empty());
    EXPECT_EQ(manager->RepeatText(), u"");

    manager->RecordButton();
    ui.answers = {MessageAnswer::kOk};
    manager->DeleteMacro();
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[0].text, "Please select a Macro file to record \n");
    EXPECT_EQ(ui.shown[0].caption, "Macro Manager");
    EXPECT_EQ(ui.shown[0].buttons, MessageButtons::kOk);
    EXPECT_EQ(ui.shown[1].text, "Confirm to delete?");
    EXPECT_EQ(ui.shown[1].buttons, MessageButtons::kOkCancel);
    EXPECT_EQ(ui.shown[2].text, "Please select a Macro file to delete\n");
    EXPECT_FALSE(manager->RecordingOn());
    EXPECT_EQ(hook.installs, 0);
}

TEST_F(MacroManagerTest, OpeningSelectsTheFirstMacroAndShowsItsEvents) {
    AddMacro(u"Fire", {{false, 1, kA}, {true, 300, kA}}, 3, true);
    AddMacro(u"Jump");
    Open();
    EXPECT_EQ(MacroLines(), (Lines{"Fire", "Jump"}));
    EXPECT_EQ(manager->SelectedMacro(), 0);
    EXPECT_EQ(EventLines(), (Lines{"A  dn", "300 ms", "A  up"}));
    EXPECT_EQ(DeviceBytes(), "01 04 FF 04 01 2C");
    EXPECT_EQ(KeyBytes(), "01 41 FF 41 01 2C");
    EXPECT_EQ(manager->AppendPos(), 6u);
    EXPECT_TRUE(manager->DelayMode());
    EXPECT_TRUE(manager->RepeatEnabled());
    EXPECT_EQ(manager->RepeatText(), u"3");
}

TEST_F(MacroManagerTest, SelectingAMacroTakesItsRepeatCountAndDelayFlag) {
    struct Case {
        const char* guards;
        std::uint16_t stored;
        bool delays;
        std::u16string shown;
        bool enabled;
        std::uint16_t afterwards; // the edit's text is stored back at once
    };
    const Case cases[] = {
        {"0 shows as 1 with repeating off", 0, false, u"1", false, 1},
        {"1 is repeating off", 1, true, u"1", false, 1},
        {"above 1 switches repeating on", 250, false, u"250", true, 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        library = std::make_unique<MacroLibrary>();
        AddMacro(u"First", {}, 7);
        AddMacro(u"Second", {{false, 1, kB}}, c.stored, c.delays);
        Open();
        manager->SelectMacro(1);
        EXPECT_EQ(manager->RepeatText(), c.shown);
        EXPECT_EQ(manager->RepeatEnabled(), c.enabled);
        EXPECT_EQ(manager->DelayMode(), c.delays);
        EXPECT_EQ(manager->EditLibrary()[1].RepeatCount(), c.afterwards);
        EXPECT_EQ(EventLines(), Lines{"B  dn"});
    }
}

TEST_F(MacroManagerTest, OpeningPutsNamedRecordsFirstSoLinesAndRecordsAgree) {
    (*library)[1].SetName(u"Second");
    (*library)[3].SetName(u"Fourth");
    (*library)[5].SetRepeatCount(9); // unnamed leftovers are dropped
    Open();
    EXPECT_EQ(MacroLines(), (Lines{"Second", "Fourth"}));
    EXPECT_EQ(manager->EditLibrary()[0].Name(), u"Second");
    EXPECT_EQ(manager->EditLibrary()[1].Name(), u"Fourth");
    for (std::size_t i = 2; i < macrolib::kRecordCount; ++i)
        ASSERT_EQ(manager->EditLibrary()[i], MacroRecord{}) << i;
}

TEST_F(MacroManagerTest, NewMacroNames) {
    struct Case {
        const char* guards;
        std::vector<std::u16string> existing;
        std::u16string expected;
    };
    const Case cases[] = {
        {"first", {}, u"Macro_001"},
        {"the first gap", {u"Macro_001", u"Macro_003"}, u"Macro_002"},
        {"other names do not count", {u"macro_001", u"Macro_01"}, u"Macro_001"},
        {"two digits from 10",
         {u"Macro_001", u"Macro_002", u"Macro_003", u"Macro_004", u"Macro_005", u"Macro_006",
          u"Macro_007", u"Macro_008", u"Macro_009"},
         u"Macro_010"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(NextMacroName(c.existing), c.expected);
    }
}

TEST_F(MacroManagerTest, NewMacroStartsEmptyAndSelected) {
    AddMacro(u"Macro_001", {{false, 1, kA}}, 5, true);
    Open();
    manager->RecordButton();
    ASSERT_TRUE(manager->HookInstalled());

    manager->NewMacro();
    EXPECT_EQ(MacroLines(), (Lines{"Macro_001", "Macro_002"}));
    EXPECT_EQ(manager->SelectedMacro(), 1);
    EXPECT_TRUE(EventLines().empty());
    EXPECT_EQ(manager->Working(), WorkingEvents{});
    EXPECT_FALSE(manager->RecordingOn());
    EXPECT_FALSE(manager->DelayMode());
    EXPECT_FALSE(manager->RepeatEnabled());
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_EQ(hook.removals, 1);
    EXPECT_EQ(manager->RepeatText(), u"1");
    MacroRecord expected;
    expected.SetName(u"Macro_002");
    expected.SetRepeatCount(1);
    EXPECT_EQ(manager->EditLibrary()[1], expected);
    EXPECT_EQ(manager->EditLibrary()[0].RepeatCount(), 5);
}

TEST_F(MacroManagerTest, NewIsRefusedAtThirtyTwoMacros) {
    Open();
    for (int i = 0; i < 33; ++i)
        manager->NewMacro();
    EXPECT_EQ(manager->MacroLines().size(), 32u);
    EXPECT_EQ(manager->MacroLines().back(), u"Macro_032");
    EXPECT_FALSE(manager->EditLibrary()[32].HasName());
}

TEST_F(MacroManagerTest, DeleteAsksAndMovesTheMacrosBehindDown) {
    AddMacro(u"A", {{false, 1, kA}});
    AddMacro(u"B", {{false, 1, kB}}, 4);
    AddMacro(u"C");
    Open();
    manager->SelectMacro(1);

    manager->DeleteMacro(); // unscripted: Cancel
    EXPECT_EQ(MacroLines().size(), 3u);

    ui.answers = {MessageAnswer::kOk};
    manager->DeleteMacro();
    EXPECT_EQ(MacroLines(), (Lines{"A", "C"}));
    EXPECT_EQ(manager->EditLibrary()[1].Name(), u"C");
    EXPECT_EQ(manager->EditLibrary()[2], MacroRecord{});
    EXPECT_EQ(manager->SelectedMacro(), 1);
    EXPECT_TRUE(EventLines().empty());

    // The last line: the one before it is selected and loaded.
    ui.answers = {MessageAnswer::kOk};
    manager->DeleteMacro();
    EXPECT_EQ(manager->SelectedMacro(), 0);
    EXPECT_EQ(EventLines(), Lines{"A  dn"});
}

TEST_F(MacroManagerTest, DeletingTheOnlyMacroLeavesNoSelectionAndStopsRecording) {
    AddMacro(u"Only");
    Open();
    manager->RecordButton();
    ui.answers = {MessageAnswer::kOk};
    manager->DeleteMacro();
    EXPECT_TRUE(MacroLines().empty());
    EXPECT_EQ(manager->SelectedMacro(), -1);
    EXPECT_FALSE(manager->RecordingOn());
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_EQ(hook.removals, 1);
    EXPECT_EQ(manager->EditLibrary()[0], MacroRecord{});
}

TEST_F(MacroManagerTest, RenameIsStoredAtOnceAndKeepsTheRecordValid) {
    AddMacro(u"Old");
    Open();
    manager->RenameMacro(0, u"New name");
    EXPECT_EQ(MacroLines(), Lines{"New name"});
    EXPECT_EQ(manager->EditLibrary()[0].Name(), u"New name");

    // An empty name would mark the record unused: refused.
    manager->RenameMacro(0, u"");
    EXPECT_EQ(manager->EditLibrary()[0].Name(), u"New name");
    EXPECT_EQ(MacroLines(), Lines{"New name"});

    // Longer than the record holds: cut.
    manager->RenameMacro(0, std::u16string(300, u'x'));
    EXPECT_EQ(manager->EditLibrary()[0].Name(), std::u16string(254, u'x'));
    EXPECT_EQ(manager->MacroLines()[0], std::u16string(254, u'x'));
}

TEST_F(MacroManagerTest, RepeatEditAndCheckBox) {
    AddMacro(u"M", {}, 1);
    Open();
    manager->ToggleRepeat();
    EXPECT_TRUE(manager->RepeatEnabled());
    manager->SetRepeatText(u"1a23 4");
    EXPECT_EQ(manager->RepeatText(), u"123");
    EXPECT_EQ(manager->EditLibrary()[0].RepeatCount(), 123);

    // Off: the edit says 1 again, and so does the record.
    manager->ToggleRepeat();
    EXPECT_EQ(manager->RepeatText(), u"1");
    EXPECT_EQ(manager->EditLibrary()[0].RepeatCount(), 1);
}

TEST_F(MacroManagerTest, NothingReachesTheLibraryBeforeOk) {
    AddMacro(u"M", {{false, 1, kA}});
    Open();
    const MacroLibrary before = *library;
    manager->NewMacro();
    manager->ToggleRepeat();
    manager->SetRepeatText(u"9");
    EXPECT_EQ(*library, before);

    manager->RecordButton();
    manager->Ok(*library);
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_EQ(NamedMacroCount(*library), 2u);
    EXPECT_EQ((*library)[1].RepeatCount(), 9);
    EXPECT_EQ(*library, manager->EditLibrary());
}

TEST_F(MacroManagerTest, EditingALineStopsRecordingAndClosingRemovesTheHook) {
    AddMacro(u"M");
    Open();
    manager->RecordButton();
    manager->EditStart();
    EXPECT_FALSE(manager->RecordingOn());
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_EQ(hook.removals, 1);

    manager->RecordButton();
    manager->Close();
    EXPECT_EQ(hook.removals, 2);
    manager->Close();
    EXPECT_EQ(hook.removals, 2);
}

} // namespace
} // namespace hx
