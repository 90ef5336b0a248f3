#pragma once

#include <string_view>

namespace hx {

// A hot spot of a skinned window: every edge inclusive.
struct HotRect {
    int left, top, right, bottom;
    constexpr bool Contains(int x, int y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};

// A skinned button or box: its hot spot, and the images drawn at its top-left corner.
struct SkinnedButton : HotRect {
    std::string_view normal;
    std::string_view active; // hovered, or checked
};

} // namespace hx
