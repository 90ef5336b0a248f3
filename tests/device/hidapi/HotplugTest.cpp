#include "device/hidapi/HotplugAction.h"
#include "device/hidapi/UdevWatcher.h"

#include <gtest/gtest.h>

#include <fcntl.h>

#include <string>

namespace hx::hid {
namespace {

struct CountingListener final : DeviceListener {
    void OnArrival() override { ++arrivals; }
    void OnRemoval() override { ++removals; }
    int arrivals = 0;
    int removals = 0;
};

TEST(HotplugActionTest, OnlyAddAndRemoveCount) {
    const struct {
        const char* action;
        int arrivals;
        int removals;
    } cases[] = {{"add", 1, 0},     {"remove", 0, 1}, {"bind", 0, 0},
                 {"unbind", 0, 0},  {"change", 0, 0}, {"move", 0, 0},
                 {"offline", 0, 0}, {"", 0, 0},       {"ADD", 0, 0}};
    for (const auto& c : cases) {
        CountingListener listener;
        Deliver(HotplugEventFromAction(c.action), listener);
        EXPECT_EQ(listener.arrivals, c.arrivals) << c.action;
        EXPECT_EQ(listener.removals, c.removals) << c.action;
    }
}

// Without root or a udev daemon: the monitor starts, and with nothing received processing
// returns at once and tells nobody.
TEST(UdevWatcherTest, StartsAndProcessesNothingPending) {
    CountingListener listener;
    auto watcher = UdevWatcher::Create(listener);
    ASSERT_TRUE(watcher.ok()) << watcher.error().message;
    const int fd = (*watcher)->fd();
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(fcntl(fd, F_GETFL) & O_NONBLOCK);
    (*watcher)->ProcessPendingEvents();
    EXPECT_EQ(listener.arrivals + listener.removals, 0);
}

} // namespace
} // namespace hx::hid
