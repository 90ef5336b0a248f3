#include "device/hidapi/HotplugAction.h"

namespace hx::hid {

HotplugEvent HotplugEventFromAction(std::string_view action) {
    if (action == "add")
        return HotplugEvent::kArrival;
    if (action == "remove")
        return HotplugEvent::kRemoval;
    return HotplugEvent::kNone;
}

void Deliver(HotplugEvent event, DeviceListener& listener) {
    switch (event) {
    case HotplugEvent::kArrival:
        listener.OnArrival();
        break;
    case HotplugEvent::kRemoval:
        listener.OnRemoval();
        break;
    case HotplugEvent::kNone:
        break;
    }
}

} // namespace hx::hid
