#include "config/LocalFiles.h"
#include "keymap/AssignmentResult.h"
#include "keymap/KeyLayout.h"
#include "device/DeviceConnection.h"
#include "device/Listener.h"
#include "device/ReadAll.h"
#include "support/FakeServices.h"
#include "support/LinkedKeyboard.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"
#include "ui/main/KeyRects.h"
#include "ui/main/MainLayout.h"
#include "ui/main/KeyboardPicture.h"
#include "ui/main/MainWindowController.h"
#include "ui/panel/PanelFakes.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

class RecordingHost final : public MainWindowHost {
public:
    void HideWindow() override { calls.push_back("hide"); }
    void EndDialog() override { calls.push_back("end"); }
    void SetTrackbarPositions() override { calls.push_back("trackbars"); }
    void SetWaitCursor(bool waiting) override { calls.push_back(waiting ? "wait" : "arrow"); }
    void Repaint() override { ++repaints; }
    void StartSystemMove() override { calls.push_back("move"); }
    void OpenProfileManager() override { calls.push_back("profiles"); }
    bool OpenMacroManager() override {
        calls.push_back("macros");
        return macroManagerOk;
    }
    bool OpenKeyAssignment(std::uint8_t key, AssignmentResult& result) override {
        calls.push_back("assign " + std::to_string(key));
        if (!assignment)
            return false;
        result = *assignment;
        return true;
    }
    bool macroManagerOk = false;
    std::optional<AssignmentResult> assignment;
    std::vector<std::string> calls;
    int repaints = 0;
};

// The window's logic over a connected virtual keyboard that has been read, as after start-up.
class MainWindowControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        k.state->folders = {dir.path(), dir.path()};
        ASSERT_TRUE(k.link.OpenDeviceHandle());
        ASSERT_TRUE(k.link.OpenNotifyHandle());
        {
            auto session = k.link.Begin();
            ASSERT_TRUE(ReadEverything(session, k.state->image, k.state->firmwareVersion));
        }
        k.state->TakeSnapshot();
        k.state->TakeKeySnapshot();
        listener.Start();
        k.conversation.Clear();
    }
    void TearDown() override { listener.Stop(); }

    std::vector<std::uint8_t> KeymapFile() const { return test::ReadAll(dir / "keymap.bin"); }
    std::uint8_t& Speed() {
        return k.state->image.at(image::kLightingSettings, image::kLightingSpeed);
    }
    void ClickAt(const HotRect& r) { controller.OnLeftButtonUp(r.left, r.top); }
    HotRect Region(int code) { return RegionOf(code, ComputePanelLayout(controller.window())); }

    test::TempDir dir;
    test::LinkedKeyboard k;
    Listener listener{k.link, k.events};
    test::ScriptedUi ui;
    test::RecordingShell shell;
    RecordingHost host;
    test::FakeSliders sliders{k.state->image};
    MainWindowController controller{*k.state, k.link, ui, shell, host, sliders};
};

TEST_F(MainWindowControllerTest, SaveSendsTheEditAndKeepsTheLiveBlocksInTheFile) {
    Speed() = 2;
    ClickAt(Region(kHitSave));
    EXPECT_EQ(k.keyboard.Memory().image.at(image::kLightingSettings, image::kLightingSpeed), 2);
    EXPECT_EQ(k.state->imageSnapshot, k.state->image);
    EXPECT_EQ(KeymapFile()[image::kLightingSettings.offset + image::kLightingSpeed], 2);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"wait", "arrow"}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(MainWindowControllerTest, SaveFailuresAreSaidAndLoseNothing) {
    k.keyboard.SetFaults({.dropAcks = true});
    k.state->image.at(image::kResponseTime) = 9;
    ClickAt(Region(kHitSave));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kNotConfirmedText);
    EXPECT_NE(k.state->imageSnapshot.at(image::kResponseTime), 9);
    EXPECT_EQ(KeymapFile()[image::kResponseTime.offset], 9); // the file mirrors the live edit

    k.link.CloseHandles();
    ClickAt(Region(kHitSave));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, "No Gaming Keyboard Detected!");
}

TEST_F(MainWindowControllerTest, CancelRevertsHidesAndRewritesTheFile) {
    Speed() = 1;
    k.state->keys[4].at(keyrecord::kAssignType) = 3;
    ClickAt(Region(kHitCancel));
    EXPECT_EQ(k.state->image, k.state->imageSnapshot);
    EXPECT_EQ(k.state->keys, k.state->keysSnapshot);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hide", "trackbars"}));
    EXPECT_NE(KeymapFile()[image::kLightingSettings.offset + image::kLightingSpeed], 1);
    EXPECT_TRUE(k.conversation.Lines().empty()) << "Cancel sent something";
}

TEST_F(MainWindowControllerTest, ProfileButtonOpensTheProfileManager) {
    ClickAt(Region(kHitProfile));
    EXPECT_EQ(host.calls, std::vector<std::string>{"profiles"});
}

