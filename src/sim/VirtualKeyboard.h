#pragma once

#include "common/Clock.h"
#include "common/Result.h"
#include "config/DeviceImage.h"
#include "device/HidBackend.h"
#include "sim/Faults.h"
#include "sim/KeyboardMemory.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace hx::sim {

class DeviceCore;

// A firmware emulator of the keyboard behind the same HidBackend interface as real hardware.
// Thread-safe: the read-all, listener and main threads use it at once.
class VirtualKeyboard {
public:
    // `clock`, when given, is the clock the host's pacer advances; pauses shorter than the
    // protocol's are then recorded as violations. It must outlive the keyboard.
    explicit VirtualKeyboard(KeyboardMemory memory = FactoryMemory(), const Clock* clock = nullptr);
    // Handles still open fail from then on, and readers blocked in them wake up.
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    // The backend the program opens; it shares this keyboard's state.
    std::unique_ptr<HidBackend> MakeBackend();

    KeyboardMemory Memory() const;
    void SetMemory(const KeyboardMemory& memory);

    // A key press on the keyboard: sends a key notification when that key's remap entry has
    // kind 0x0A (byte 2 of the entry is the code reported).
    void PressKey(std::size_t keyIndex);

    void SetFaults(const Faults& faults);
    void Unplug(); // every open handle fails from now on; enumeration finds nothing
    void Replug(); // enumeration finds the keyboard again; old handles stay dead
    bool Plugged() const;

    std::vector<Violation> Violations() const;
    void ClearViolations();
    std::size_t RejectedReports() const; // feature reports with a wrong checksum
    std::size_t AcksSent() const;

    // The keyboard's memory kept in a file, like real hardware keeps its settings.
    Status SaveState(const std::filesystem::path& file) const;
    static Result<KeyboardMemory> LoadState(const std::filesystem::path& file);
    // From now on every confirmed write is saved to `file` at once, as real hardware keeps a
    // setting the moment it confirms it.
    void PersistTo(const std::filesystem::path& file);

private:
    std::shared_ptr<DeviceCore> core_;
};

} // namespace hx::sim
