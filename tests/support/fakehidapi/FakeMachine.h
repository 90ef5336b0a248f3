#pragma once

#include "FakeHid.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fakehid {

struct Usage {
    std::uint16_t page = 0;
    std::uint16_t usage = 0;
};

// One USB interface as hidraw shows it: one node, its top-level collections in order.
struct Interface {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int number = -1;
    std::vector<Usage> collections;
    hx::HidBackend* backend = nullptr; // nullptr: the node cannot be opened
    std::string reportingPath;         // the collection, in `backend`, that carries reports
    bool notify = false;               // 4-byte notify reports rather than 65-byte data reports
    bool numbered = false;
};

// The interfaces present now, in enumeration order. A keyboard's interfaces come from its
// backend's enumeration, grouped by the "mi_NN" of their match keys; an unplugged keyboard
// lists none.
std::vector<Interface> ListInterfaces(const Setup& setup);

} // namespace fakehid
