#pragma once

#include "ui/controls/ControlCanvas.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hx {

// The background picture of lists that do not take their parent's pixels: the client-sized block
// of the list background bitmap starting here.
inline constexpr int kListBackgroundX = 7;
inline constexpr int kListBackgroundY = 22;
// Line icons sit this far left of the line's right edge.
inline constexpr int kListIconInset = 20;

struct ListTextStyle {
    Colour textColour = 0x000000;
    Colour selectedTextColour = 0xFFFFFF;
    Colour shadowColour = 0x000000;
    bool shadowOn = false;
    int shadowOffset = 3;
};

// A line as drawn: its text and, for macro event lines, the state icon.
struct ListLineLook {
    std::string text;
    std::optional<BitmapId> icon;
};
// In delay mode a press line ("dn") and a release line ("up") lose that word to an icon; a delay
// line ("ms") keeps its text and gets the delay icon. Other modes draw the text as it is.
ListLineLook LookOfLine(int editMode, std::string_view text);

// One line over its part of the background: background, shadow, text, icon.
void DrawListLine(ControlCanvas& canvas, const ListTextStyle& style, int editMode, bool enabled,
                  std::string_view text, PixelRect rect, bool selected);

struct ListFrame {
    int clientWidth = 0;
    int clientHeight = 0;
    int itemHeight = 0;
    int topIndex = 0;
    int selectedIndex = -1; // -1: none
};

struct ListRow {
    int index = 0;
    PixelRect rect;
    bool selected = false;
};
// The lines a paint draws: from the top index while the line exists and its top lies inside the
// client area, stacked by the item height.
std::vector<ListRow> VisibleListRows(const ListFrame& frame, int lineCount);

// The whole client area: the background, then the lines from the top index down while their
// top lies inside the client area.
void PaintListLines(ControlCanvas& canvas, const ListTextStyle& style, int editMode, bool enabled,
                    const ListFrame& frame, std::span<const std::string> lines);

} // namespace hx
