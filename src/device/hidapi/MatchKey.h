#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace hx::hid {

// One entry of hidapi's enumeration, as far as the match key needs it.
struct EnumeratedCollection {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int interfaceNumber = -1; // -1 when the device is not on USB
};

// The Windows-style match key of each entry, in the same order:
//   "hid#vid_04d9&pid_a1dd&mi_01&col04"
// hidraw opens one node per USB interface, and hidapi lists one entry per top-level collection
// of that node, in report-descriptor order, all with the node's path. So the collection number
// is the 1-based position of the entry among the entries sharing its path; like Windows,
// "&colNN" is left out when the interface has a single collection, and "&mi_NN" (the interface
// number, two hex digits) when the device is not on USB.
std::vector<std::string> BuildMatchKeys(std::span<const EnumeratedCollection> entries);

} // namespace hx::hid
