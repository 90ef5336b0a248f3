#pragma once

#include "device/HidBackend.h"

#include <optional>
#include <string>
#include <string_view>

namespace hx {

// Which of the keyboard's interfaces a handle is opened on.
inline constexpr std::string_view kDeviceInterfaceFilter = "mi_03"; // commands and data
inline constexpr std::string_view kNotifyInterfaceFilter = "ol04";  // acks and key reports

// The path of the first interface, in enumeration order, of the keyboard (by vendor and
// product id) whose match key contains `filter` (case-sensitive).
std::optional<std::string> FindDevicePath(HidBackend& backend, std::string_view filter);

} // namespace hx
