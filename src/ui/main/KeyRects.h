#pragma once

#include "keymap/KeyLayout.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace hx {

// Where the keyboard picture sits in the main window, and the point its key captions are
// measured from (five pixels left of and above it).
inline constexpr int kKeyPictureX = 307;
inline constexpr int kKeyPictureY = 211;
inline constexpr int kKeyCaptionOriginX = 302;
inline constexpr int kKeyCaptionOriginY = 206;

// One key on the keyboard picture, relative to the picture's origin. Drawing treats right and
// bottom as exclusive (the key is right - left pixels wide); hit testing treats them as
// inclusive. Keys that are not on the picture have an all-zero row and no caption.
struct KeyRect {
    std::string_view caption;
    int left;
    int top;
    int right;
    int bottom;
    int captionX;
    int captionY;

    constexpr bool onPicture() const { return right > left && bottom > top; }
    constexpr bool contains(int x, int y) const {
        return onPicture() && left <= x && x <= right && top <= y && y <= bottom;
    }
};

// One row per keyIndex, in KeyLayout order.
inline constexpr std::array<KeyRect, kKeyCount> kKeyRects{{
    KeyRect{"Esc", 15, 17, 40, 43, 27, 30},          // 0
    KeyRect{"F1", 71, 17, 96, 43, 83, 30},           // 1
    KeyRect{"F2", 98, 17, 123, 43, 110, 30},         // 2
    KeyRect{"F3", 125, 17, 150, 43, 137, 30},        // 3
    KeyRect{"F4", 152, 17, 177, 43, 164, 30},        // 4
    KeyRect{"F5", 193, 17, 218, 43, 205, 30},        // 5
    KeyRect{"F6", 220, 17, 245, 43, 232, 30},        // 6
    KeyRect{"F7", 247, 17, 272, 43, 259, 30},        // 7
    KeyRect{"F8", 274, 17, 299, 43, 286, 30},        // 8
    KeyRect{"F9", 315, 17, 340, 43, 327, 30},        // 9
    KeyRect{"F10", 342, 17, 367, 43, 354, 30},       // 10
    KeyRect{"F11", 369, 17, 394, 43, 381, 30},       // 11
    KeyRect{"F12", 396, 17, 421, 43, 408, 30},       // 12
    KeyRect{"Prnt", 432, 17, 457, 43, 443, 30},      // 13
    KeyRect{"Scrl", 459, 17, 484, 43, 469, 30},      // 14
    KeyRect{"Pause", 486, 17, 511, 43, 493, 30},     // 15
    KeyRect{"", 0, 0, 0, 0, 0, 0},                   // 16
    KeyRect{"", 0, 0, 0, 0, 0, 0},                   // 17
    KeyRect{"", 0, 0, 0, 0, 0, 0},                   // 18
    KeyRect{"", 0, 0, 0, 0, 0, 0},                   // 19
    KeyRect{"~", 15, 51, 40, 77, 27, 64},            // 20
    KeyRect{"1", 42, 51, 67, 77, 55, 64},            // 21
    KeyRect{"2", 69, 51, 94, 77, 82, 64},            // 22
    KeyRect{"3", 96, 51, 121, 77, 109, 64},          // 23
    KeyRect{"4", 123, 51, 148, 77, 136, 64},         // 24
    KeyRect{"5", 150, 51, 175, 77, 163, 64},         // 25
    KeyRect{"6", 177, 51, 202, 77, 189, 64},         // 26
    KeyRect{"7", 204, 51, 229, 77, 216, 64},         // 27
    KeyRect{"8", 231, 51, 256, 77, 243, 64},         // 28
    KeyRect{"9", 258, 51, 283, 77, 271, 64},         // 29
    KeyRect{"0", 285, 51, 310, 77, 298, 64},         // 30
    KeyRect{"-", 313, 51, 338, 77, 325, 64},         // 31
    KeyRect{"=", 341, 51, 366, 77, 353, 64},         // 32
    KeyRect{"Back", 369, 51, 421, 77, 395, 64},      // 33
    KeyRect{"Ins", 432, 51, 457, 77, 445, 64},       // 34
    KeyRect{"Home", 459, 51, 484, 77, 468, 64},      // 35
    KeyRect{"PgUp", 486, 51, 511, 77, 495, 64},      // 36
    KeyRect{"Num", 523, 51, 548, 77, 535, 64},       // 37
    KeyRect{"/", 550, 51, 575, 77, 562, 64},         // 38
    KeyRect{"*", 577, 51, 602, 77, 589, 64},         // 39
    KeyRect{"-", 604, 51, 629, 77, 616, 64},         // 40
    KeyRect{"Tab", 15, 79, 54, 105, 34, 93},         // 41
    KeyRect{"Q", 56, 79, 81, 105, 68, 93},           // 42
    KeyRect{"W", 83, 79, 108, 105, 96, 93},          // 43
    KeyRect{"E", 110, 79, 135, 105, 122, 93},        // 44
    KeyRect{"R", 137, 79, 162, 105, 150, 93},        // 45
    KeyRect{"T", 164, 79, 189, 105, 177, 93},        // 46
    KeyRect{"Y", 191, 79, 216, 105, 204, 93},        // 47
    KeyRect{"U", 218, 79, 243, 105, 230, 93},        // 48
    KeyRect{"I", 245, 79, 270, 105, 257, 93},        // 49
    KeyRect{"O", 272, 79, 297, 105, 284, 93},        // 50
    KeyRect{"P", 299, 79, 324, 105, 311, 93},        // 51
    KeyRect{"[", 326, 79, 351, 105, 338, 93},        // 52
    KeyRect{"]", 353, 79, 378, 105, 365, 93},        // 53
    KeyRect{"\\", 380, 79, 421, 105, 399, 93},       // 54
    KeyRect{"Del", 432, 79, 457, 105, 445, 93},      // 55
    KeyRect{"End", 459, 79, 484, 105, 468, 93},      // 56
    KeyRect{"PgDn", 486, 79, 511, 105, 495, 93},     // 57
    KeyRect{"7", 523, 79, 548, 105, 535, 93},        // 58
    KeyRect{"8", 550, 79, 575, 105, 563, 93},        // 59
    KeyRect{"9", 577, 79, 602, 105, 589, 93},        // 60
    KeyRect{"+", 604, 79, 629, 133, 617, 106},       // 61
    KeyRect{"Caps Lock", 15, 107, 61, 133, 22, 118}, // 62
    KeyRect{"A", 63, 107, 88, 133, 75, 118},         // 63
    KeyRect{"S", 90, 107, 115, 133, 103, 118},       // 64
    KeyRect{"D", 117, 107, 142, 133, 129, 118},      // 65
    KeyRect{"F", 144, 107, 169, 133, 156, 118},      // 66
    KeyRect{"G", 171, 107, 196, 133, 184, 118},      // 67
    KeyRect{"H", 198, 107, 223, 133, 210, 118},      // 68
    KeyRect{"J", 225, 107, 250, 133, 237, 118},      // 69
    KeyRect{"K", 252, 107, 277, 133, 264, 118},      // 70
    KeyRect{"L", 279, 107, 304, 133, 291, 118},      // 71
    KeyRect{";", 306, 107, 331, 133, 318, 118},      // 72
    KeyRect{"'", 333, 107, 358, 133, 345, 118},      // 73
    KeyRect{"Ent", 360, 107, 421, 133, 390, 118},    // 74
    KeyRect{"4", 523, 107, 548, 133, 535, 118},      // 75
    KeyRect{"5", 550, 107, 575, 133, 563, 118},      // 76
    KeyRect{"6", 577, 107, 602, 133, 589, 118},      // 77
    KeyRect{"Shift", 15, 135, 74, 161, 45, 148},     // 78
    KeyRect{"Z", 76, 135, 101, 161, 89, 148},        // 79
    KeyRect{"X", 103, 135, 128, 161, 115, 148},      // 80
    KeyRect{"C", 130, 135, 155, 161, 142, 148},      // 81
    KeyRect{"V", 157, 135, 182, 161, 169, 148},      // 82
    KeyRect{"B", 184, 135, 209, 161, 196, 148},      // 83
    KeyRect{"N", 211, 135, 236, 161, 223, 148},      // 84
    KeyRect{"M", 238, 135, 263, 161, 250, 148},      // 85
    KeyRect{",", 265, 135, 290, 161, 277, 148},      // 86
    KeyRect{".", 292, 135, 317, 161, 304, 148},      // 87
    KeyRect{"/", 319, 135, 344, 161, 332, 148},      // 88
    KeyRect{"Shift", 346, 135, 421, 161, 382, 148},  // 89
    KeyRect{"Up", 459, 135, 484, 161, 471, 148},     // 90
    KeyRect{"1", 523, 135, 548, 161, 535, 148},      // 91
    KeyRect{"2", 550, 135, 575, 161, 563, 148},      // 92
    KeyRect{"3", 577, 135, 602, 161, 589, 148},      // 93
    KeyRect{"Ent", 604, 135, 629, 189, 617, 160},    // 94
    KeyRect{"Ctrl", 15, 163, 54, 189, 29, 176},      // 95
    KeyRect{"Win", 56, 163, 88, 189, 72, 176},       // 96
    KeyRect{"Alt", 90, 163, 122, 189, 106, 176},     // 97
    KeyRect{"Space", 124, 163, 285, 189, 204, 176},  // 98
    KeyRect{"Alt", 287, 163, 319, 189, 303, 176},    // 99
    KeyRect{"Fn", 321, 163, 353, 189, 336, 176},     // 100
    KeyRect{"App", 355, 163, 387, 189, 371, 176},    // 101
    KeyRect{"Ctrl", 389, 163, 421, 189, 400, 176},   // 102
    KeyRect{"Left", 432, 163, 457, 189, 444, 176},   // 103
    KeyRect{"Down", 459, 163, 484, 189, 467, 176},   // 104
    KeyRect{"Right", 486, 163, 511, 189, 493, 176},  // 105
    KeyRect{"0", 523, 163, 575, 189, 549, 176},      // 106
    KeyRect{".", 577, 163, 602, 189, 589, 176},      // 107
}};

} // namespace hx
