#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hx {

// A key's 4-byte remap entry as the keyboard stores it.
using RemapBytes = std::array<std::uint8_t, 4>;

inline constexpr std::uint8_t REMAP_KEYS = 0x00;
inline constexpr std::uint8_t REMAP_FN = 0x02;
inline constexpr std::uint8_t REMAP_CONSUMER = 0x03;
inline constexpr std::uint8_t REMAP_MACRO = 0x04;
inline constexpr std::uint8_t REMAP_NOTIFY = 0x0A;

// The keyboard's factory remap entries, indexed by matrixOffset / 4 (column-major).
using DefaultRemapTable = std::array<RemapBytes, 128>;

extern const DefaultRemapTable kDefaultRemapTable;

// The factory entry of the key with this keyIndex.
const RemapBytes& DefaultRemapOf(std::size_t keyIndex);

} // namespace hx
