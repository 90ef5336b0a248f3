#pragma once

#include "common/Result.h"
#include "device/DeviceWatcher.h"

#include <memory>

struct udev;
struct udev_monitor;

namespace hx::hid {

// USB hot-plug from the udev daemon's netlink events: one arrival or removal per USB device
// (not one per interface or driver), the way Windows reports a USB device interface. It needs
// no privileges and starts receiving when created.
class UdevWatcher final : public DeviceWatcher {
public:
    // `listener` must outlive the watcher.
    static Result<std::unique_ptr<UdevWatcher>> Create(DeviceListener& listener);

    int fd() const override;
    // Delivers every event already received and returns without waiting.
    void ProcessPendingEvents() override;

private:
    struct UdevUnref {
        void operator()(udev* u) const;
    };
    struct MonitorUnref {
        void operator()(udev_monitor* m) const;
    };

    UdevWatcher(DeviceListener& listener, std::unique_ptr<udev, UdevUnref> context,
                std::unique_ptr<udev_monitor, MonitorUnref> monitor);

    DeviceListener& listener_;
    std::unique_ptr<udev, UdevUnref> context_;
    std::unique_ptr<udev_monitor, MonitorUnref> monitor_;
};

} // namespace hx::hid
