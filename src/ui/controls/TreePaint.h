#pragma once

#include "ui/controls/ControlCanvas.h"

#include <optional>
#include <span>
#include <string>

namespace hx {

inline constexpr Colour kTreeTextColour = 0xFFFFFF;
inline constexpr Colour kTreeSelectionBand = 0x662E2F;
inline constexpr Colour kTreeSolidBackground = 0x1E1E1E;
// Item text starts this far right of where the tree places it, to leave room for the glyph.
inline constexpr int kTreeTextShift = 7;
inline constexpr int kTreeGlyphSize = 9;
inline constexpr int kTreeBackgroundWidth = 10;
inline constexpr int kTreeBackgroundHeight = 14;

enum TreeBackgroundMode : int { kTreeBitmap = 0, kTreeGradient = 1, kTreeSolid = 2 };

// How the tree looks; the values after construction.
struct TreeLook {
    Colour gradientFrom = 0xFFFFFF;
    Colour gradientTo = 0xD5D5E0;
    bool gradientHorizontal = true;
    int backgroundMode = kTreeGradient;
    bool tileBackground = false;
    // The background bitmap and the two glyphs are loaded by the background style, not before.
    bool bitmapsLoaded = false;
};

// A scroll bar's range and position in units of the old tree control: the horizontal one in
// pixels with `maximum` the last pixel column of the content, the vertical one in items with
// `maximum` the last item.
struct TreeScroll {
    int minimum = 0;
    int maximum = 0;
    int position = 0;
};

// Where the scrolled content begins, relative to the client area, and its whole size.
struct TreeVirtualArea {
    int originX = 0;
    int originY = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TreeVirtualArea&, const TreeVirtualArea&) = default;
};

TreeVirtualArea ComputeTreeVirtualArea(int clientWidth, int clientHeight, int itemHeight,
                                       std::optional<TreeScroll> horizontal,
                                       std::optional<TreeScroll> vertical);

// One visible item, from the first visible one down.
struct TreeRow {
    std::string text; // UTF-8
    // Where the tree control places the item's text; none when it has no place on screen.
    std::optional<PixelRect> textRect;
    bool selected = false;
    bool hasChildren = false;
    bool expanded = false;
};

struct TreeFrame {
    int clientWidth = 0;
    int clientHeight = 0;
    TreeVirtualArea area;
    bool hasFocus = false;
    bool showSelectionAlways = false;
};

// The whole client area: background, then each row's band, glyph and text.
void PaintTree(ControlCanvas& canvas, const TreeLook& look, const TreeFrame& frame,
               std::span<const TreeRow> rows);

} // namespace hx
