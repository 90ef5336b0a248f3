#pragma once

#include "device/HidBackend.h"
#include "device/hidapi/HidapiLibrary.h"
#include "device/hidapi/InputFraming.h"

#include <memory>
#include <span>

namespace hx::hid {

// One interface opened through hidapi, closed with hid_close when destroyed. Callers see the
// report id in byte 0 whether or not the interface numbers its reports.
class HidapiHandle final : public HidHandle {
public:
    HidapiHandle(std::shared_ptr<HidapiLibrary> library, hid_device_* device, Numbering numbering);

    Status SetFeature(const FeatureReport& report) override;
    Status GetFeature(FeatureReport& report) override;
    Status Write(const DataReport& report) override;
    ReadOutcome Read(DataReport& report, std::chrono::milliseconds timeout) override;
    ReadOutcome ReadNotify(NotifyReport& report, std::chrono::milliseconds timeout) override;

private:
    struct Closer {
        void operator()(hid_device_* device) const;
    };

    Status Fail(const char* call) const;
    Status CheckLength(const char* call, int result, std::size_t expected) const;
    ReadOutcome ReadInput(std::span<std::uint8_t> report, std::chrono::milliseconds timeout);

    // Declared first so that it outlives the device: hid_exit only after hid_close.
    std::shared_ptr<HidapiLibrary> library_;
    std::unique_ptr<hid_device_, Closer> device_;
    Numbering numbering_;
};

} // namespace hx::hid
