#pragma once

#include "common/Result.h"
#include "config/AppState.h"

#include <cstdint>

namespace hx {

// lParam of WM_SETTINGS_READ.
enum class SettingsRead { kFullRead = 0, kRefresh = 1 };

// What the start-up read found, handed to the main thread in one piece.
struct StartupRead {
    Status status;
    DeviceImage image;
    FirmwareVersion firmware;
};

// How the worker threads reach the main window. Implementations post to the main thread and
// return at once: a worker must never wait for the main thread, which may itself be waiting for
// the worker (shutdown) or for an acknowledgement only the listener can deliver.
class ConnectionEvents {
public:
    virtual ~ConnectionEvents() = default;
    // WM_DEVICE_KEY: the keyboard reported a launch key.
    virtual void PostDeviceKey(std::uint8_t code) = 0;
    // The start-up read has ended; the main thread merges it (MergeStartupRead) and then
    // handles WM_SETTINGS_READ with a full read.
    virtual void PostStartupRead(StartupRead read) = 0;
};

// Copies the fields the keyboard carries into the image and takes the snapshot, so the snapshot
// equals what the keyboard returned while the rest of the image keeps what keymap.bin held.
void MergeStartupRead(const StartupRead& read, AppState& state);

} // namespace hx
