#include "device/DeviceDiscovery.h"

namespace hx {

std::optional<std::string> FindDevicePath(HidBackend& backend, std::string_view filter) {
    for (const HidInterfaceInfo& info : backend.Enumerate()) {
        if (info.vendorId == kKeyboardVendorId && info.productId == kKeyboardProductId &&
            info.matchKey.find(filter) != std::string::npos)
            return info.path;
    }
    return std::nullopt;
}

} // namespace hx
