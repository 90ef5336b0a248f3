#pragma once

#include "ui/controls/HotRect.h"
#include "ui/main/MainWindowState.h"

#include <array>
#include <cstdint>

namespace hx {

// Where the collapsible sections of the settings panel sit, from the collapse flags.
struct PanelLayout {
    int lightingHeight;
    int macroRowTop;
    int gameTop;
    int responseTop;
    int rateTop;
    int responseListTop;
};

PanelLayout ComputePanelLayout(const MainWindowState& s);

// Hit codes of the main window's click regions.
enum HitCode : int {
    kHitNone = -1,
    kHitHelp = 0,
    kHitHide = 1,
    kHitClose = 2,
    kHitEffectBox = 3,
    kHitDirection1 = 4, // 4..7
    kHitBrightnessRow = 8,
    kHitMacro = 9,
    kHitGameOn = 10,
    kHitGameOff = 11,
    kHitResponseBox = 12,
    kHitProfile = 14,
    kHitReset = 15,
    kHitCancel = 16,
    kHitSave = 17,
    kHitLightingHeader = 18,
    kHitGameHeader = 19,
    kHitResponseHeader = 20,
    kHitRateHeader = 21,
    kHitColourCell0 = 22, // 22..29
    kHitLogo = 30,
    kHitWinLockOn = 31,
    kHitWinLockOff = 32,
    kHitKeymapChoice = 33,
    kHitDiyChoice = 34,
};

// The rectangle of a hit code under the given layout.
HotRect RegionOf(int code, const PanelLayout& layout);

// The first region, in the window's fixed order, that contains the point, or kHitNone.
// `effectMode` matters only for the Keymap / DIY choice, which exists in per-key modes.
int HitTest(int x, int y, const MainWindowState& s, std::uint8_t effectMode);

} // namespace hx
