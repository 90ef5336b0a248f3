#pragma once

namespace hx {

// Told when a USB device comes or goes. Any device: the receiver decides whether the keyboard
// is affected, because the events do not say which device it was.
class DeviceListener {
public:
    virtual ~DeviceListener() = default;
    virtual void OnArrival() = 0;
    virtual void OnRemoval() = 0;
};

// Watches USB hot-plug and tells a DeviceListener, on the thread that calls
// ProcessPendingEvents(). The host waits for fd() to become readable (a QSocketNotifier) and
// then calls ProcessPendingEvents(); a watcher whose events come some other way returns -1.
class DeviceWatcher {
public:
    virtual ~DeviceWatcher() = default;
    virtual int fd() const = 0;
    virtual void ProcessPendingEvents() = 0;
};

} // namespace hx
