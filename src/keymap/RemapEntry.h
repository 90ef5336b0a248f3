#pragma once

#include "config/DeviceImage.h"
#include "keymap/DefaultRemapTable.h"

#include <cstddef>
#include <cstdint>

namespace hx {

// The keyboard's description of what one key does (KeyRemapTable entry row x 21 + column):
//   REMAP_KEYS       0, code, 0, 0 ... : byte 2 alone for a single key (mouse codes 0xF0..0xF9
//                                       there act as mouse functions), bytes 1..3 for a combination
//   REMAP_FN        0, 0, 0           : factory entry of the Fn position only
//   REMAP_CONSUMER  0, usage low, usage high
//   REMAP_MACRO     1, slot, 0
//   REMAP_NOTIFY    0, vk, 0          : the keyboard reports vk, the program opens the key's path

// Byte offset of the key's entry inside DeviceImage; keyIndex must be below kKeyCount.
std::size_t RemapEntryOffset(std::size_t keyIndex);
RemapBytes ReadRemapEntry(const DeviceImage& image, std::size_t keyIndex);
void WriteRemapEntry(DeviceImage& image, std::size_t keyIndex, const RemapBytes& entry);

// The entry that makes a key send one device code: consumer usage 0x0183 for 0x83, the consumer
// usage of the code itself for 0xCD, 0xE9, 0xEA, a plain key entry for every other code (mouse
// codes and 0 included).
RemapBytes SingleKeyEntry(std::uint8_t deviceCode);

inline constexpr RemapBytes MacroEntry(std::uint8_t slot) {
    return {REMAP_MACRO, 0x01, slot, 0x00};
}
inline constexpr RemapBytes ReportEntry(std::uint8_t vk) {
    return {REMAP_NOTIFY, 0x00, vk, 0x00};
}

} // namespace hx
