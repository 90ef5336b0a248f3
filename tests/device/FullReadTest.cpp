#include "device/ReadAll.h"
#include "support/LinkedKeyboard.h"

#include <gtest/gtest.h>

#include <thread>

namespace hx {
namespace {

using test::SetLine;

// The start-up read as the keyboard must see it: each row a report kind (SET rows in full),
// interleaved with the pauses.
std::vector<std::string> ExpectedStartupConversation() {
    std::vector<std::string> c;
    const auto pause = [&](int ms) { c.push_back("PAUSE " + std::to_string(ms)); };
    const auto read = [&](std::vector<unsigned> cmd, int afterSet, int afterGet) {
        c.push_back(SetLine(cmd));
        if (afterSet >= 0)
            pause(afterSet);
        c.push_back("GET");
        if (afterGet >= 0)
            pause(afterGet);
    };
    c.push_back(SetLine({0x09, 1}));
    pause(20);
    read({0x80}, 10, 10);
    read({0x88}, 10, -1);
    for (unsigned i = 0; i < 7; ++i)
        read({0x94, 0, i}, 1, 1);
    read({0x89}, 5, -1);
    read({0x81}, 10, 10);
    read({0x84}, 10, 10);
    read({0x8D}, -1, -1);
    c.insert(c.end(), 8, "IN");
    read({0x8E, 0, 0, 0x12}, -1, -1);
    c.push_back("IN");
    for (unsigned slot = 0; slot < 32; ++slot) {
        read({0x91, 0, slot}, -1, -1);
        c.insert(c.end(), 3, "IN");
        pause(0);
    }
    for (unsigned t = 0; t < 5; ++t) {
        read({0x92, 0, t, 8}, 5, 5);
        for (int i = 0; i < 8; ++i) {
            c.push_back("IN");
            pause(5);
        }
    }
    read({0x81}, 10, 10);
    return c;
}

// GET and IN lines carry the keyboard's bytes; only their kind is compared.
std::vector<std::string> KindsOfReplies(std::vector<std::string> lines) {
    for (std::string& l : lines)
        if (l.rfind("GET", 0) == 0 || l.rfind("IN", 0) == 0)
            l = l.substr(0, l.find(' '));
    return lines;
}

sim::KeyboardMemory DistinctMemory() {
    sim::KeyboardMemory m = sim::FactoryMemory(2, 3);
    for (const ByteField f : {image::kKeyRemapTable, image::kDeviceMacroSlots,
                              image::kPerKeyColourTables, image::kEffectColours}) {
        for (std::size_t i = 0; i < f.size; ++i)
            m.image.at(f, i) = static_cast<std::uint8_t>(i * 13 + f.offset);
    }
    m.image.span(image::kLightingSettings)[image::kLightingSpeed] = 7;
    m.image.at(image::kReportRate) = 2;
    m.image.at(image::kResponseTime) = 6;
    return m;
}

TEST(FullRead, FillsTheImageWithTheKeyboardsMemoryInTheProtocolsOrder) {
    test::LinkedKeyboard k(DistinctMemory());
    ASSERT_TRUE(k.link.OpenDeviceHandle());
    DeviceImage image;
    FirmwareVersion fw;
    {
        auto session = k.link.Begin();
        ASSERT_TRUE(ReadEverything(session, image, fw));
    }
    EXPECT_EQ(KindsOfReplies(k.conversation.Lines()), ExpectedStartupConversation());
    EXPECT_EQ(k.conversation.TotalPause(), kFullReadPauses);
    EXPECT_TRUE(k.keyboard.Violations().empty()) << k.keyboard.Violations()[0].what;

    const sim::KeyboardMemory memory = k.keyboard.Memory();
    EXPECT_EQ(fw.bytes, (std::array<std::uint8_t, 4>{2, 3, 0, 0}));
    for (const ByteField f : {image::kReportRate, image::kKeyRemapTable, image::kDeviceMacroSlots,
                              image::kResponseTime, image::kLightingSettings, image::kEffectColours,
                              image::kKeyEnableBitmap, image::kPerKeyColourTables}) {
        EXPECT_TRUE(image.SameField(memory.image, f)) << "field at " << f.offset;
    }
    // The game mode read follows the read-all's own SET_GAME_MODE 1.
    EXPECT_EQ(image.at(image::kGameMode), 1);
    EXPECT_EQ(image.at(image::kWinLock), 0); // factory bitmap has bit 8 set
}

TEST(FullRead, ClearBit8MeansTheWindowsKeyIsLocked) {
    sim::KeyboardMemory m = sim::FactoryMemory();
    m.image.SetEnableBit(image::kWinLockReadBit, false);
    test::LinkedKeyboard k(m);
    ASSERT_TRUE(k.link.OpenDeviceHandle());
    DeviceImage image;
    auto session = k.link.Begin();
    ASSERT_TRUE(session.ReadStream(StreamRecord::kKeyBitmap, 0, image));
    EXPECT_EQ(image.at(image::kWinLock), 1);
}

TEST(FullRead, SequencesFromTwoThreadsNeverInterleave) {
    test::LinkedKeyboard k;
    ASSERT_TRUE(k.link.OpenDeviceHandle());
    const auto readAll = [&k] {
        DeviceImage image;
        auto session = k.link.Begin();
        EXPECT_TRUE(ReadAllSettings(session, image));
    };
    std::thread other(readAll);
    readAll();
    other.join();
    EXPECT_TRUE(k.keyboard.Violations().empty()) << k.keyboard.Violations()[0].what;
}

TEST(FullRead, FailuresNameTheStepAndNeverHang) {
    struct Case {
        const char* name;
        void (*breakIt)(sim::VirtualKeyboard&);
        const char* mentions;
    };
    const Case cases[] = {
        {"stalled input reports",
         [](sim::VirtualKeyboard& kb) { kb.SetFaults({.stallReads = true}); },
         "READ_REMAP_TABLE chunk 0"},
        {"unplugged", [](sim::VirtualKeyboard& kb) { kb.Unplug(); }, "SET_GAME_MODE"},
    };
    for (const Case& c : cases) {
        test::LinkedKeyboard k;
        ASSERT_TRUE(k.link.OpenDeviceHandle());
        c.breakIt(k.keyboard);
        DeviceImage image;
        auto session = k.link.Begin();
        const Status s = ReadAllSettings(session, image);
        ASSERT_FALSE(s) << c.name;
        EXPECT_NE(s.error().message.find(c.mentions), std::string::npos)
            << c.name << ": " << s.error().message;
    }
}

TEST(FullRead, NotConnectedSendsNothing) {
    test::LinkedKeyboard k;
    DeviceImage image;
    auto session = k.link.Begin();
    EXPECT_FALSE(session.Connected());
    EXPECT_FALSE(ReadAllSettings(session, image));
    EXPECT_TRUE(k.conversation.Lines().empty());
}

} // namespace
} // namespace hx
