#include "keymap/KeyMapLayout.h"

namespace hx {
namespace {

// Column spans of the advanced cells, and their vertical extent from the row top.
struct CellSpan {
    int left, right, top, bottom;
};
constexpr std::array<CellSpan, 4> kCellSpans{{
    {15, 25, 4, 13},   // radio
    {30, 72, 1, 16},   // label
    {83, 243, 0, 15},  // path field
    {256, 302, 0, 15}, // browse button
}};

} // namespace

std::uint8_t KeyMapButtonHitTest(int x, int y) {
    const DialogButtonSpec& tick = kDialogButtons[kButtonTickBox];
    if (HotRect{tick.left - kTickBoxMargin, tick.top - kTickBoxMargin, tick.right + kTickBoxMargin,
                tick.bottom + kTickBoxMargin}
            .Contains(x, y))
        return kButtonTickBox;
    for (std::size_t i = 0; i < kDialogButtons.size(); ++i) {
        const DialogButtonSpec& b = kDialogButtons[i];
        if (b.Contains(x, y))
            return static_cast<std::uint8_t>(i);
    }
    return kNoButton;
}

std::uint8_t AdvancedCellHitTest(int x, int y) {
    for (std::size_t row = 0; row < kAdvancedRows; ++row) {
        const int top = AdvancedRowTop(row);
        for (std::size_t column = 0; column < kCellSpans.size(); ++column) {
            const CellSpan& c = kCellSpans[column];
            if (HotRect{c.left, top + c.top, c.right, top + c.bottom}.Contains(x, y))
                return static_cast<std::uint8_t>(row * 4 + column);
        }
    }
    return kNoCell;
}

} // namespace hx
