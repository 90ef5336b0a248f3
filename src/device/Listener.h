#pragma once

#include "device/ConnectionEvents.h"
#include "device/DeviceLink.h"

#include <atomic>
#include <thread>

namespace hx {

// The thread that reads the keyboard's 4-byte reports: acknowledgements are recorded on the
// link before anything else happens, key reports are posted to the main window.
class Listener {
public:
    Listener(DeviceLink& link, ConnectionEvents& events);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // Starts the thread unless one is running.
    void Start();
    // Sets the stop flag and waits for the thread, which ends within one poll.
    void Stop();
    bool Running() const { return running_.load(); }

private:
    void Run();
    void Handle(const NotifyReport& report);

    DeviceLink& link_;
    ConnectionEvents& events_;
    std::thread thread_;
    std::atomic<bool> running_{false};
};

} // namespace hx
