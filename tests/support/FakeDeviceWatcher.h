#pragma once

#include "device/DeviceWatcher.h"

#include <vector>

namespace hx::test {

// Hot-plug events a test queues; like the real watcher, they reach the listener only when the
// host processes them.
class FakeDeviceWatcher final : public DeviceWatcher {
public:
    explicit FakeDeviceWatcher(DeviceListener& listener) : listener_(listener) {}

    void QueueArrival() { pending_.push_back(true); }
    void QueueRemoval() { pending_.push_back(false); }

    int fd() const override { return -1; }
    void ProcessPendingEvents() override {
        std::vector<bool> events;
        events.swap(pending_);
        for (bool arrival : events) {
            if (arrival)
                listener_.OnArrival();
            else
                listener_.OnRemoval();
        }
    }

private:
    DeviceListener& listener_;
    std::vector<bool> pending_;
};

} // namespace hx::test