TEST_F(MainWindowControllerTest, MacroManagerOkFillsTheSlotsAndSavesBothFiles) {
    ClickAt(Region(kHitMacro)); // Cancel: nothing written
    EXPECT_FALSE(std::filesystem::exists(dir / "MacroDefine.bin"));

    k.state->macroLibrary.records[0].SetName(u"Combo");
    k.state->macroLibrary.records[0].DeviceEvents()[0] = 0x04;
    host.macroManagerOk = true;
    ClickAt(Region(kHitMacro));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"macros", "macros"}));
    EXPECT_EQ(test::ReadAll(dir / "MacroDefine.bin").size(), macrolib::kSize);
    EXPECT_FALSE(k.state->image.SameField(k.state->imageSnapshot, image::MacroSlot(0)))
        << "the device slot was not filled";
    EXPECT_EQ(KeymapFile().size(), kKeymapFileSize);
}

TEST_F(MainWindowControllerTest, KeyClickAssignsTheKeyAndSendsTheRemapTableOnSave) {
    const KeyRect& a = kKeyRects[63];                             // "A"
    controller.OnLeftButtonUp(307 + a.left + 3, 211 + a.top + 3); // Cancel: nothing changes
    EXPECT_EQ(host.calls, std::vector<std::string>{"assign 63"});
    EXPECT_EQ(k.state->image, k.state->imageSnapshot);

    AssignmentResult b;
    b.assignType = ASSIGN_KEY;
    b.chosenKeys[0] = 0x42; // "B "
    b.chosenLength = 1;
    b.keyEnabled = 1;
    host.assignment = b;
    controller.OnLeftButtonUp(307 + a.left + 3, 211 + a.top + 3);
    EXPECT_EQ(k.state->keyCustomised[63], 1);
    EXPECT_EQ(KeymapFile()[kKeymapFileSize - kKeyTableSize + 63 * 772 + 2], 0x42);

    ClickAt(Region(kHitSave));
    const std::size_t entry = 4 * kKeyLayout[63].remapEntry() + 2;
    EXPECT_EQ(k.keyboard.Memory().image.at(image::kKeyRemapTable, entry), 0x05); // B's code
}

TEST_F(MainWindowControllerTest, UnsavableFilesAreSaid) {
    test::WriteAll(dir / "plain", {0});
    k.state->folders.data = dir / "plain" / "data"; // cannot exist
    host.macroManagerOk = true;
    ClickAt(Region(kHitMacro));
    ClickAt(Region(kHitClose));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text.rfind("Could not save: ", 0), 0u) << ui.shown[0].text;
    EXPECT_NE(ui.shown[1].text.find("keymap.bin"), std::string::npos) << ui.shown[1].text;
    EXPECT_EQ(host.calls.back(), "end") << "Close still ends the program";
}

TEST_F(MainWindowControllerTest, CloseWritesTheSnapshotsAndEnds) {
    Speed() = 1;
    ClickAt(Region(kHitClose));
    EXPECT_EQ(host.calls, std::vector<std::string>{"end"});
    EXPECT_EQ(KeymapFile()[image::kLightingSettings.offset + image::kLightingSpeed],
              k.state->imageSnapshot.at(image::kLightingSettings, image::kLightingSpeed));
}

TEST_F(MainWindowControllerTest, ResetAsksFirstAndOnOkLeavesFactoryState) {
    k.state->keys[9].at(keyrecord::kAssignType) = 5;
    ui.answers = {MessageAnswer::kCancel};
    ClickAt(Region(kHitReset));
    EXPECT_TRUE(k.conversation.Lines().empty());
    EXPECT_EQ(ui.shown[0].text, "Confirm to return Factory Setting?");
    EXPECT_EQ(ui.shown[0].caption, "Factory Setting");

    ui.answers = {MessageAnswer::kOk};
    ClickAt(Region(kHitReset));
    EXPECT_EQ(k.state->keys[9].at(keyrecord::kAssignType), 0);
    EXPECT_TRUE(controller.window().lightingCollapsed && controller.window().rateCollapsed);
    EXPECT_EQ(k.state->imageSnapshot, k.state->image);
    EXPECT_EQ(k.conversation.Lines()[0], test::SetLine({0x13, 0xFF}));
}

