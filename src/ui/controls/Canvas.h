#pragma once

#include <cstdint>
#include <string_view>

namespace hx {

// A colour written 0xRRGGBB.
using Colour = std::uint32_t;

inline constexpr Colour kLabelColour = 0xFFFFFF;
inline constexpr Colour kOutlineColour = 0xFFFFFF;

// The bitmaps compiled into the program, by their resource numbers.
enum class BitmapId : int {
    PressIcon = 131, // also the tree's background picture
    TreeCollapsedGlyph = 133,
    TreeExpandedGlyph = 134,
    DelayIcon = 137,
    ReleaseIcon = 138,
    SliderEmptyChannel = 139,
    SliderFilledChannel = 140,
    ListBackground = 145,
    ApplicationIcon = 155,
};

// A block of a source image: its top-left corner and size.
struct SourceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const SourceRect&, const SourceRect&) = default;
};

// The surface a skinned window composes its picture on. Coordinates are pixels of the surface.
// Images are copied opaquely; a missing or undecodable image draws nothing.
class Canvas {
public:
    virtual ~Canvas() = default;

    // The whole skin image `name` at its natural size with its top-left corner at (x, y).
    virtual void DrawSkinImage(std::string_view name, int x, int y) = 0;
    // A block of the skin image `name` to (x, y); parts outside the image draw nothing.
    virtual void DrawSkinImagePart(std::string_view name, SourceRect source, int x, int y) = 0;
    // A block of a compiled-in bitmap to (x, y).
    virtual void DrawBitmapPart(BitmapId bitmap, SourceRect source, int x, int y) = 0;
    // UTF-8 text once, top-left corner at (x, y), in the label font whose cell (ascent plus
    // descent) is `height` pixels; no background, clipping or wrapping.
    virtual void DrawLabel(std::string_view text, int x, int y, int height, Colour colour) = 0;
    // A one-pixel white frame through (x, y) and (x + width, y + height), both corners included.
    virtual void DrawOutline(int x, int y, int width, int height) = 0;
    // Fills left <= x < right, top <= y < bottom.
    virtual void FillCell(int left, int top, int right, int bottom, Colour colour) = 0;
};

} // namespace hx
