#include "config/ApplyChanges.h"
#include "device/Listener.h"
#include "device/ReadAll.h"
#include "support/LinkedKeyboard.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

using test::SetLine;

// A connected keyboard, read into the state with the snapshot taken, its listener running.
class ApplyChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(k.link.OpenDeviceHandle());
        ASSERT_TRUE(k.link.OpenNotifyHandle());
        {
            auto session = k.link.Begin();
            ASSERT_TRUE(ReadEverything(session, k.state->image, k.state->firmwareVersion));
        }
        k.state->TakeSnapshot();
        listener.Start();
        k.conversation.Clear();
    }
    void TearDown() override {
        listener.Stop();
        EXPECT_TRUE(k.keyboard.Violations().empty()) << k.keyboard.Violations()[0].what;
    }

    // The reports sent, without replies and pauses.
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const std::string& l : k.conversation.Lines())
            if (l.rfind("SET", 0) == 0 || l.rfind("OUT", 0) == 0)
                sent.push_back(l);
        return sent;
    }
    std::uint8_t& Lighting(std::size_t i) { return k.state->image.at(image::kLightingSettings, i); }
    std::string Stage(unsigned stage) {
        const auto l = k.state->image.span(image::kLightingSettings);
        return SetLine({0x08, stage, l[0], 10u - l[1], stage == 2 ? l[2] : 0u, l[3], l[4]});
    }

    test::LinkedKeyboard k;
    Listener listener{k.link, k.events};
};

TEST_F(ApplyChangesTest, SpeedAloneSendsOnlyTheClosingLightingReport) {
    Lighting(image::kLightingSpeed) = 3;
    const ApplyResult r = ApplyChanges(k.link, *k.state);
    EXPECT_EQ(r.status, ApplyStatus::kApplied);
    EXPECT_EQ(Sent(), std::vector<std::string>{Stage(2)});
    EXPECT_EQ(k.state->image, k.state->imageSnapshot);
    EXPECT_EQ(k.keyboard.Memory().image.at(image::kLightingSettings, image::kLightingSpeed), 3);

    EXPECT_EQ(ApplyChanges(k.link, *k.state).status, ApplyStatus::kNothingToSend);
    EXPECT_EQ(Sent().size(), 1u) << "a second apply without edits sent something";
}

TEST_F(ApplyChangesTest, OneColourSendsAllSevenBetweenTheStages) {
    k.state->image.at(image::EffectColour(4), 1) = 0x42;
    ASSERT_TRUE(ApplyChanges(k.link, *k.state).ok());
    std::vector<std::string> expected{Stage(1)};
    for (unsigned i = 0; i < 7; ++i) {
        const ByteField e = image::EffectColour(i);
        const auto& img = k.state->image;
        expected.push_back(SetLine({0x14, 0, i, img.at(e, 0), img.at(e, 1), img.at(e, 2)}));
    }
    expected.push_back(Stage(2));
    EXPECT_EQ(Sent(), expected);
    EXPECT_EQ(k.keyboard.Memory().image.at(image::EffectColour(4), 1), 0x42);
}

TEST_F(ApplyChangesTest, WindowsLockTravelsAsBit1OfTheBitmap) {
    k.state->image.at(image::kGameMode) = 1; // the read-all turned it on already
    k.state->image.at(image::kWinLock) = 1;
    ASSERT_TRUE(ApplyChanges(k.link, *k.state).ok());
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0], Stage(1));
    EXPECT_EQ(sent[1], SetLine({0x0E, 0, 0, 0x12}));
    EXPECT_EQ(sent[2].substr(0, 9), "OUT 00 fd") << "bit 1 of the first data byte must be clear";
    // "OUT" then 65 bytes: bytes 19..64 are zero.
    std::string zeros;
    for (int i = 19; i <= 64; ++i)
        zeros += " 00";
    ASSERT_EQ(sent[2].size(), 3u + 65 * 3);
    EXPECT_EQ(sent[2].substr(3 + 19 * 3), zeros);
    EXPECT_EQ(sent[3], Stage(2));
}

