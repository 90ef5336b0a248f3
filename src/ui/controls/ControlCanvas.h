#pragma once

#include "ui/controls/Canvas.h"

#include <string_view>

namespace hx {

// A drawing rectangle: left <= x < right, top <= y < bottom.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The surface an owner-drawn control composes itself on: the skin canvas plus what list and tree
// controls need beyond it. The host fixes the control's font and its captured background.
class ControlCanvas : public Canvas {
public:
    // A two-colour gradient over `area`: `from` at the left (or top) edge, `to` at the right (or
    // bottom) edge.
    virtual void FillGradient(PixelRect area, Colour from, Colour to, bool horizontal) = 0;
    // The whole compiled-in bitmap stretched over `area`.
    virtual void DrawBitmapStretched(BitmapId bitmap, PixelRect area) = 0;
    // UTF-8 text in the control's font, top-left aligned in `box` and clipped to it, tabs
    // expanded, '&' shown as itself.
    virtual void DrawText(std::string_view text, PixelRect box, Colour colour) = 0;
    // A block of the control's captured background to (x, y).
    virtual void DrawBackdropPart(SourceRect source, int x, int y) = 0;
};

} // namespace hx
