#include "MacroManagerFixture.h"

namespace hx {
namespace {

using test::kA;
using test::kB;
using test::kC;
using test::Lines;

class MacroRecorderTest : public test::MacroManagerFixture {
protected:
    // One macro, selected, recording started in the given mode.
    void StartRecording(bool delayMode) {
        AddMacro(u"M", {{false, 1, kC}, {true, 1, kC}});
        Open();
        if (delayMode)
            manager->ToggleDelayMode();
        manager->RecordButton();
        ASSERT_TRUE(manager->RecordingOn());
        ASSERT_TRUE(manager->HookInstalled());
    }
};

TEST_F(MacroRecorderTest, RecordsKeyStrokesWithTheirDelays) {
    struct Stroke {
        std::uint8_t vk;
        bool release;
        int afterMs;
    };
    struct Case {
        const char* guards;
        bool delayMode;
        std::vector<Stroke> strokes;
        Lines lines;
        std::string device;
        std::string keys;
    };
    const Case cases[] = {
        {"the first event has no delay, later ones their gap",
         true,
         {{kA, false, 5000}, {kA, true, 300}, {kB, false, 50}, {kB, true, 1}},
         {"A  dn", "300 ms", "A  up", "50 ms", "B  dn", "B  up"},
         "01 04 FF 04 01 2C 32 05 81 05",
         "01 41 FF 41 01 2C 32 42 81 42"},
        {"a held key is one press; the delay runs from that press",
         true,
         {{kA, false, 0}, {kA, false, 40}, {kA, false, 40}, {kA, true, 40}},
         {"A  dn", "120 ms", "A  up"},
         "01 04 F8 04",
         "01 41 F8 41"},
        {"a gap of 80 s is stored as 60000 ms in the long form",
         true,
         {{kA, false, 0}, {kA, true, 80000}},
         {"A  dn", "60000 ms", "A  up"},
         "01 04 FF 04 EA 60",
         "01 41 FF 41 EA 60"},
        {"127 ms is the first long delay",
         true,
         {{kA, false, 0}, {kA, true, 127}},
         {"A  dn", "127 ms", "A  up"},
         "01 04 FF 04 00 7F",
         "01 41 FF 41 00 7F"},
        {"under 1 ms is stored as delay 1, not 0",
         true,
         {{kA, false, 0}, {kB, false, 0}},
         {"A  dn", "B  dn"},
         "01 04 01 05",
         "01 41 01 42"},
        {"without delay mode every event has delay 1",
         false,
         {{kA, false, 0}, {kA, true, 500}, {kB, false, 900}},
         {"A  dn", "A  up", "B  dn"},
         "01 04 81 04 01 05",
         "01 41 81 41 01 42"},
        {"a key the keyboard has no code for is left out",
         true,
         {{kA, false, 0}, {0x10, false, 20}, {kA, true, 30}},
         {"A  dn", "50 ms", "A  up"},
         "01 04 B2 04",
         "01 41 B2 41"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guards);
        library = std::make_unique<MacroLibrary>();
        StartRecording(c.delayMode);
        for (const Stroke& s : c.strokes)
            Key(s.vk, s.release, s.afterMs);
        EXPECT_EQ(EventLines(), c.lines);
        EXPECT_EQ(DeviceBytes(), c.device);
        EXPECT_EQ(KeyBytes(), c.keys);
        EXPECT_EQ(manager->SelectedEventLine(), static_cast<int>(c.lines.size()) - 1);
        // Every event is in the working library at once, with the mode it was recorded in.
        EXPECT_EQ(StoredDeviceBytes(0), c.device);
        EXPECT_EQ(manager->EditLibrary()[0].HasDelays(), c.delayMode);
    }
}

TEST_F(MacroRecorderTest, RecordingTwiceWithoutAKeyLeavesTheMacroEmpty) {
    StartRecording(true);
    manager->RecordButton();
    EXPECT_FALSE(manager->RecordingOn());
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_EQ(hook.removals, 1);
    EXPECT_TRUE(EventLines().empty());
    EXPECT_EQ(StoredDeviceBytes(0), "");
    EXPECT_EQ(manager->EditLibrary()[0].Name(), u"M");

    // Keys after recording stopped are not recorded.
    Press(kA);
    EXPECT_TRUE(EventLines().empty());
}

TEST_F(MacroRecorderTest, APressFromPosition144OnEndsRecording) {
    StartRecording(false);
    for (int i = 0; i < 72; ++i) // 72 two-byte events fill bytes 0..143
        Key(i % 2 == 0 ? kA : kB, false, 0);
    ASSERT_EQ(manager->AppendPos(), 144u);
    Press(kC);
    EXPECT_EQ(manager->AppendPos(), 144u);
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_TRUE(manager->RecordingOn()); // the button still says recording
    EXPECT_EQ(hook.removals, 1);
}

TEST_F(MacroRecorderTest, ReleasesAfterTheLimitNeverPassTheEndOfTheList) {
    StartRecording(true);
    // 35 long-form presses (140 bytes), each 1 s after the last, then their releases.
    std::uint8_t keys[35];
    for (int i = 0; i < 35; ++i) {
        keys[i] = static_cast<std::uint8_t>(0x41 + i % 26);
        if (i >= 26)
            keys[i] = static_cast<std::uint8_t>(0x31 + (i - 26)); // digits 1..9
        Press(keys[i], 1000);
    }
    ASSERT_EQ(manager->AppendPos(), 138u); // the first press is short
    for (int i = 0; i < 35; ++i)
        Release(keys[i], 1000);
    // 13 long releases fill the list to its last byte; the 14th ends recording.
    EXPECT_EQ(manager->AppendPos(), eventlist::kSize);
    EXPECT_EQ(EventListEnd(manager->Working().device), eventlist::kSize);
    EXPECT_EQ(manager->EventLines().size(), 35u + 34u + 13u + 13u);
    EXPECT_FALSE(manager->HookInstalled());
    EXPECT_EQ(hook.removals, 1);
}

TEST_F(MacroRecorderTest, AFailedInstallRecordsNothing) {
    AddMacro(u"M");
    Open();
    hook.installResult = false;
    manager->RecordButton();
    EXPECT_TRUE(manager->RecordingOn());
    EXPECT_FALSE(manager->HookInstalled());
    Press(kA);
    EXPECT_TRUE(EventLines().empty());
    manager->RecordButton();
    EXPECT_EQ(hook.removals, 0);
}

TEST_F(MacroRecorderTest, SwitchingMacroWhileRecordingAppendsToTheOther) {
    AddMacro(u"One");
    AddMacro(u"Two", {{false, 1, kB}, {true, 1, kB}});
    Open();
    manager->RecordButton();
    Press(kA);
    manager->SelectMacro(1);
    EXPECT_EQ(manager->AppendPos(), 4u);
    Release(kA, 10);
    EXPECT_EQ(EventLines(), (Lines{"B  dn", "B  up", "A  up"}));
    EXPECT_EQ(StoredDeviceBytes(0), "01 04");
    EXPECT_EQ(StoredDeviceBytes(1), "01 05 81 05 81 04");
}

TEST_F(MacroRecorderTest, BytesAFileLeftBehindTheEndDoNotComeBack) {
    AddMacro(u"One");
    MacroRecord& two = AddMacro(u"Two", {{false, 1, kB}});
    // Junk after the list's end that would read as the event "81 05" once the gap is filled.
    two.DeviceEvents()[4] = 0x81;
    two.DeviceEvents()[5] = 0x05;
    Open();
    manager->RecordButton();
    manager->SelectMacro(1);
    Press(kA);
    EXPECT_EQ(EventLines(), (Lines{"B  dn", "A  dn"}));
    EXPECT_EQ(StoredDeviceBytes(1), "01 05 01 04");
}

} // namespace
} // namespace hx
