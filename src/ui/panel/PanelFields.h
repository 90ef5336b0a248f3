#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"

#include <cstddef>
#include <cstdint>

namespace hx {

inline std::uint8_t& LightingByte(DeviceImage& image, std::size_t index) {
    return image.at(image::kLightingSettings, index);
}
inline std::uint8_t LightingByte(const DeviceImage& image, std::size_t index) {
    return image.at(image::kLightingSettings, index);
}

// EffectColours entry n (red, green, blue) as 0xRRGGBB.
inline Colour EffectColourOf(const DeviceImage& image, std::size_t n) {
    const ByteField f = image::EffectColour(n);
    return (Colour{image.at(f, 0)} << 16) | (Colour{image.at(f, 1)} << 8) | image.at(f, 2);
}

inline void SetEffectColour(DeviceImage& image, std::size_t n, Colour colour) {
    const ByteField f = image::EffectColour(n);
    image.at(f, 0) = static_cast<std::uint8_t>(colour >> 16);
    image.at(f, 1) = static_cast<std::uint8_t>(colour >> 8);
    image.at(f, 2) = static_cast<std::uint8_t>(colour);
}

} // namespace hx
