// The hidapi functions the backend calls, over virtual keyboards. The machine is one static
// object: it stands in for the operating system.
#include "FakeHid.h"
#include "FakeMachine.h"

#include <hidapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

struct hid_device_ {
    std::unique_ptr<hx::HidHandle> handle;
    fakehid::Interface interface;
    bool otherCollectionReports = false;
    int nextOther = 0; // which of the other collections' reports comes next
    std::wstring error;
};

namespace {

struct Machine {
    std::mutex mutex;
    fakehid::Setup setup;
    int initDepth = 0;
    int openDevices = 0;
    std::wstring error; // of the last open or enumeration
};

Machine& TheMachine() {
    static Machine machine;
    return machine;
}

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

int Fail(hid_device* dev, const std::string& why) {
    dev->error = Widen(why);
    return -1;
}

// hidraw sends the report id only when the interface numbers its reports; a non-zero first byte
// on an unnumbered one would go out as data, which the keyboard would misread.
bool IdFits(const hid_device* dev, const unsigned char* data) {
    return dev->interface.numbered || data[0] == 0;
}

// One whole report from the caller, handed to `transfer` as hidraw would take it: a wrong length
// or id fails before the device sees anything.
template <class Report, class Byte, class Transfer>
int WholeReport(hid_device* dev, Byte* data, size_t length, Transfer transfer) {
    Report report;
    if (length != report.size())
        return Fail(dev, "Invalid argument");
    if (!IdFits(dev, data))
        return Fail(dev, "Broken pipe");
    std::copy_n(data, report.size(), report.begin());
    if (hx::Status s = transfer(report); !s)
        return Fail(dev, s.error().message);
    return static_cast<int>(length);
}

// Reports of the notify interface's other collections: a consumer key (3 bytes, as long as an
// unnumbered notify report) and a keyboard report.
const std::vector<unsigned char> kOtherReports[] = {
    {0x02, 0xE9, 0x00},
    {0x01, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00},
};

} // namespace

namespace fakehid {

void Install(Setup setup) {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    m.setup = std::move(setup);
}

int InitDepth() {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    return m.initDepth;
}

int OpenDevices() {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    return m.openDevices;
}

} // namespace fakehid

extern "C" {

int hid_init(void) {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    ++m.initDepth;
    return 0;
}

int hid_exit(void) {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    --m.initDepth;
    return 0;
}

hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (const fakehid::Interface& i : fakehid::ListInterfaces(m.setup)) {
        if ((vendor_id != 0 && vendor_id != i.vendorId) ||
            (product_id != 0 && product_id != i.productId))
            continue;
        for (const fakehid::Usage& usage : i.collections) {
            auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
            info->path = strdup(i.path.c_str());
            info->vendor_id = i.vendorId;
            info->product_id = i.productId;
            info->usage_page = usage.page;
            info->usage = usage.usage;
            info->interface_number = i.number;
            info->bus_type = HID_API_BUS_USB;
            *tail = info;
            tail = &info->next;
        }
    }
    return head;
}

void hid_free_enumeration(hid_device_info* devs) {
    while (devs != nullptr) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs);
        devs = next;
    }
}

hid_device* hid_open_path(const char* path) {
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    const std::vector<fakehid::Interface> interfaces = fakehid::ListInterfaces(m.setup);
    auto it = std::find_if(interfaces.begin(), interfaces.end(),
                           [&](const fakehid::Interface& i) { return i.path == path; });
    if (it == interfaces.end()) {
        m.error = L"No such device";
        return nullptr;
    }
    if (it->backend == nullptr) {
        m.error = L"Permission denied";
        return nullptr;
    }
    auto opened = it->backend->Open(it->reportingPath, false);
    if (!opened) {
        m.error = Widen(opened.error().message);
        return nullptr;
    }
    ++m.openDevices;
    return new hid_device{std::move(*opened), *it, m.setup.otherCollectionReports, 0, {}};
}

void hid_close(hid_device* dev) {
    if (dev == nullptr)
        return;
    delete dev;
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    --m.openDevices;
}

int hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length) {
    return WholeReport<hx::FeatureReport>(
        dev, data, length, [&](const hx::FeatureReport& r) { return dev->handle->SetFeature(r); });
}

int hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length) {
    return WholeReport<hx::FeatureReport>(dev, data, length, [&](hx::FeatureReport& r) {
        hx::Status got = dev->handle->GetFeature(r);
        // hidraw counts and keeps the id byte in feature replies even when the interface is
        // unnumbered.
        if (got)
            std::copy(r.begin(), r.end(), data);
        return got;
    });
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length) {
    return WholeReport<hx::DataReport>(
        dev, data, length, [&](const hx::DataReport& r) { return dev->handle->Write(r); });
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
    // hidapi would wait for ever; a test must never hang.
    if (milliseconds < 0)
        return Fail(dev, "fake hidapi: unbounded read refused");
    const auto deliver = [&](const unsigned char* bytes, std::size_t size) {
        const std::size_t n = std::min(size, length);
        std::copy_n(bytes, n, data);
        return static_cast<int>(n);
    };
    if (dev->otherCollectionReports && dev->interface.notify &&
        dev->nextOther < static_cast<int>(std::size(kOtherReports))) {
        const auto& other = kOtherReports[dev->nextOther++];
        return deliver(other.data(), other.size());
    }

    const std::chrono::milliseconds timeout(milliseconds);
    hx::NotifyReport notify{4};
    hx::DataReport report{};
    const auto outcome = dev->interface.notify ? dev->handle->ReadNotify(notify, timeout)
                                               : dev->handle->Read(report, timeout);
    if (outcome == hx::ReadOutcome::kTimeout)
        return 0;
    if (outcome == hx::ReadOutcome::kFailed)
        return Fail(dev, "No such device");
    dev->nextOther = 0;
    const unsigned char* bytes = dev->interface.notify ? notify.data() : report.data();
    const std::size_t size = dev->interface.notify ? notify.size() : report.size();
    // hidraw leaves the id out of an unnumbered interface's reports.
    const std::size_t skip = dev->interface.numbered ? 0 : 1;
    return deliver(bytes + skip, size - skip);
}

const wchar_t* hid_error(hid_device* dev) {
    if (dev != nullptr)
        return dev->error.c_str();
    // Like hidapi, the global error is only good until the next call.
    Machine& m = TheMachine();
    std::lock_guard lock(m.mutex);
    return m.error.c_str();
}

} // extern "C"