TEST_F(ApplyChangesTest, SlotAndTableGoInOrderBetweenTheStages) {
    k.state->image.at(image::ColourTable(2), 9) ^= 0xFF;
    k.state->image.at(image::MacroSlot(3), 0) = 0x01;
    ASSERT_TRUE(ApplyChanges(k.link, *k.state).ok());
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u + 1 + 3 + 1 + 8 + 1);
    EXPECT_EQ(sent[0], Stage(1));
    EXPECT_EQ(sent[1], SetLine({0x11, 0, 3, 3}));
    EXPECT_EQ(sent[5], SetLine({0x12, 0, 2, 8}));
    EXPECT_EQ(sent.back(), Stage(2));
    EXPECT_TRUE(k.keyboard.Memory().image.SameField(k.state->image, image::kDeviceMacroSlots));
    EXPECT_TRUE(k.keyboard.Memory().image.SameField(k.state->image, image::kPerKeyColourTables));
}

TEST_F(ApplyChangesTest, EverythingChangedGoesInTheFixedOrder) {
    DeviceImage& img = k.state->image;
    img.at(image::EffectColour(0), 0) ^= 0xFF;
    img.at(image::kGameMode) ^= 1;
    img.at(image::kReportRate) = 1;
    img.at(image::kResponseTime) = 5;
    img.at(image::kKeyRemapTable, 40) ^= 0xFF;
    img.at(image::kKeyEnableBitmap, 3) ^= 0x10;
    img.at(image::MacroSlot(31), 2) = 9;
    img.at(image::MacroSlot(0), 2) = 9;
    img.at(image::ColourTable(4), 0) = 1;
    Lighting(image::kLightingDirection) = 3;
    ASSERT_TRUE(ApplyChanges(k.link, *k.state).ok());

    // "SET 00 cc b2 b3 ...": the command, with the stage of SET_LIGHTING and the index of a
    // slot or table stream.
    const auto step = [](const std::string& l) {
        const std::string command = l.substr(7, 2);
        if (command == "08")
            return command + " " + l.substr(10, 2);
        if (command == "11" || command == "12")
            return command + " " + l.substr(13, 2);
        return command;
    };
    std::vector<std::string> commands;
    for (const std::string& l : Sent())
        if (l.rfind("SET", 0) == 0)
            commands.push_back(step(l));
    EXPECT_EQ(commands, (std::vector<std::string>{"08 01", "14", "14", "14", "14", "14", "14", "14",
                                                  "09", "01", "04", "0d", "0e", "11 00", "11 1f",
                                                  "12 04", "08 02"}));
    EXPECT_EQ(k.keyboard.Memory().image.at(image::kLightingSettings, image::kLightingDirection), 3);
    EXPECT_EQ(k.state->imageSnapshot, k.state->image);
}

TEST_F(ApplyChangesTest, MissingAcknowledgementStopsAndKeepsTheEdits) {
    k.keyboard.SetFaults({.dropAcks = true});
    k.state->image.at(image::kResponseTime) = 9;
    Lighting(image::kLightingBrightness) = 11;
    const DeviceImage before = k.state->imageSnapshot;

    const ApplyResult r = ApplyChanges(k.link, *k.state);
    EXPECT_EQ(r.status, ApplyStatus::kNotAcknowledged);
    EXPECT_EQ(r.step, "SET_LIGHTING stage 1");
    EXPECT_EQ(Sent(), std::vector<std::string>{Stage(1)});
    EXPECT_EQ(k.state->imageSnapshot, before);
    EXPECT_EQ(k.state->image.at(image::kResponseTime), 9);

    k.keyboard.SetFaults({});
    k.conversation.Clear();
    ASSERT_EQ(ApplyChanges(k.link, *k.state).status, ApplyStatus::kApplied);
    EXPECT_EQ(Sent(), (std::vector<std::string>{Stage(1), SetLine({0x04, 9}), Stage(2)}));
    EXPECT_EQ(k.keyboard.Memory().image.at(image::kResponseTime), 9);
}

TEST_F(ApplyChangesTest, NotConnectedSendsNothing) {
    k.link.CloseHandles();
    Lighting(image::kLightingSpeed) = 1;
    EXPECT_EQ(ApplyChanges(k.link, *k.state).status, ApplyStatus::kNotConnected);
    EXPECT_TRUE(Sent().empty());
}

} // namespace
} // namespace hx
