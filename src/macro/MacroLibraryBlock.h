#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hx {

// The macro library as stored in MacroDefine.bin: 190 records of 894 bytes, byte for byte.
namespace macrolib {
inline constexpr std::size_t kRecordCount = 190;
inline constexpr std::size_t kRecordSize = 894;
inline constexpr std::size_t kSize = 169860;
static_assert(kRecordCount * kRecordSize == kSize);
} // namespace macrolib

struct MacroLibraryBlock {
    std::array<std::uint8_t, macrolib::kSize> bytes{};

    friend bool operator==(const MacroLibraryBlock&, const MacroLibraryBlock&) = default;
};
static_assert(sizeof(MacroLibraryBlock) == macrolib::kSize);

} // namespace hx