TEST_F(MainWindowControllerTest, WindowDragsOnlyFromEmptySpots) {
    const KeyRect& esc = kKeyRects[kEscKey];
    controller.OnLeftButtonDown();
    controller.OnMouseMove(307 + esc.left + 3, 211 + esc.top + 3, true); // over a key
    const HotRect save = Region(kHitSave);
    controller.OnMouseMove(save.left, save.top, true); // over a hot spot
    EXPECT_TRUE(host.calls.empty());
    controller.OnMouseMove(307 + esc.right + 1, 211 + esc.top + 3, true); // the gap after Esc
    EXPECT_EQ(host.calls, std::vector<std::string>{"move"});

    host.calls.clear();
    controller.OnMouseMove(600, 150, false); // button up: the hold ends
    controller.OnMouseMove(600, 160, true);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MainWindowControllerTest, PaintOrderAndHelpWindow) {
    test::RecordingCanvas canvas;
    controller.Paint(canvas);
    const std::vector<std::string> head(canvas.calls.begin(), canvas.calls.begin() + 6);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "image main.png 0 0", "image button-help-normal.png 936 5",
                        "image button-min-normal.png 957 5", "image button-close-normal.png 978 5",
                        "image logo.png 19 35", "image kb_BK.png 307 211"}));
    EXPECT_TRUE(test::Has(canvas, "label \"Диспетчер макросів\" 21 347 15 #FFFFFF"));

    ClickAt(Region(kHitHelp));
    EXPECT_TRUE(controller.window().helpVisible);
    canvas.calls.clear();
    controller.Paint(canvas);
    EXPECT_EQ(canvas.calls.back(), "label \"Ver: 1.0\" 850 75 15 #FFFFFF");
    ClickAt(Region(kHitSave)); // goes to the help window, which only closes
    EXPECT_FALSE(controller.window().helpVisible);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MainWindowControllerTest, FullReadNoticeOffersTheUpdateOnlyWhenNewer) {
    k.state->expectedVersion = {2, 0}; // the keyboard reports 1.12
    controller.OnSettingsRead(SettingsRead::kRefresh);
    EXPECT_TRUE(ui.shown.empty());
    controller.OnSettingsRead(SettingsRead::kFullRead);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].caption, "Firmware Update");
    EXPECT_EQ(KeymapFile().size(), kKeymapFileSize);
}

// The reports sent: SET lines in full, data reports counted by their announcement.
std::vector<std::string> SetLines(const test::Conversation& c) {
    std::vector<std::string> sent;
    for (const std::string& l : c.Lines())
        if (l.rfind("SET", 0) == 0)
            sent.push_back(l);
    return sent;
}

int DataReports(const test::Conversation& c) {
    int n = 0;
    for (const std::string& l : c.Lines())
        n += l.rfind("OUT", 0) == 0;
    return n;
}

TEST_F(MainWindowControllerTest, SpeedFromTheSliderSendsOneClosingReport) {
    const auto l = k.state->image.span(image::kLightingSettings);
    sliders.position[kBrightnessSliderId] = l[image::kLightingBrightness];
    sliders.position[kReportRateSliderId] = k.state->image.at(image::kReportRate);
    sliders.position[kSpeedSliderId] = 8;
    test::RecordingCanvas canvas;
    controller.Paint(canvas); // drawing a slider stores its position
    ClickAt(Region(kHitSave));
    const auto sent = SetLines(k.conversation);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].substr(0, 15), "SET 00 08 02 03"); // stage 2, mode 3
    EXPECT_EQ(sent[0].substr(15, 3), " 02");             // speed 8 travels as 2
}

TEST_F(MainWindowControllerTest, ColourSwatchEditedThroughThePanel) {
    ClickAt(Region(kHitEffectBox));
    ASSERT_TRUE(controller.window().effectListOpen);
    controller.OnLeftButtonUp(100, 173 + 20 * 1 + 5); // "Режим дихания", mode 2
    ClickAt(Region(kHitColourCell0 + 1));             // select cell 2
    ui.colours = {0x00FF00};
    ClickAt(Region(kHitColourCell0 + 1)); // second click edits it
    ClickAt(Region(kHitSave));

    const auto sent = SetLines(k.conversation);
    ASSERT_EQ(sent.size(), 9u);
    EXPECT_EQ(sent[0].substr(0, 12), "SET 00 08 01");
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(sent[i].substr(0, 9), "SET 00 14") << i;
    EXPECT_EQ(sent[2].substr(0, 27), "SET 00 14 00 01 00 ff 00 00");
    EXPECT_EQ(sent[8].substr(0, 15), "SET 00 08 02 02");
    EXPECT_EQ(k.keyboard.Memory().image.at(image::EffectColour(1), 1), 0xFF);
}

TEST_F(MainWindowControllerTest, WindowsLockFromTheRadios) {
    ClickAt(Region(kHitGameOn));
    ClickAt(Region(kHitWinLockOn));
    ClickAt(Region(kHitSave));
    const auto sent = SetLines(k.conversation);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], test::SetLine({0x0E, 0, 0, 0x12}));
    EXPECT_EQ(DataReports(k.conversation), 1);
    EXPECT_FALSE(k.keyboard.Memory().image.EnableBit(image::kWinKeySendBit));
}

TEST_F(MainWindowControllerTest, DiyKeyColourReachesTheKeyboardInOneTableStream) {
    ClickAt(Region(kHitEffectBox));
    controller.OnLeftButtonUp(100, 173 + 20 * 12 + 5); // DIY2, table 1
    ASSERT_TRUE(controller.window().perKeyColourMode);
    const KeyRect& q = kKeyRects[42];
    ui.colours = {0x102030};
    controller.OnLeftButtonUp(307 + q.left + 4, 211 + q.top + 4);
    ClickAt(Region(kHitSave));

    const auto sent = SetLines(k.conversation);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], test::SetLine({0x12, 0, 1, 8}));
    EXPECT_EQ(DataReports(k.conversation), 8);
    EXPECT_EQ(PerKeyColour(k.keyboard.Memory().image, 52, 42), 0x102030u);
}

} // namespace
} // namespace hx
