#pragma once

#include "device/DeviceWatcher.h"

#include <string_view>

namespace hx::hid {

enum class HotplugEvent { kNone, kArrival, kRemoval };

// What a udev action means to the program: a device came ("add") or went ("remove"); driver
// binding and attribute changes ("bind", "unbind", "change", "move", ...) mean nothing.
HotplugEvent HotplugEventFromAction(std::string_view action);

// Tells the listener about `event`, if it is one.
void Deliver(HotplugEvent event, DeviceListener& listener);

} // namespace hx::hid
