#pragma once

#include "ui/controls/Canvas.h"

#include <array>
#include <string_view>
#include <vector>

namespace hx {

// The macro manager's skin background; it also sets the window's size.
inline constexpr std::string_view kMacroBackground = "MacroManagement.png";

// Where the window's three controls sit (client pixels).
struct MacroControlPlace {
    int x, y, width, height;
};
inline constexpr MacroControlPlace kMacroNameListPlace{20, 80, 113, 275};
inline constexpr MacroControlPlace kMacroEventListPlace{150, 80, 113, 275};
inline constexpr MacroControlPlace kMacroRepeatEditPlace{296, 331, 84, 18};
inline constexpr int kMacroRepeatEditMaxChars = 3;

// Both lists write their lines alike.
inline constexpr const char* kMacroListFont = "Arial";
inline constexpr int kMacroListFontHeight = 16;
inline constexpr Colour kMacroListTextColour = 0xFFFFFF;
inline constexpr Colour kMacroListSelectedColour = 0xFFFF00;
inline constexpr Colour kMacroListShadowColour = 0x000000;
inline constexpr int kMacroListShadowOffset = 2;

// The hit regions, tested in this order.
enum MacroRegion : int {
    kMacroRegionNone = -1,
    kMacroRegionRecord = 0,
    kMacroRegionDelayBox = 1,
    kMacroRegionRepeatBox = 2,
    kMacroRegionNew = 3,
    kMacroRegionDelete = 4,
    kMacroRegionOk = 5,
    kMacroRegionCancel = 6,
};
inline constexpr int kMacroRegionCount = 7;

// The region under (x, y), or kMacroRegionNone.
int MacroRegionAt(int x, int y);

// What the window remembers of the pointer: the buttons' hover states (the check boxes show
// their flags instead) and the region last hit by a move or a button release.
struct MacroPointerState {
    std::array<bool, kMacroRegionCount> hover{};
    int lastRegion = kMacroRegionNone;
};

struct MacroMouseMove {
    bool dragWindow = false;  // the pointer moves over no region, as it did before
    std::vector<int> repaint; // regions to repaint, in order
    friend bool operator==(const MacroMouseMove&, const MacroMouseMove&) = default;
};
MacroMouseMove MacroPointerMoved(MacroPointerState& pointer, int x, int y);

// The flags the picture shows.
struct MacroPaintFlags {
    bool recordingOn = false;
    bool delayMode = false;
    bool repeatEnabled = false;
};

// The whole window: background, captions, buttons and check boxes.
void PaintMacroManager(Canvas& canvas, const MacroPointerState& pointer,
                       const MacroPaintFlags& flags);
// One region drawn again, with the button captions it may have covered.
void PaintMacroRegion(Canvas& canvas, int region, const MacroPointerState& pointer,
                      const MacroPaintFlags& flags);

} // namespace hx
