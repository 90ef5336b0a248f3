#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace hx {

// A named byte range inside a fixed-layout block.
struct ByteField {
    std::size_t offset;
    std::size_t size;

    constexpr std::size_t end() const { return offset + size; }
};

// A fixed-size byte record read and written through named fields; the records are also file
// formats, so they stay plain bytes.
template <std::size_t N> struct ByteBlock {
    std::array<std::uint8_t, N> bytes{};

    std::uint8_t& at(ByteField field, std::size_t index = 0) { return bytes[field.offset + index]; }
    std::uint8_t at(ByteField field, std::size_t index = 0) const {
        return bytes[field.offset + index];
    }
    std::span<std::uint8_t> span(ByteField field) {
        return {bytes.data() + field.offset, field.size};
    }
    std::span<const std::uint8_t> span(ByteField field) const {
        return {bytes.data() + field.offset, field.size};
    }

    friend bool operator==(const ByteBlock&, const ByteBlock&) = default;
};

} // namespace hx
