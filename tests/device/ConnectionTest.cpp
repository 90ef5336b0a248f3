#include "device/DeviceConnection.h"
#include "keymap/KeyLayout.h"
#include "support/LinkedKeyboard.h"

#include <gtest/gtest.h>

#include <thread>

namespace hx {
namespace {

using namespace std::chrono_literals;

// Polls a condition the worker threads make true; bounded so a fault fails instead of hanging.
template <class F> bool Eventually(F condition) {
    for (int i = 0; i < 1000 && !condition(); ++i)
        std::this_thread::sleep_for(5ms);
    return condition();
}

void GiveLaunchEntry(sim::VirtualKeyboard& kb, std::size_t keyIndex, std::uint8_t code) {
    sim::KeyboardMemory m = kb.Memory();
    const std::size_t entry = kKeyLayout[keyIndex].remapEntry();
    m.image.at(image::kKeyRemapTable, entry * 4) = 0x0A;
    m.image.at(image::kKeyRemapTable, entry * 4 + 2) = code;
    kb.SetMemory(m);
}

TEST(Listener, AcknowledgementsAreRecordedKeysArePosted) {
    test::LinkedKeyboard k;
    ASSERT_TRUE(k.link.OpenDeviceHandle());
    ASSERT_TRUE(k.link.OpenNotifyHandle());
    GiveLaunchEntry(k.keyboard, 1, 0x70);
    Listener listener(k.link, k.events);
    listener.Start();

    k.link.ClearAck();
    {
        auto session = k.link.Begin();
        ASSERT_TRUE(session.Send(BuildValueReport(SET_GAME_MODE, 1)));
    }
    EXPECT_TRUE(k.link.WaitForAck());
    EXPECT_TRUE(k.events.Keys().empty()) << "an acknowledgement was taken for a key";

    k.keyboard.PressKey(1);
    k.keyboard.PressKey(2); // an ordinary key: the keyboard reports nothing
    ASSERT_TRUE(Eventually([&] { return !k.events.Keys().empty(); }));
    EXPECT_EQ(k.events.Keys(), std::vector<std::uint8_t>{0x70});

    listener.Stop();
    EXPECT_FALSE(listener.Running());
}

TEST(Connection, StartupReadIsMergedOverTheLoadedFile) {
    test::LinkedKeyboard k;
    DeviceConnection connection(k.link, *k.state, k.events);
    ASSERT_TRUE(connection.Connect());
    // Meanwhile the main thread loads keymap.bin: the reserved bytes come from it.
    k.state->image.at(image::kReservedHead, 3) = 0x5A;
    k.state->image.at(image::kResponseTime) = 99;
    ASSERT_TRUE(Eventually([&] { return !k.events.Reads().empty(); }));

    const StartupRead read = k.events.Reads()[0];
    ASSERT_TRUE(read.status);
    MergeStartupRead(read, *k.state);
    EXPECT_EQ(k.state->image.at(image::kReservedHead, 3), 0x5A);
    EXPECT_EQ(k.state->image.at(image::kResponseTime),
              k.keyboard.Memory().image.at(image::kResponseTime));
    EXPECT_EQ(k.state->imageSnapshot, k.state->image);
    EXPECT_EQ(k.state->firmwareVersion.major(), 1);
    EXPECT_EQ(k.state->firmwareVersion.minor(), 12);
    connection.Shutdown();
}

TEST(Connection, RemovalOfAnotherDeviceKeepsTheKeyboard) {
    test::LinkedKeyboard k;
    DeviceConnection connection(k.link, *k.state, k.events);
    ASSERT_TRUE(connection.Connect());
    connection.OnRemoval();
    EXPECT_TRUE(k.link.DeviceOpen());
    EXPECT_TRUE(connection.listener().Running());
    connection.Shutdown();
}

TEST(Connection, UnplugAndReplug) {
    test::LinkedKeyboard k;
    DeviceConnection connection(k.link, *k.state, k.events);
    ASSERT_TRUE(connection.Connect());
    ASSERT_TRUE(Eventually([&] { return !k.events.Reads().empty(); }));

    k.keyboard.Unplug();
    connection.OnRemoval();
    EXPECT_FALSE(k.link.DeviceOpen());
    EXPECT_FALSE(k.link.NotifyOpen());
    EXPECT_FALSE(connection.listener().Running());
    EXPECT_EQ(connection.OnArrival(), 0) << "nothing to reopen while unplugged";

    sim::KeyboardMemory m = k.keyboard.Memory();
    m.image.at(image::kResponseTime) = 8;
    k.keyboard.SetMemory(m);
    k.keyboard.Replug();
    EXPECT_EQ(connection.OnArrival(), 2) << "both handles reopened: two full-read notices";
    EXPECT_TRUE(connection.lastArrivalRead());
    EXPECT_EQ(k.state->image.at(image::kResponseTime), 8);
    EXPECT_TRUE(connection.listener().Running());
    EXPECT_EQ(connection.OnArrival(), 0) << "a further arrival with both open does nothing";
    connection.Shutdown();
    EXPECT_TRUE(k.keyboard.Violations().empty()) << k.keyboard.Violations()[0].what;
}

} // namespace
} // namespace hx
