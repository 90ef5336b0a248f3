#pragma once

#include "ui/controls/Canvas.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace hx {

// The colour choice that selects the eighth, multi-colour cell.
inline constexpr std::uint8_t kMultiColourChoice = 8;
inline constexpr Colour kGreyCellColour = 0xC0C0C0;

// One direction button: where it sits and its two looks.
struct DirectionButton {
    int x;
    std::string_view disabled;
    std::string_view enabled;
};

inline constexpr DirectionButton TopButton(int x) {
    return {x, "Direction-T-Disable.png", "Direction-T-Enable.png"};
}
inline constexpr DirectionButton BottomButton(int x) {
    return {x, "Direction-B-Disable.png", "Direction-B-Enable.png"};
}
inline constexpr DirectionButton RightButton(int x) {
    return {x, "Direction-R-Disable.png", "Direction-R-Enable.png"};
}
inline constexpr DirectionButton LeftButton(int x) {
    return {x, "Direction-L-Disable.png", "Direction-L-Enable.png"};
}

inline constexpr int kNoButton = -1;

// The direction buttons of a mode, which button each stored direction 0..4 lights, and the
// direction each of the four direction cells (hit codes 4..7) stores. The cells store even
// where no button is drawn.
struct DirectionSet {
    int buttonCount;
    std::array<DirectionButton, 4> buttons;
    std::array<int, 5> litButton; // by direction 0..4; a value above 4 lights nothing
    std::array<std::uint8_t, 4> cellDirection;
};

// Direction values: 1 left, 2 right, 3 top, 4 bottom.
inline constexpr DirectionSet kNoDirections{
    0, {}, {kNoButton, kNoButton, kNoButton, kNoButton, kNoButton}, {3, 4, 2, 1}};
inline constexpr DirectionSet kFourDirections{
    4,
    {TopButton(29), BottomButton(79), RightButton(129), LeftButton(179)},
    {kNoButton, 3, 2, 0, 1},
    {3, 4, 2, 1}};
// Right and left only: every value but right shows as left.
inline constexpr DirectionSet kRightLeft{
    2, {RightButton(29), LeftButton(79)}, {kNoButton, 1, 0, 1, 1}, {2, 1, 2, 1}};
// Top and bottom only: every value but top shows as bottom.
inline constexpr DirectionSet kTopBottom{
    2, {TopButton(29), BottomButton(79)}, {kNoButton, 1, 1, 0, 1}, {3, 4, 3, 4}};

enum class ColourCells {
    kNone,      // per-key modes: no cells at all
    kColoured,  // seven cells in the effect colours
    kGreyEighth // seven grey cells; the eighth is the only choice
};

// What the lighting section shows for one effect mode.
struct ModeRules {
    bool speedTrackbar;
    ColourCells cells;
    bool eighthCell; // "8.png" drawn and selectable
    const DirectionSet* directions;
    bool perKeyChoice; // the Keymap / DIY choice
};

inline constexpr ModeRules kPlainRules{true, ColourCells::kColoured, true, &kNoDirections, false};

// Modes with rules of their own, as closed ranges; every other mode, offered or not, follows
// kPlainRules. Mode 50 is offered by no list: the speed trackbar goes from 50 up, the colour
// cells only from 51.
struct ModeRuleRow {
    std::uint8_t first;
    std::uint8_t last;
    ModeRules rules;
};

inline constexpr std::array<ModeRuleRow, 9> kModeRules{{
    {1, 1, {false, ColourCells::kColoured, false, &kNoDirections, false}},
    {3, 3, {true, ColourCells::kGreyEighth, true, &kFourDirections, false}},
    {8, 8, {true, ColourCells::kGreyEighth, true, &kNoDirections, false}},
    {10, 10, {true, ColourCells::kGreyEighth, true, &kNoDirections, false}},
    {13, 13, {true, ColourCells::kColoured, true, &kRightLeft, false}},
    {15, 15, {true, ColourCells::kColoured, true, &kRightLeft, false}},
    {16, 16, {true, ColourCells::kColoured, true, &kTopBottom, false}},
    {50, 50, {false, ColourCells::kColoured, true, &kNoDirections, false}},
    {51, 255, {false, ColourCells::kNone, false, &kNoDirections, true}},
}};

constexpr const ModeRules& RulesFor(std::uint8_t mode) {
    for (const ModeRuleRow& row : kModeRules) {
        if (row.first <= mode && mode <= row.last) {
            return row.rules;
        }
    }
    return kPlainRules;
}

} // namespace hx
