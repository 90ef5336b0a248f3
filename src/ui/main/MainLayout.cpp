#include "ui/main/MainLayout.h"

#include <initializer_list>

namespace hx {
namespace {

constexpr int kLightingExpanded = 225;
constexpr int kLightingCollapsed = 30;
constexpr std::uint8_t kFirstPerKeyMode = 51;

bool InAny(int x, int y, const PanelLayout& l, std::initializer_list<int> codes, int& hit) {
    for (int code : codes) {
        if (RegionOf(code, l).Contains(x, y)) {
            hit = code;
            return true;
        }
    }
    return false;
}

} // namespace

PanelLayout ComputePanelLayout(const MainWindowState& s) {
    const int l = s.lightingCollapsed ? kLightingCollapsed : kLightingExpanded;
    return {l, l + 110, l + 165, l + 220, l + 220 + (s.responseCollapsed ? 40 : 75), l + 47};
}

HotRect RegionOf(int code, const PanelLayout& layout) {
    const int L = layout.lightingHeight;
    const int R = layout.rateTop;
    if (code >= kHitDirection1 && code < kHitDirection1 + 4) {
        const int n = code - kHitDirection1;
        return {29 + 50 * n, 197, 64 + 50 * n, 212};
    }
    if (code >= kHitColourCell0 && code < kHitColourCell0 + 8) {
        const int n = code - kHitColourCell0;
        return {28 + 25 * n, 223, 48 + 25 * n, 243};
    }
    switch (code) {
    case kHitHelp:
        return {936, 5, 952, 20};
    case kHitHide:
        return {957, 5, 973, 20};
    case kHitClose:
        return {978, 5, 994, 20};
    case kHitEffectBox:
        return {28, 158, 248, 173};
    case kHitBrightnessRow:
        return {28, 258, 245, 280};
    case kHitMacro:
        return {19, L + 120, 259, L + 138};
    case kHitGameOn:
        return {34, L + 198, 44, L + 207};
    case kHitGameOff:
        return {88, L + 198, 115, L + 207};
    case kHitResponseBox:
        return {28, L + 248, 248, L + 264};
    case kHitProfile:
        return {19, 605, 119, 633};
    case kHitReset:
        return {800, 605, 857, 635};
    case kHitCancel:
        return {861, 605, 918, 635};
    case kHitSave:
        return {923, 605, 980, 635};
    case kHitLightingHeader:
        return {19, 110, 261, 130};
    case kHitGameHeader:
        return {19, L + 165, 261, L + 185};
    case kHitResponseHeader:
        return {19, L + 220, 261, L + 240};
    case kHitRateHeader:
        return {19, R, 261, R + 20};
    case kHitLogo:
        return {19, 32, 261, 102};
    case kHitWinLockOn:
        return {164, L + 198, 174, L + 207};
    case kHitWinLockOff:
        return {218, L + 198, 245, L + 207};
    case kHitKeymapChoice:
        return {28, 200, 42, 214};
    case kHitDiyChoice:
        return {130, 200, 144, 214};
    default:
        return {1, 1, 0, 0}; // contains nothing
    }
}

int HitTest(int x, int y, const MainWindowState& s, std::uint8_t effectMode) {
    const PanelLayout l = ComputePanelLayout(s);
    int hit = kHitNone;
    if (InAny(x, y, l, {kHitHelp, kHitHide, kHitClose, kHitLightingHeader}, hit))
        return hit;
    if (!s.lightingCollapsed) {
        if (effectMode >= kFirstPerKeyMode &&
            InAny(x, y, l, {kHitKeymapChoice, kHitDiyChoice}, hit))
            return hit;
        if (InAny(x, y, l,
                  {kHitEffectBox, 4, 5, 6, 7, kHitBrightnessRow, kHitMacro, 22, 23, 24, 25, 26, 27,
                   28, 29},
                  hit))
            return hit;
    } else if (InAny(x, y, l, {kHitMacro}, hit)) {
        return hit;
    }
    if (!s.gameCollapsed) {
        if (InAny(x, y, l, {kHitGameOn, kHitGameOff, kHitGameHeader, kHitWinLockOn, kHitWinLockOff},
                  hit))
            return hit;
    } else if (InAny(x, y, l, {kHitGameHeader}, hit)) {
        return hit;
    }
    if (!s.responseCollapsed) {
        if (InAny(x, y, l, {kHitResponseBox, kHitResponseHeader}, hit))
            return hit;
    } else if (InAny(x, y, l, {kHitResponseHeader}, hit)) {
        return hit;
    }
    if (InAny(x, y, l, {kHitRateHeader, kHitProfile, kHitReset, kHitCancel, kHitSave, kHitLogo},
              hit))
        return hit;
    return kHitNone;
}

} // namespace hx
