#include "device/hidapi/HidapiBackend.h"

#include "device/hidapi/HidapiHandle.h"
#include "device/hidapi/MatchKey.h"

#include <hidapi.h>

namespace hx::hid {

Result<std::unique_ptr<HidapiBackend>> HidapiBackend::Create() {
    std::shared_ptr<HidapiLibrary> library = HidapiLibrary::Start();
    if (!library)
        return Error{"hid_init: " + HidapiErrorText(nullptr)};
    return std::unique_ptr<HidapiBackend>(new HidapiBackend(std::move(library)));
}

HidapiBackend::HidapiBackend(std::shared_ptr<HidapiLibrary> library)
    : library_(std::move(library)) {}

namespace {

std::vector<EnumeratedCollection> EnumerateCollections() {
    struct Freer {
        void operator()(hid_device_info* list) const { hid_free_enumeration(list); }
    };
    const std::unique_ptr<hid_device_info, Freer> list(hid_enumerate(0, 0));

    std::vector<EnumeratedCollection> entries;
    for (const hid_device_info* d = list.get(); d != nullptr; d = d->next) {
        if (d->path == nullptr)
            continue;
        entries.push_back({d->path, d->vendor_id, d->product_id, d->interface_number});
    }
    return entries;
}

// An interface with several top-level collections must number its reports.
Numbering NumberingOf(const std::string& path) {
    int collections = 0;
    for (const EnumeratedCollection& entry : EnumerateCollections())
        collections += entry.path == path ? 1 : 0;
    return collections > 1 ? Numbering::kNumbered : Numbering::kUnknown;
}

} // namespace

std::vector<HidInterfaceInfo> HidapiBackend::Enumerate() {
    std::vector<EnumeratedCollection> entries = EnumerateCollections();
    std::vector<std::string> keys = BuildMatchKeys(entries);

    std::vector<HidInterfaceInfo> found;
    found.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        found.push_back({std::move(entries[i].path), entries[i].vendorId, entries[i].productId,
                         std::move(keys[i])});
    }
    return found;
}

// hidraw has no overlapped mode: a read with a time-out is what the listener needs, and each
// handle is its own file, so both kinds open alike.
Result<std::unique_ptr<HidHandle>> HidapiBackend::Open(const std::string& path,
                                                       bool /*overlapped*/) {
    const Numbering numbering = NumberingOf(path);
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr)
        return Error{"cannot open " + path + ": " + HidapiErrorText(nullptr)};
    return std::unique_ptr<HidHandle>(std::make_unique<HidapiHandle>(library_, device, numbering));
}

} // namespace hx::hid
