#pragma once

#include "device/HidBackend.h"
#include "sim/DeviceCore.h"

#include <array>
#include <memory>
#include <string_view>

namespace hx::sim {

// What an interface of the keyboard carries.
enum class Endpoint {
    kInert,  // opens, but takes and gives no reports
    kVendor, // feature reports and 65-byte data reports
    kNotify, // 4-byte acknowledgements and key notifications
};

struct SimInterface {
    std::string_view path;
    std::string_view matchKey;
    Endpoint endpoint;
};

// The keyboard's HID interfaces in the order enumeration lists them.
inline constexpr std::array<SimInterface, 6> kInterfaces{{
    {"sim:kbd/mi_00", "hid#vid_04d9&pid_a1dd&mi_00", Endpoint::kInert},
    {"sim:kbd/mi_01&col01", "hid#vid_04d9&pid_a1dd&mi_01&col01", Endpoint::kInert},
    {"sim:kbd/mi_01&col02", "hid#vid_04d9&pid_a1dd&mi_01&col02", Endpoint::kInert},
    {"sim:kbd/mi_01&col03", "hid#vid_04d9&pid_a1dd&mi_01&col03", Endpoint::kInert},
    {"sim:kbd/mi_01&col04", "hid#vid_04d9&pid_a1dd&mi_01&col04", Endpoint::kNotify},
    {"sim:kbd/mi_03", "hid#vid_04d9&pid_a1dd&mi_03", Endpoint::kVendor},
}};

// The HidBackend a program opens the virtual keyboard through.
std::unique_ptr<HidBackend> MakeSimBackend(std::shared_ptr<DeviceCore> core);

} // namespace hx::sim
