#pragma once

#include "config/AppState.h"
#include "device/ConnectionEvents.h"
#include "device/DeviceLink.h"
#include "device/Listener.h"

#include <chrono>
#include <thread>

namespace hx {

// The keyboard settles this long after it appears before it answers reliably; the host waits
// it out (without blocking its event loop) before calling OnArrival.
inline constexpr std::chrono::milliseconds kArrivalSettle{2000};

// Keeps the program and the keyboard in step: the start-up read, the listener, hot-plug.
// Everything here runs on the main thread except the two worker threads it owns.
class DeviceConnection {
public:
    DeviceConnection(DeviceLink& link, AppState& state, ConnectionEvents& events);
    ~DeviceConnection();
    DeviceConnection(const DeviceConnection&) = delete;
    DeviceConnection& operator=(const DeviceConnection&) = delete;

    // Start-up: opens both handles; when the command handle opened, starts the start-up read,
    // and when the notify handle opened, the listener. Returns whether the command handle opened.
    bool Connect();

    // A USB device appeared. Reopens what is not open, re-reads the keyboard and restarts the
    // listener. Returns how many full-read notices the window must handle (0, 1 or 2), as a
    // reconnection of both handles announces itself twice.
    int OnArrival();
    // A USB device went away: only when the keyboard itself is gone are the listener stopped
    // and the handles closed.
    void OnRemoval();

    // Stops the listener, waits for the start-up read and closes the handles.
    void Shutdown();

    // The status of the last re-read on arrival.
    const Status& lastArrivalRead() const { return lastArrivalRead_; }
    Listener& listener() { return listener_; }

private:
    void StartStartupRead();

    DeviceLink& link_;
    AppState& state_;
    ConnectionEvents& events_;
    Listener listener_;
    std::thread startupRead_;
    Status lastArrivalRead_;
};

} // namespace hx
