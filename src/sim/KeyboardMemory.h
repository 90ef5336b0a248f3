#pragma once

#include "config/DeviceImage.h"

#include <cstdint>

namespace hx::sim {

// What the keyboard remembers. Only the fields the protocol carries are meaningful in `image`
// (report rate, remap table, macro slots, response time, lighting, effect colours, game mode,
// enable bitmap, per-key colour tables); the other bytes stay zero.
struct KeyboardMemory {
    DeviceImage image;
    std::uint8_t firmwareMajor = 1;
    std::uint8_t firmwareMinor = 12;

    friend bool operator==(const KeyboardMemory&, const KeyboardMemory&) = default;
};

// The state a new keyboard leaves the factory with (and RESET_TO_FACTORY returns to).
KeyboardMemory FactoryMemory(std::uint8_t firmwareMajor = 1, std::uint8_t firmwareMinor = 12);

} // namespace hx::sim
