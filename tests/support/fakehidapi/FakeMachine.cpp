#include "FakeMachine.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace fakehid {

namespace {

// Usages a keyboard's collections commonly have: keyboard, consumer, system, vendor.
constexpr std::array<Usage, 4> kMultiUsages{
    {{0x01, 0x06}, {0x0C, 0x01}, {0x01, 0x80}, {0xFF00, 0x01}}};
constexpr Usage kVendorUsage{0xFF00, 0x01};

int InterfaceNumber(std::string_view matchKey) {
    const std::size_t at = matchKey.find("mi_");
    if (at == std::string_view::npos)
        return -1;
    return static_cast<int>(
        std::strtol(std::string(matchKey.substr(at + 3, 2)).c_str(), nullptr, 16));
}

void AddForeignReceiver(std::vector<Interface>& out) {
    for (int number : {0, 1, 2}) {
        Interface i;
        i.path = "/dev/fakehidraw-foreign." + std::to_string(number);
        i.vendorId = 0x046D;
        i.productId = 0xC52B;
        i.number = number;
        const std::size_t collections = number == 2 ? 4 : std::size_t(number) + 1;
        i.collections.assign(kMultiUsages.begin(), kMultiUsages.begin() + collections);
        out.push_back(std::move(i));
    }
}

void AddKeyboard(std::size_t index, hx::HidBackend& backend, const Setup& setup,
                 std::vector<Interface>& out) {
    std::vector<Interface> found;
    for (const hx::HidInterfaceInfo& info : backend.Enumerate()) {
        const int number = InterfaceNumber(info.matchKey);
        auto it = std::find_if(found.begin(), found.end(),
                               [&](const Interface& i) { return i.number == number; });
        if (it == found.end()) {
            Interface i;
            i.path = "/dev/fakehidraw" + std::to_string(index) + "." + std::to_string(number);
            i.vendorId = info.vendorId;
            i.productId = info.productId;
            i.number = number;
            i.backend = &backend;
            found.push_back(std::move(i));
            it = found.end() - 1;
        }
        it->collections.push_back(kMultiUsages[it->collections.size() % kMultiUsages.size()]);
        // The keyboard reports on the last collection of an interface.
        it->reportingPath = info.path;
    }
    for (Interface& i : found) {
        const bool several = i.collections.size() > 1;
        if (!several)
            i.collections = {kVendorUsage};
        i.notify = several;
        // HID requires report ids once an interface has several collections.
        i.numbered = several || setup.numberedData;
        out.push_back(std::move(i));
    }
}

} // namespace

std::vector<Interface> ListInterfaces(const Setup& setup) {
    std::vector<Interface> out;
    if (setup.foreignDevice)
        AddForeignReceiver(out);
    for (std::size_t k = 0; k < setup.keyboards.size(); ++k)
        AddKeyboard(k, *setup.keyboards[k], setup, out);
    return out;
}

} // namespace fakehid
