#include "device/hidapi/UdevWatcher.h"

#include "device/hidapi/HotplugAction.h"

#include <libudev.h>

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace hx::hid {

void UdevWatcher::UdevUnref::operator()(udev* u) const {
    udev_unref(u);
}

void UdevWatcher::MonitorUnref::operator()(udev_monitor* m) const {
    udev_monitor_unref(m);
}

namespace {

Error UdevError(const char* call, int result) {
    const int code = result < 0 ? -result : errno;
    return Error{std::string(call) + ": " + std::strerror(code)};
}

} // namespace

Result<std::unique_ptr<UdevWatcher>> UdevWatcher::Create(DeviceListener& listener) {
    std::unique_ptr<udev, UdevUnref> context(udev_new());
    if (!context)
        return UdevError("udev_new", 0);
    // Events as udev passes them on, after its rules ran, so the hidraw nodes have their
    // permissions by the time the host looks for them.
    std::unique_ptr<udev_monitor, MonitorUnref> monitor(
        udev_monitor_new_from_netlink(context.get(), "udev"));
    if (!monitor)
        return UdevError("udev_monitor_new_from_netlink", 0);
    if (int r = udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "usb", "usb_device");
        r < 0)
        return UdevError("udev_monitor_filter_add_match_subsystem_devtype", r);
    if (int r = udev_monitor_enable_receiving(monitor.get()); r < 0)
        return UdevError("udev_monitor_enable_receiving", r);
    // The host reads only when told the descriptor is ready, but a receive must never block
    // the main thread in case it is called without.
    const int fd = udev_monitor_get_fd(monitor.get());
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0)
        return UdevError("fcntl", 0);
    return std::unique_ptr<UdevWatcher>(
        new UdevWatcher(listener, std::move(context), std::move(monitor)));
}

UdevWatcher::UdevWatcher(DeviceListener& listener, std::unique_ptr<udev, UdevUnref> context,
                         std::unique_ptr<udev_monitor, MonitorUnref> monitor)
    : listener_(listener), context_(std::move(context)), monitor_(std::move(monitor)) {}

int UdevWatcher::fd() const {
    return udev_monitor_get_fd(monitor_.get());
}

void UdevWatcher::ProcessPendingEvents() {
    struct DeviceUnref {
        void operator()(udev_device* d) const { udev_device_unref(d); }
    };
    for (;;) {
        std::unique_ptr<udev_device, DeviceUnref> device(
            udev_monitor_receive_device(monitor_.get()));
        if (!device)
            return;
        const char* action = udev_device_get_action(device.get());
        Deliver(HotplugEventFromAction(action != nullptr ? action : ""), listener_);
    }
}

} // namespace hx::hid
