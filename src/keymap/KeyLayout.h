#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hx {

// One of the keyboard's own keys: what it types by default and where it sits in the 6 x 21
// key matrix (row 0 is the bottom row, column 0 the left edge).
struct KeyPosition {
    std::uint8_t defaultVk;
    std::uint8_t row;
    std::uint8_t column;

    // Column-major place used by the per-key colour tables and the factory remap table.
    constexpr std::size_t matrixOffset() const { return 4u * (column * 6u + row); }
    // Row-major entry in the keyboard's remap table.
    constexpr std::size_t remapEntry() const { return row * 21u + column; }
    // Bit in the key enable bitmap.
    constexpr unsigned enableBit() const { return row * 24u + column; }
};

inline constexpr std::size_t kKeyCount = 108;
inline constexpr std::size_t kMatrixRows = 6;
inline constexpr std::size_t kMatrixColumns = 21;

// The keyboard's keys in keyIndex order; keyIndex is also the key's KeyTable record.
inline constexpr std::array<KeyPosition, kKeyCount> kKeyLayout{{
    // Row 5, keyIndex 0..19: Esc, F1..F12, Prscr, Scrol, Pause, four media keys.
    {0x1B, 5, 0},
    {0x70, 5, 2},
    {0x71, 5, 3},
    {0x72, 5, 4},
    {0x73, 5, 5},
    {0x74, 5, 6},
    {0x75, 5, 7},
    {0x76, 5, 8},
    {0x77, 5, 9},
    {0x78, 5, 10},
    {0x79, 5, 11},
    {0x7A, 5, 12},
    {0x7B, 5, 13},
    {0x2C, 5, 14},
    {0x91, 5, 15},
    {0x13, 5, 16},
    {0xAE, 5, 17},
    {0xB5, 5, 18},
    {0xB3, 5, 19},
    {0xAF, 5, 20},
    // Row 4, keyIndex 20..40: number row, Back, Inst, Home, PgUp, Num, keypad / * -.
    {0xC0, 4, 0},
    {0x31, 4, 1},
    {0x32, 4, 2},
    {0x33, 4, 3},
    {0x34, 4, 4},
    {0x35, 4, 5},
    {0x36, 4, 6},
    {0x37, 4, 7},
    {0x38, 4, 8},
    {0x39, 4, 9},
    {0x30, 4, 10},
    {0xBD, 4, 11},
    {0xBB, 4, 12},
    {0x08, 4, 13},
    {0x2D, 4, 14},
    {0x24, 4, 15},
    {0x21, 4, 16},
    {0x90, 4, 17},
    {0x6F, 4, 18},
    {0x6A, 4, 19},
    {0x6D, 4, 20},
    // Row 3, keyIndex 41..60: Tab, Q..P, brackets, backslash, Del, End, PgDn, keypad 7 8 9.
    {0x09, 3, 0},
    {0x51, 3, 1},
    {0x57, 3, 2},
    {0x45, 3, 3},
    {0x52, 3, 4},
    {0x54, 3, 5},
    {0x59, 3, 6},
    {0x55, 3, 7},
    {0x49, 3, 8},
    {0x4F, 3, 9},
    {0x50, 3, 10},
    {0xDB, 3, 11},
    {0xDD, 3, 12},
    {0xDC, 3, 13},
    {0x2E, 3, 14},
    {0x23, 3, 15},
    {0x22, 3, 16},
    {0x67, 3, 17},
    {0x68, 3, 18},
    {0x69, 3, 19},
    // keyIndex 61: keypad plus.
    {0x6B, 2, 20},
    // Row 2, keyIndex 62..77: Caps, A..L, semicolon, apostrophe, Enter, keypad 4 5 6.
    {0x14, 2, 0},
    {0x41, 2, 1},
    {0x53, 2, 2},
    {0x44, 2, 3},
    {0x46, 2, 4},
    {0x47, 2, 5},
    {0x48, 2, 6},
    {0x4A, 2, 7},
    {0x4B, 2, 8},
    {0x4C, 2, 9},
    {0xBA, 2, 10},
    {0xDE, 2, 11},
    {0x0D, 2, 13},
    {0x64, 2, 17},
    {0x65, 2, 18},
    {0x66, 2, 19},
    // Row 1, keyIndex 78..93: LShift, Z..slash, RShift, Up, keypad 1 2 3.
    {0xA0, 1, 0},
    {0x5A, 1, 1},
    {0x58, 1, 2},
    {0x43, 1, 3},
    {0x56, 1, 4},
    {0x42, 1, 5},
    {0x4E, 1, 6},
    {0x4D, 1, 7},
    {0xBC, 1, 8},
    {0xBE, 1, 9},
    {0xBF, 1, 10},
    {0xA1, 1, 12},
    {0x26, 1, 15},
    {0x61, 1, 17},
    {0x62, 1, 18},
    {0x63, 1, 19},
    // keyIndex 94: keypad Enter.
    {0x6C, 0, 20},
    // Row 0, keyIndex 95..107: LCtrl, LWin, LAlt, Space, RAlt, Fn (carries the Apps code),
    // Apps, RCtrl, arrows, keypad 0 and period.
    {0xA2, 0, 0},
    {0x5B, 0, 1},
    {0xA4, 0, 2},
    {0x20, 0, 5},
    {0xA5, 0, 9},
    {0x5D, 0, 10},
    {0x5D, 0, 11},
    {0xA3, 0, 13},
    {0x25, 0, 14},
    {0x28, 0, 15},
    {0x27, 0, 16},
    {0x60, 0, 17},
    {0x6E, 0, 19},
}};

constexpr bool EveryKeyIsPlacedOnce() {
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        const KeyPosition& k = kKeyLayout[i];
        if (k.defaultVk == 0 || k.row >= kMatrixRows || k.column >= kMatrixColumns)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kKeyLayout[j].row == k.row && kKeyLayout[j].column == k.column)
                return false;
    }
    return true;
}
static_assert(EveryKeyIsPlacedOnce(), "every key needs a code and its own matrix place");

// Keys the rest of the program singles out by index.
inline constexpr std::size_t kEscKey = 0;
inline constexpr std::size_t kLeftWinKey = 96;
inline constexpr std::size_t kFnKey = 100;
inline constexpr std::size_t kAppsKey = 101;
inline constexpr std::size_t kBackslashKey = 54;

} // namespace hx
