#include "sim/KeyboardMemory.h"

#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyLayout.h"

#include <array>

namespace hx::sim {
namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// Effect colour entries 0..6: the rainbow, so every colour choice looks distinct.
constexpr std::array<Rgb, image::kEffectColourCount> kFactoryEffectColours{{
    {0xFF, 0x00, 0x00}, // red
    {0xFF, 0x80, 0x00}, // orange
    {0xFF, 0xFF, 0x00}, // yellow
    {0x00, 0xFF, 0x00}, // green
    {0x00, 0xFF, 0xFF}, // cyan
    {0x00, 0x00, 0xFF}, // blue
    {0x80, 0x00, 0xFF}, // violet
}};

// Mode 3 (wave) in multi-colour, mid speed, brightness 40 of 50, moving left.
constexpr std::uint8_t kFactoryMode = 3;
constexpr std::uint8_t kFactorySpeed = 5;
constexpr std::uint8_t kFactoryBrightness = 40;
constexpr std::uint8_t kFactoryColourChoice = 8;
constexpr std::uint8_t kFactoryDirection = 1;
constexpr std::uint8_t kFactoryReportRate = 3;
constexpr std::uint8_t kFactoryResponseTime = 2;

// Hue 0..1535 around the colour wheel at full saturation.
constexpr Rgb Hue(unsigned h) {
    const auto up = static_cast<std::uint8_t>(h % 256);
    const auto down = static_cast<std::uint8_t>(255 - h % 256);
    switch ((h / 256) % 6) {
    case 0:
        return {255, up, 0};
    case 1:
        return {down, 255, 0};
    case 2:
        return {0, 255, up};
    case 3:
        return {0, down, 255};
    case 4:
        return {up, 0, 255};
    default:
        return {255, 0, down};
    }
}

constexpr Rgb Mix(Rgb a, Rgb b, unsigned step, unsigned steps) {
    const auto lerp = [&](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>((x * (steps - step) + y * step) / steps);
    };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

// The five DIY tables: a rainbow across the columns, warm-to-cool rows, gaming zones, a
// blue-to-pink sweep and a soft white with red function keys.
Rgb DiyColour(std::size_t table, unsigned row, unsigned column) {
    constexpr unsigned lastColumn = kMatrixColumns - 1;
    constexpr unsigned lastRow = kMatrixRows - 1;
    switch (table) {
    case 0:
        return Hue(column * 1536 / kMatrixColumns);
    case 1:
        return Mix({0xFF, 0x60, 0x00}, {0x00, 0x60, 0xFF}, row, lastRow);
    case 2: {
        // W A S D and the arrow cluster stand out from a dim blue base.
        const bool wasd = (row == 3 && column == 2) || (row == 2 && column >= 1 && column <= 3);
        const bool arrows =
            (row == 1 && column == 15) || (row == 0 && column >= 14 && column <= 16);
        if (wasd)
            return {0xFF, 0x00, 0x00};
        if (arrows)
            return {0x00, 0xFF, 0x00};
        if (row == 5)
            return {0xFF, 0xA0, 0x00};
        return {0x00, 0x30, 0xA0};
    }
    case 3:
        return Mix({0x00, 0x40, 0xFF}, {0xFF, 0x20, 0xA0}, column, lastColumn);
    default:
        return row == 5 ? Rgb{0xFF, 0x20, 0x20} : Rgb{0xC0, 0xC0, 0xB0};
    }
}

void PlaceFactoryRemapEntries(DeviceImage& image) {
    auto table = image.span(image::kKeyRemapTable);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        const RemapBytes& entry = DefaultRemapOf(k);
        const std::size_t at = kKeyLayout[k].remapEntry() * image::kRemapEntrySize;
        for (std::size_t i = 0; i < entry.size(); ++i)
            table[at + i] = entry[i];
    }
}

void PaintDiyTables(DeviceImage& image) {
    for (std::size_t t = 0; t < image::kColourTableCount; ++t) {
        auto table = image.span(image::ColourTable(t));
        for (unsigned column = 0; column < kMatrixColumns; ++column) {
            for (unsigned row = 0; row < kMatrixRows; ++row) {
                const Rgb c = DiyColour(t, row, column);
                const std::size_t at = (column * kMatrixRows + row) * image::kColourEntrySize;
                table[at] = 0;
                table[at + 1] = c.r;
                table[at + 2] = c.g;
                table[at + 3] = c.b;
            }
        }
    }
}

} // namespace

KeyboardMemory FactoryMemory(std::uint8_t firmwareMajor, std::uint8_t firmwareMinor) {
    KeyboardMemory m;
    m.firmwareMajor = firmwareMajor;
    m.firmwareMinor = firmwareMinor;
    DeviceImage& image = m.image;

    image.at(image::kReportRate) = kFactoryReportRate;
    image.at(image::kResponseTime) = kFactoryResponseTime;
    PlaceFactoryRemapEntries(image);

    auto lighting = image.span(image::kLightingSettings);
    lighting[image::kLightingMode] = kFactoryMode;
    lighting[image::kLightingSpeed] = kFactorySpeed;
    lighting[image::kLightingBrightness] = kFactoryBrightness;
    lighting[image::kLightingColourChoice] = kFactoryColourChoice;
    lighting[image::kLightingDirection] = kFactoryDirection;
    for (std::size_t i = 0; i < kFactoryEffectColours.size(); ++i) {
        auto entry = image.span(image::EffectColour(i));
        entry[0] = kFactoryEffectColours[i].r;
        entry[1] = kFactoryEffectColours[i].g;
        entry[2] = kFactoryEffectColours[i].b;
    }

    image.at(image::kGameMode) = 0;
    // Every key enabled; bit 8 set also says the Windows key is not locked.
    for (std::uint8_t& b : image.span(image::kKeyEnableBitmap))
        b = 0xFF;

    PaintDiyTables(image);
    return m;
}

} // namespace hx::sim
