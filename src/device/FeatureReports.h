#pragma once

#include "config/AppState.h"
#include "device/HidBackend.h"

#include <array>
#include <cstdint>

namespace hx {

// Byte 8 of a feature report: bytes 1..8 add up to 0xFF modulo 256.
std::uint8_t FeatureChecksum(const FeatureReport& report);
bool HasValidChecksum(const FeatureReport& report);

// Bytes 2..7 of a command.
using CommandParams = std::array<std::uint8_t, 6>;

// Report id 0, the command, its parameters and the checksum.
FeatureReport BuildFeatureReport(std::uint8_t command, const CommandParams& params = {});

// SET_LIGHTING: stage 1 carries 0 in place of the brightness. Speed travels as 10 - speed.
enum class LightingStage : std::uint8_t { kBegin = 1, kEnd = 2 };
FeatureReport BuildLightingReport(LightingStage stage, const DeviceImage& image);

// The write command that carries one single-byte field or colour entry.
FeatureReport BuildValueReport(std::uint8_t command, std::uint8_t value);
FeatureReport BuildEffectColourReport(std::size_t index, const DeviceImage& image);

// Stores what a read command's reply carries into the image (or the firmware version).
// `index` is the colour entry for GET_EFFECT_COLOUR.
void DecodeReply(std::uint8_t command, std::size_t index, const FeatureReport& reply,
                 DeviceImage& image, FirmwareVersion& firmware);

// A 10 - x byte, for the inverted speed.
constexpr std::uint8_t InvertSpeed(std::uint8_t v) {
    return static_cast<std::uint8_t>(10 - v);
}

} // namespace hx
