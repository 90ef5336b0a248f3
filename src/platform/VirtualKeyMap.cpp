#include "platform/VirtualKeyMap.h"

#include <array>
#include <optional>
#include <span>

namespace hx {
namespace {

struct KeyCode {
    int key; // Qt key number or XKB key code
    std::uint8_t vk;
};

// Keys that carry the keypad modifier. Without Num Lock the keypad sends navigation keys, which
// share their codes with the navigation block.
constexpr std::array<KeyCode, 26> kKeypadKeys{{
    {'0', 0x60},
    {'1', 0x61},
    {'2', 0x62},
    {'3', 0x63},
    {'4', 0x64},
    {'5', 0x65},
    {'6', 0x66},
    {'7', 0x67},
    {'8', 0x68},
    {'9', 0x69},
    {'*', 0x6A},
    {'+', 0x6B},
    {qtkey::kEnter, 0x6C},
    {'-', 0x6D},
    {'.', 0x6E},
    {',', 0x6E},
    {'/', 0x6F},
    {qtkey::kInsert, 0x2D},
    {qtkey::kDelete, 0x2E},
    {qtkey::kHome, 0x24},
    {qtkey::kEnd, 0x23},
    {qtkey::kPageUp, 0x21},
    {qtkey::kPageDown, 0x22},
    {qtkey::kClear, 0x0C},
    {qtkey::kNumLock, 0x90},
    {qtkey::kReturn, 0x6C},
}};

// Keys other than letters, digits and function keys. Shifted symbols are those of the US layout
// and give the code of the key that carries them.
constexpr std::array<KeyCode, 70> kNamedKeys{{
    {qtkey::kEscape, 0x1B},
    {qtkey::kTab, 0x09},
    {qtkey::kBacktab, 0x09},
    {qtkey::kBackspace, 0x08},
    {qtkey::kReturn, 0x0D},
    {qtkey::kEnter, 0x6C},
    {qtkey::kInsert, 0x2D},
    {qtkey::kDelete, 0x2E},
    {qtkey::kPause, 0x13},
    {qtkey::kPrint, 0x2C},
    {qtkey::kSysReq, 0x2C},
    {qtkey::kClear, 0x0C},
    {qtkey::kHome, 0x24},
    {qtkey::kEnd, 0x23},
    {qtkey::kLeft, 0x25},
    {qtkey::kUp, 0x26},
    {qtkey::kRight, 0x27},
    {qtkey::kDown, 0x28},
    {qtkey::kPageUp, 0x21},
    {qtkey::kPageDown, 0x22},
    {qtkey::kCapsLock, 0x14},
    {qtkey::kNumLock, 0x90},
    {qtkey::kScrollLock, 0x91},
    {qtkey::kSuperL, 0x5B},
    {qtkey::kSuperR, 0x5C},
    {qtkey::kMenu, 0x5D},
    {qtkey::kAltGr, 0xA5},
    {qtkey::kVolumeDown, 0xAE},
    {qtkey::kVolumeMute, 0xAD},
    {qtkey::kVolumeUp, 0xAF},
    {qtkey::kMediaNext, 0xB0},
    {qtkey::kMediaPrevious, 0xB1},
    {qtkey::kMediaStop, 0xB2},
    {qtkey::kMediaPlay, 0xB3},
    {qtkey::kMediaPause, 0xB3},
    {qtkey::kMediaTogglePlayPause, 0xB3},
    {qtkey::kLaunchMedia, 0xB5},
    {' ', 0x20},
    {';', 0xBA},
    {':', 0xBA},
    {'=', 0xBB},
    {'+', 0xBB},
    {',', 0xBC},
    {'<', 0xBC},
    {'-', 0xBD},
    {'_', 0xBD},
    {'.', 0xBE},
    {'>', 0xBE},
    {'/', 0xBF},
    {'?', 0xBF},
    {'`', 0xC0},
    {'~', 0xC0},
    {'[', 0xDB},
    {'{', 0xDB},
    {'\\', 0xDC},
    {'|', 0xDC},
    {']', 0xDD},
    {'}', 0xDD},
    {'\'', 0xDE},
    {'"', 0xDE},
    {')', 0x30},
    {'!', 0x31},
    {'@', 0x32},
    {'#', 0x33},
    {'$', 0x34},
    {'%', 0x35},
    {'^', 0x36},
    {'&', 0x37},
    {'*', 0x38},
    {'(', 0x39},
}};

// Modifiers Qt names once for both sides; the XKB key code of the right-hand key tells them
// apart.
struct SidedKey {
    int key;
    std::uint8_t leftVk, rightVk;
    std::uint32_t rightXkb;
};
constexpr std::array<SidedKey, 4> kSidedKeys{{
    {qtkey::kShift, 0xA0, 0xA1, 62},
    {qtkey::kControl, 0xA2, 0xA3, 105},
    {qtkey::kAlt, 0xA4, 0xA5, 108},
    {qtkey::kMeta, 0x5B, 0x5C, 134},
}};

// Key places of the US layout by XKB key code (the kernel's key code plus 8), for layouts whose
// characters are not in the tables above; Windows gives such keys the code of the US key.
constexpr std::array<KeyCode, 47> kKeysByPlace{{
    {10, 0x31}, {11, 0x32}, {12, 0x33}, {13, 0x34}, {14, 0x35}, {15, 0x36}, {16, 0x37}, {17, 0x38},
    {18, 0x39}, {19, 0x30}, {20, 0xBD}, {21, 0xBB}, {24, 'Q'},  {25, 'W'},  {26, 'E'},  {27, 'R'},
    {28, 'T'},  {29, 'Y'},  {30, 'U'},  {31, 'I'},  {32, 'O'},  {33, 'P'},  {34, 0xDB}, {35, 0xDD},
    {38, 'A'},  {39, 'S'},  {40, 'D'},  {41, 'F'},  {42, 'G'},  {43, 'H'},  {44, 'J'},  {45, 'K'},
    {46, 'L'},  {47, 0xBA}, {48, 0xDE}, {49, 0xC0}, {51, 0xDC}, {52, 'Z'},  {53, 'X'},  {54, 'C'},
    {55, 'V'},  {56, 'B'},  {57, 'N'},  {58, 'M'},  {59, 0xBC}, {60, 0xBE}, {61, 0xBF},
}};

std::optional<std::uint8_t> Find(std::span<const KeyCode> table, int key) {
    for (const KeyCode& entry : table) {
        if (entry.key == key) {
            return entry.vk;
        }
    }
    return std::nullopt;
}

} // namespace

std::uint8_t VirtualKeyOf(const KeyStroke& stroke) {
    const int key = stroke.qtKey;
    if (stroke.keypad) {
        if (const auto vk = Find(kKeypadKeys, key)) {
            return *vk;
        }
    }
    for (const SidedKey& sided : kSidedKeys) {
        if (sided.key == key) {
            const bool right = stroke.scanCodeIsXkb && stroke.scanCode == sided.rightXkb;
            return right ? sided.rightVk : sided.leftVk;
        }
    }
    // Letters, digits and F1 to F24 lie in one run each, as the Windows codes do.
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return static_cast<std::uint8_t>(key);
    }
    if (key >= qtkey::kF1 && key <= qtkey::kF24) {
        return static_cast<std::uint8_t>(0x70 + (key - qtkey::kF1));
    }
    if (const auto vk = Find(kNamedKeys, key)) {
        return *vk;
    }
    if (stroke.scanCodeIsXkb && stroke.scanCode <= 0xFF) {
        if (const auto vk = Find(kKeysByPlace, static_cast<int>(stroke.scanCode))) {
            return *vk;
        }
    }
    return 0;
}

} // namespace hx
