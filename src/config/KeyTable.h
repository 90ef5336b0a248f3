#pragma once

#include "config/ByteField.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace hx {

// One key's assignment as the program remembers it. Stored byte for byte in keymap.bin after
// the device image, so the offsets are a file format.
namespace keyrecord {

inline constexpr std::size_t kSize = 772;

inline constexpr ByteField kDefaultVk{0, 1};
inline constexpr ByteField kAssignType{1, 1};
inline constexpr ByteField kChosenCodes{2, 255};
inline constexpr ByteField kChosenCount{257, 1};
inline constexpr ByteField kReserved{258, 2};
// UTF-16 code units, little-endian, zero-terminated, at most 255 characters.
inline constexpr ByteField kLaunchPath{260, 512};
inline constexpr std::size_t kLaunchPathMaxChars = 255;

static_assert(kLaunchPath.end() == kSize, "KeyRecord fields must fill 772 bytes");
static_assert(kChosenCount.offset == kChosenCodes.end() && kReserved.end() == kLaunchPath.offset);

// Shortcut kinds that launch the stored path.
inline constexpr std::uint8_t kFirstLaunchType = 4;
inline constexpr std::uint8_t kLastLaunchType = 7;

} // namespace keyrecord

struct KeyRecord : ByteBlock<keyrecord::kSize> {
    friend bool operator==(const KeyRecord&, const KeyRecord&) = default;
};
static_assert(sizeof(KeyRecord) == keyrecord::kSize);

inline constexpr std::size_t kKeyRecordCount = 255;

// Record k belongs to the key with keyIndex k (0..107); the rest belong to no key.
struct KeyTable {
    std::array<KeyRecord, kKeyRecordCount> records{};

    KeyRecord& operator[](std::size_t keyIndex) { return records[keyIndex]; }
    const KeyRecord& operator[](std::size_t keyIndex) const { return records[keyIndex]; }

    friend bool operator==(const KeyTable&, const KeyTable&) = default;
};
inline constexpr std::size_t kKeyTableSize = 196860;
static_assert(sizeof(KeyTable) == kKeyTableSize);

} // namespace hx
