#pragma once

#include "config/DeviceImage.h"
#include "config/KeyTable.h"
#include "macro/MacroLibrary.h"

#include <array>
#include <cstdint>
#include <filesystem>

namespace hx {

// Major and minor digit as the keyboard reports them, then two zero bytes.
struct FirmwareVersion {
    std::array<std::uint8_t, 4> bytes{};
    std::uint8_t major() const { return bytes[0]; }
    std::uint8_t minor() const { return bytes[1]; }
};

// Major and minor digit of the firmware the installed updater carries.
struct ExpectedVersion {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    friend bool operator==(const ExpectedVersion&, const ExpectedVersion&) = default;
};

struct Folders {
    std::filesystem::path resources; // skins, VER.bin, updater
    std::filesystem::path data;      // keymap.bin, MacroDefine.bin, Configure/
};

// Everything the program holds for the whole run. Large (about 600 KB): allocate it once on the
// heap and pass it by reference.
struct AppState {
    DeviceImage image;
    DeviceImage imageSnapshot;
    KeyTable keys;
    KeyTable keysSnapshot;
    MacroLibrary macroLibrary;
    FirmwareVersion firmwareVersion;
    ExpectedVersion expectedVersion;
    std::array<std::uint8_t, kKeyRecordCount> keyCustomised{};
    Folders folders;

    void TakeSnapshot() { imageSnapshot = image; }
    void TakeKeySnapshot() { keysSnapshot = keys; }
    void Revert() {
        image = imageSnapshot;
        keys = keysSnapshot;
    }
};

} // namespace hx
