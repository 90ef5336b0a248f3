#include "device/hidapi/MatchKey.h"

#include <cstdio>
#include <map>

namespace hx::hid {

namespace {

std::string Format(const EnumeratedCollection& entry, int collection, int collections) {
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, "hid#vid_%04x&pid_%04x", entry.vendorId,
                          entry.productId);
    if (entry.interfaceNumber >= 0 && entry.interfaceNumber <= 0xFF)
        n += std::snprintf(buffer + n, sizeof buffer - n, "&mi_%02x", entry.interfaceNumber);
    if (collections > 1)
        std::snprintf(buffer + n, sizeof buffer - n, "&col%02d", collection);
    return buffer;
}

} // namespace

std::vector<std::string> BuildMatchKeys(std::span<const EnumeratedCollection> entries) {
    std::map<std::string, int> collectionsPerPath;
    for (const EnumeratedCollection& entry : entries)
        ++collectionsPerPath[entry.path];

    std::map<std::string, int> seenPerPath;
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const EnumeratedCollection& entry : entries) {
        const int collection = ++seenPerPath[entry.path];
        keys.push_back(Format(entry, collection, collectionsPerPath[entry.path]));
    }
    return keys;
}

} // namespace hx::hid
