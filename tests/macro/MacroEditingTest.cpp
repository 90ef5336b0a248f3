#include "macro/MacroTexts.h"
#include "MacroManagerFixture.h"

namespace hx {
namespace {

using test::kA;
using test::kB;
using test::kC;
using test::Lines;

// Lines: 0 "A  dn", 1 "250 ms", 2 "A  up", 3 "B  dn", 4 "B  up".
class MacroEditingTest : public test::MacroManagerFixture {
protected:
    void SetUp() override {
        AddMacro(u"M", {{false, 1, kA}, {true, 250, kA}, {false, 1, kB}, {true, 1, kB}}, 1, true);
        Open();
        ASSERT_EQ(EventLines(), (Lines{"A  dn", "250 ms", "A  up", "B  dn", "B  up"}));
    }
    void Menu(int command, int selectedLine) {
        manager->SelectEventLine(selectedLine);
        manager->RunMenuCommand(command);
    }
};

TEST_F(MacroEditingTest, InsertedKeysGoWhereTheSelectedLineSays) {
    struct Case {
        const char* guards;
        int command;
        int selected;
        int insertLine;
        Lines lines;
        std::string device;
    };
    const std::string atStart = "01 06 81 06 01 04 FF 04 00 FA 01 05 81 05";
    const std::string afterFirst = "01 04 01 06 81 06 FF 04 00 FA 01 05 81 05";
    const std::string afterSecond = "01 04 FF 04 00 FA 01 06 81 06 01 05 81 05";
    const std::string atEnd = "01 04 FF 04 00 FA 01 05 81 05 01 06 81 06";
    const Case cases[] = {
        {"before line 0 is the very start",
         kCmdInsertBefore,
         0,
         0,
         {"C  dn", "C  up", "A  dn", "250 ms", "A  up", "B  dn", "B  up"},
         atStart},
        {"before a delay line",
         kCmdInsertBefore,
         1,
         1,
         {"A  dn", "C  dn", "C  up", "250 ms", "A  up", "B  dn", "B  up"},
         afterFirst},
        {"before a key line goes above its delay",
         kCmdInsertBefore,
         2,
         1,
         {"A  dn", "C  dn", "C  up", "250 ms", "A  up", "B  dn", "B  up"},
         afterFirst},
        {"before a key line without delay",
         kCmdInsertBefore,
         3,
         3,
         {"A  dn", "250 ms", "A  up", "C  dn", "C  up", "B  dn", "B  up"},
         afterSecond},
        {"after a delay line skips its key line",
         kCmdInsertAfter,
         1,
         3,
         {"A  dn", "250 ms", "A  up", "C  dn", "C  up", "B  dn", "B  up"},
         afterSecond},
        {"after a key line",
         kCmdInsertAfter,
         0,
         1,
         {"A  dn", "C  dn", "C  up", "250 ms", "A  up", "B  dn", "B  up"},
         afterFirst},
        {"after the last line",
         kCmdInsertAfter,
         4,
         5,
         {"A  dn", "250 ms", "A  up", "B  dn", "B  up", "C  dn", "C  up"},
         atEnd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        SetUp();
        Menu(c.command, c.selected);
        EXPECT_TRUE(manager->InsertKeyMode());
        EXPECT_TRUE(manager->HookInstalled());
        EXPECT_EQ(manager->InsertLine(), c.insertLine);
        Press(kC);
        Release(kC);
        EXPECT_EQ(EventLines(), c.lines);
        EXPECT_EQ(DeviceBytes(), c.device);
        EXPECT_EQ(StoredDeviceBytes(0), c.device);
        // The first release ends the insertion and the hook.
        EXPECT_FALSE(manager->InsertKeyMode());
        EXPECT_FALSE(manager->HookInstalled());
    }
}

TEST_F(MacroEditingTest, InsertedKeysHaveNoDelayAndRepeatsInsertMorePresses) {
    Menu(kCmdInsertBefore, 0);
    Press(kC);
    Press(kC, 100);
    Release(kC, 100);
    EXPECT_EQ(DeviceBytes(), "01 06 01 06 81 06 01 04 FF 04 00 FA 01 05 81 05");
    EXPECT_EQ(KeyBytes(), "01 43 01 43 81 43 01 41 FF 41 00 FA 01 42 81 42");
    EXPECT_EQ(hook.installs, 1);
    EXPECT_EQ(hook.removals, 1);
    // The keys after the release are not inserted any more.
    Press(kA);
    EXPECT_EQ(EventLines().size(), 8u);
}

TEST_F(MacroEditingTest, InsertingWhileRecordingKeepsTheRecordingGoing) {
    manager->RecordButton(); // recording starts an empty macro, in delay mode
    Press(kA);
    Release(kA, 10);
    manager->SelectEventLine(0);
    manager->RunMenuCommand(kCmdInsertBefore);
    Press(kC);
    Release(kC);
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_EQ(hook.installs, 1);
    // Recording goes on at the end of the list, not where the insertion was.
    Press(kB, 20);
    EXPECT_EQ(EventLines(), (Lines{"C  dn", "C  up", "A  dn", "10 ms", "A  up", "20 ms", "B  dn"}));
    EXPECT_EQ(DeviceBytes(), "01 06 81 06 01 04 8A 04 14 05");
    EXPECT_EQ(manager->AppendPos(), 10u);
}

TEST_F(MacroEditingTest, MouseButtonEventsGoAfterTheSelectedEvent) {
    struct Case {
        const char* guards;
        int command;
        int selected;
        Lines lines;
        std::string device;
    };
    const Case cases[] = {
        {"a left click after an event",
         kCmdLeftClick,
         3,
         {"A  dn", "250 ms", "A  up", "B  dn", "MsLB dn", "MsLB up", "B  up"},
         "01 04 FF 04 00 FA 01 05 01 F0 81 F0 81 05"},
        {"after a delay line, behind its key line",
         kCmdRightPress,
         1,
         {"A  dn", "250 ms", "A  up", "MsRB dn", "B  dn", "B  up"},
         "01 04 FF 04 00 FA 01 F1 01 05 81 05"},
        {"a middle release after the last line",
         kCmdMiddleRelease,
         4,
         {"A  dn", "250 ms", "A  up", "B  dn", "B  up", "MsMB up"},
         "01 04 FF 04 00 FA 01 05 81 05 81 F2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        SetUp();
        Menu(c.command, c.selected);
        EXPECT_EQ(EventLines(), c.lines);
        EXPECT_EQ(DeviceBytes(), c.device);
        EXPECT_EQ(StoredDeviceBytes(0), c.device);
        EXPECT_EQ(manager->SelectedEventLine(), c.selected);
    }
    // Without a selected line nothing happens.
    SetUp();
    Menu(kCmdLeftClick, -1);
    EXPECT_EQ(EventLines().size(), 5u);
}

TEST_F(MacroEditingTest, InsertDelayGivesTheEventBelowFiftyMilliseconds) {
    // Below line 2 is "B  dn" without delay: it gets a delay line.
    Menu(kCmdInsertDelay, 2);
    EXPECT_EQ(EventLines(), (Lines{"A  dn", "250 ms", "A  up", "50 ms", "B  dn", "B  up"}));
    EXPECT_EQ(DeviceBytes(), "01 04 FF 04 00 FA 32 05 81 05");
    EXPECT_EQ(manager->SelectedEventLine(), -1);

    // Below line 0 is the 250 ms event: its delay becomes 50 ms, in the short form.
    Menu(kCmdInsertDelay, 0);
    EXPECT_EQ(DeviceBytes(), "01 04 B2 04 32 05 81 05");

    // On a delay line: asked to edit it instead; on the last line: nothing.
    Menu(kCmdInsertDelay, 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Please edit current delay\n");
    EXPECT_EQ(ui.shown[0].caption, "Macro Manager");
    Menu(kCmdInsertDelay, 5);
    EXPECT_EQ(DeviceBytes(), "01 04 B2 04 32 05 81 05");
}

TEST_F(MacroEditingTest, DeletingALine) {
    struct Case {
        const char* guards;
        int selected;
        Lines lines;
        std::string device;
    };
    const Case cases[] = {
        {"a delay line: the event stays with delay 1",
         1,
         {"A  dn", "A  up", "B  dn", "B  up"},
         "01 04 81 04 01 05 81 05"},
        {"a key line with a delay: both lines go",
         2,
         {"A  dn", "B  dn", "B  up"},
         "01 04 01 05 81 05"},
        {"the first event: the next one has no delay any more",
         0,
         {"A  up", "B  dn", "B  up"},
         "81 04 01 05 81 05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        SetUp();
        Menu(kCmdDeleteLine, c.selected);
        EXPECT_EQ(EventLines(), c.lines);
        EXPECT_EQ(DeviceBytes(), c.device);
        EXPECT_EQ(StoredDeviceBytes(0), c.device);
        EXPECT_EQ(manager->AppendPos(), (c.device.size() + 1) / 3);
    }
}

TEST_F(MacroEditingTest, EditingADelayInPlace) {
    struct Case {
        const char* guards;
        int value;
        std::string line;
        std::string device;
    };
    const Case cases[] = {
        {"1 becomes 2", 1, "2 ms", "01 04 82 04 01 05 81 05"},
        {"above 60000 becomes 60000", 70000, "60000 ms", "01 04 FF 04 EA 60 01 05 81 05"},
        {"126 stays short", 126, "126 ms", "01 04 FE 04 01 05 81 05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        SetUp();
        manager->EditDelay(1, c.value);
        EXPECT_EQ(EventLines()[1], c.line);
        EXPECT_EQ(DeviceBytes(), c.device);
        EXPECT_EQ(StoredDeviceBytes(0), c.device);
        EXPECT_EQ(manager->SelectedEventLine(), 1);
    }
    // 127 turns a short delay into the long form.
    SetUp();
    manager->EditDelay(1, 50);
    manager->EditDelay(1, 127);
    EXPECT_EQ(DeviceBytes(), "01 04 FF 04 00 7F 01 05 81 05");
    // A key line is no delay line: nothing changes.
    manager->EditDelay(2, 500);
    EXPECT_EQ(DeviceBytes(), "01 04 FF 04 00 7F 01 05 81 05");
}

TEST_F(MacroEditingTest, EditsEndAPendingInsertionAndItsHook) {
    Menu(kCmdInsertAfter, 0);
    ASSERT_TRUE(manager->HookInstalled());
    Menu(kCmdLeftPress, 0);
    EXPECT_FALSE(manager->InsertKeyMode());
    EXPECT_FALSE(manager->HookInstalled());
    // Keys reaching the window now are neither inserted nor recorded.
    const std::string before = DeviceBytes();
    manager->HookKey(kC, false);
    EXPECT_EQ(DeviceBytes(), before);
}

TEST_F(MacroEditingTest, AFullListRefusesInsertions) {
    library = std::make_unique<MacroLibrary>();
    std::vector<MacroEvent> events;
    for (int i = 0; i < 94; ++i)
        events.push_back({i % 2 == 1, 1, kA});
    AddMacro(u"Full", events);
    Open();
    // Room for one short event: a click (two) is refused whole, a press goes in.
    Menu(kCmdLeftClick, 0);
    EXPECT_EQ(manager->EventLines().size(), 94u);
    Menu(kCmdLeftPress, 0);
    EXPECT_EQ(manager->EventLines().size(), 95u);
    Menu(kCmdRightPress, 0);
    EXPECT_EQ(manager->EventLines().size(), 95u);
    EXPECT_EQ(manager->Working().End(), 190u);
    // No room for a long delay either: the delay stays as it was.
    Menu(kCmdInsertDelay, 0);
    manager->EditDelay(1, 300);
    EXPECT_EQ(EventLines()[1], "50 ms");
}

} // namespace
} // namespace hx
