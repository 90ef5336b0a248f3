#pragma once

#include "device/HidBackend.h"
#include "device/hidapi/HidapiLibrary.h"

#include <memory>

namespace hx::hid {

// The HID interfaces of the machine, through hidapi on hidraw.
class HidapiBackend final : public HidBackend {
public:
    // Fails when hidapi cannot start.
    static Result<std::unique_ptr<HidapiBackend>> Create();

    std::vector<HidInterfaceInfo> Enumerate() override;
    Result<std::unique_ptr<HidHandle>> Open(const std::string& path, bool overlapped) override;

private:
    explicit HidapiBackend(std::shared_ptr<HidapiLibrary> library);

    std::shared_ptr<HidapiLibrary> library_;
};

} // namespace hx::hid
