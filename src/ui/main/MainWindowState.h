#pragma once

#include <cstdint>

namespace hx {

inline constexpr std::uint8_t kNone = 0xFF;

// What the main window remembers between events (main thread only).
struct MainWindowState {
    bool effectListOpen = false;
    bool responseListOpen = false;
    bool helpVisible = false;
    bool lightingCollapsed = false;
    bool gameCollapsed = false;
    bool responseCollapsed = false;
    bool rateCollapsed = false;
    bool perKeyColourMode = false;
    bool leftButtonHeld = false;
    std::uint8_t selectedKey = kNone;
    std::uint8_t lastHoveredKey = kNone;
    std::uint8_t lastHotSpot = kNone;
    std::uint8_t hoverEffectRow = kNone;
    std::uint8_t hoverResponseRow = kNone;
};

} // namespace hx
