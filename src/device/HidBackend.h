#pragma once

#include "common/Result.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace hx {

inline constexpr std::uint16_t kKeyboardVendorId = 0x04D9;
inline constexpr std::uint16_t kKeyboardProductId = 0xA1DD;

// Report sizes including byte 0, the report id.
inline constexpr std::size_t kFeatureReportSize = 9;
inline constexpr std::size_t kDataReportSize = 65;
inline constexpr std::size_t kNotifyReportSize = 4;

using FeatureReport = std::array<std::uint8_t, kFeatureReportSize>;
using DataReport = std::array<std::uint8_t, kDataReportSize>;
using NotifyReport = std::array<std::uint8_t, kNotifyReportSize>;

struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    // Windows-style key built from the USB interface number and the top-level collection
    // index ("...&mi_03&col04..."), so the filters "mi_03" and "ol04" mean the same everywhere.
    std::string matchKey;
};

enum class ReadOutcome { kReport, kTimeout, kFailed };

// One opened HID interface. Byte 0 of every buffer is the report id, whatever the OS does.
class HidHandle {
public:
    virtual ~HidHandle() = default;
    virtual Status SetFeature(const FeatureReport& report) = 0;
    // `report[0]` holds the report id to fetch; the reply overwrites the whole buffer.
    virtual Status GetFeature(FeatureReport& report) = 0;
    virtual Status Write(const DataReport& report) = 0;
    virtual ReadOutcome Read(DataReport& report, std::chrono::milliseconds timeout) = 0;
    virtual ReadOutcome ReadNotify(NotifyReport& report, std::chrono::milliseconds timeout) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    // `overlapped` marks the handle that a listener thread reads while another thread may use
    // the other handle; on Linux both kinds are opened the same way.
    virtual Result<std::unique_ptr<HidHandle>> Open(const std::string& path, bool overlapped) = 0;
};

} // namespace hx
