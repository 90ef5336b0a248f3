#pragma once

#include <cstddef>

namespace hx {

// A named byte range inside a fixed-layout block.
struct ByteField {
    std::size_t offset;
    std::size_t size;

    constexpr std::size_t end() const { return offset + size; }
};

} // namespace hx
