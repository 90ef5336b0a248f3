#include "device/DeviceConnection.h"

#include "device/ReadAll.h"

#include <algorithm>

namespace hx {

void MergeStartupRead(const StartupRead& read, AppState& state) {
    static constexpr ByteField kCarried[] = {
        image::kReportRate,         image::kKeyRemapTable,    image::kDeviceMacroSlots,
        image::kResponseTime,       image::kLightingSettings, image::kEffectColours,
        image::kGameMode,           image::kKeyEnableBitmap,  image::kWinLock,
        image::kPerKeyColourTables,
    };
    if (read.status) {
        for (const ByteField f : kCarried) {
            const auto from = read.image.span(f);
            std::copy(from.begin(), from.end(), state.image.span(f).begin());
        }
        state.firmwareVersion = read.firmware;
    }
    state.TakeSnapshot();
}

DeviceConnection::DeviceConnection(DeviceLink& link, AppState& state, ConnectionEvents& events)
    : link_(link), state_(state), events_(events), listener_(link, events) {}

DeviceConnection::~DeviceConnection() {
    Shutdown();
}

bool DeviceConnection::Connect() {
    const bool device = link_.OpenDeviceHandle().ok();
    const bool notify = link_.OpenNotifyHandle().ok();
    if (device)
        StartStartupRead();
    if (notify)
        listener_.Start();
    return device;
}

void DeviceConnection::StartStartupRead() {
    // The thread fills its own image; the main thread merges it once keymap.bin is loaded, so
    // the file never overwrites what the keyboard returned and the two never race.
    startupRead_ = std::thread([this] {
        StartupRead read;
        {
            DeviceLink::Session session = link_.Begin();
            read.status = ReadEverything(session, read.image, read.firmware);
        }
        events_.PostStartupRead(std::move(read));
    });
}

int DeviceConnection::OnArrival() {
    int notices = 0;
    if (!link_.DeviceOpen() && link_.OpenDeviceHandle()) {
        DeviceLink::Session session = link_.Begin();
        lastArrivalRead_ = session.Read(GET_FIRMWARE_VERSION, state_.image, state_.firmwareVersion);
        if (lastArrivalRead_)
            lastArrivalRead_ = ReadAllSettings(session, state_.image);
        for (std::size_t t = 0; lastArrivalRead_ && t < image::kColourTableCount; ++t)
            lastArrivalRead_ = session.ReadStream(StreamRecord::kColourTable, t, state_.image);
        ++notices;
    }
    if (!link_.NotifyOpen() && link_.OpenNotifyHandle()) {
        listener_.Start();
        ++notices;
    }
    return notices;
}

void DeviceConnection::OnRemoval() {
    if (link_.KeyboardPresent())
        return;
    listener_.Stop();
    link_.CloseHandles();
}

void DeviceConnection::Shutdown() {
    listener_.Stop();
    if (startupRead_.joinable())
        startupRead_.join();
    link_.CloseHandles();
}

} // namespace hx
