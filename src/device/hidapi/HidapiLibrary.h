#pragma once

#include <memory>
#include <string>

struct hid_device_;

namespace hx::hid {

// hidapi's global set-up: hid_init on creation, hid_exit when the last owner lets go. The
// backend and every handle it opened share one, so hid_exit never runs under an open device.
class HidapiLibrary {
public:
    // nullptr when hid_init fails.
    static std::shared_ptr<HidapiLibrary> Start();
    ~HidapiLibrary();
    HidapiLibrary(const HidapiLibrary&) = delete;
    HidapiLibrary& operator=(const HidapiLibrary&) = delete;

private:
    HidapiLibrary() = default;
};

// hidapi's last error for `device` (or of opening/enumerating when nullptr), as UTF-8.
std::string HidapiErrorText(hid_device_* device);

} // namespace hx::hid
