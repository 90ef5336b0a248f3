#pragma once

#include "config/ByteField.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace hx {

// The keyboard's whole configuration as one packed block. Its layout is also the first part of
// keymap.bin and of every profile file, so every offset below is a file format.
namespace image {

inline constexpr std::size_t kSize = 10060;

inline constexpr ByteField kReservedHead{0, 11};
inline constexpr ByteField kReportRate{11, 1};
inline constexpr ByteField kReservedAfterRate{12, 780};
inline constexpr ByteField kKeyRemapTable{792, 512};
inline constexpr ByteField kDeviceMacroSlots{1304, 6144};
inline constexpr ByteField kReservedAfterSlots{7448, 1};
inline constexpr ByteField kResponseTime{7449, 1};
inline constexpr ByteField kLightingSettings{7450, 5};
inline constexpr ByteField kEffectColours{7455, 21};
inline constexpr ByteField kGameMode{7476, 1};
inline constexpr ByteField kKeyEnableBitmap{7477, 18};
inline constexpr ByteField kReservedAfterBitmap{7495, 3};
inline constexpr ByteField kWinLock{7498, 1};
inline constexpr ByteField kPerKeyColourTables{7499, 2560};
inline constexpr ByteField kReservedTail{10059, 1};

// The fields in layout order; each starts where the previous one ends.
inline constexpr std::array kAllFields{
    kReservedHead,     kReportRate,         kReservedAfterRate, kKeyRemapTable,
    kDeviceMacroSlots, kReservedAfterSlots, kResponseTime,      kLightingSettings,
    kEffectColours,    kGameMode,           kKeyEnableBitmap,   kReservedAfterBitmap,
    kWinLock,          kPerKeyColourTables, kReservedTail,
};

constexpr bool FieldsTileTheBlock() {
    std::size_t next = 0;
    for (const ByteField& f : kAllFields) {
        if (f.offset != next)
            return false;
        next = f.end();
    }
    return next == kSize;
}
static_assert(FieldsTileTheBlock(), "DeviceImage fields must tile the 10060-byte block");

// KeyRemapTable: 128 four-byte entries, row-major (entry r * 21 + c).
inline constexpr std::size_t kRemapEntries = 128;
inline constexpr std::size_t kRemapEntrySize = 4;
static_assert(kRemapEntries * kRemapEntrySize == kKeyRemapTable.size);

// DeviceMacroSlots: 32 slots of 192 bytes.
inline constexpr std::size_t kMacroSlotCount = 32;
inline constexpr std::size_t kMacroSlotSize = 192;
static_assert(kMacroSlotCount * kMacroSlotSize == kDeviceMacroSlots.size);

constexpr ByteField MacroSlot(std::size_t slot) {
    return {kDeviceMacroSlots.offset + kMacroSlotSize * slot, kMacroSlotSize};
}

// LightingSettings bytes.
inline constexpr std::size_t kLightingMode = 0;
inline constexpr std::size_t kLightingSpeed = 1;
inline constexpr std::size_t kLightingBrightness = 2;
inline constexpr std::size_t kLightingColourChoice = 3;
inline constexpr std::size_t kLightingDirection = 4;

// EffectColours: 7 RGB entries.
inline constexpr std::size_t kEffectColourCount = 7;
inline constexpr std::size_t kEffectColourSize = 3;
static_assert(kEffectColourCount * kEffectColourSize == kEffectColours.size);

constexpr ByteField EffectColour(std::size_t index) {
    return {kEffectColours.offset + kEffectColourSize * index, kEffectColourSize};
}

// PerKeyColourTables: 5 tables of 512 bytes (128 entries of 0, red, green, blue), column-major.
inline constexpr std::size_t kColourTableCount = 5;
inline constexpr std::size_t kColourTableSize = 512;
inline constexpr std::size_t kColourEntrySize = 4;
inline constexpr std::uint8_t kFirstPerKeyColourMode = 51;
static_assert(kColourTableCount * kColourTableSize == kPerKeyColourTables.size);

constexpr ByteField ColourTable(std::size_t table) {
    return {kPerKeyColourTables.offset + kColourTableSize * table, kColourTableSize};
}

// KeyEnableBitmap: 144 bits; the Windows-key lock lives in bit 1 when sent, and is read back
// from bit 8.
inline constexpr std::size_t kEnableBits = 144;
static_assert(kEnableBits / 8 == kKeyEnableBitmap.size);
inline constexpr unsigned kWinKeySendBit = 1;
inline constexpr unsigned kWinLockReadBit = 8;

} // namespace image

struct DeviceImage : ByteBlock<image::kSize> {

    bool SameField(const DeviceImage& other, ByteField field) const {
        return std::memcmp(bytes.data() + field.offset, other.bytes.data() + field.offset,
                           field.size) == 0;
    }

    bool EnableBit(unsigned bit) const {
        return (at(image::kKeyEnableBitmap, bit / 8) >> (bit % 8)) & 1u;
    }
    void SetEnableBit(unsigned bit, bool set) {
        std::uint8_t& byte = at(image::kKeyEnableBitmap, bit / 8);
        const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
        byte =
            set ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
    }

    friend bool operator==(const DeviceImage&, const DeviceImage&) = default;
};
static_assert(sizeof(DeviceImage) == image::kSize);

} // namespace hx
