#pragma once

#include <cstdint>

namespace hx {

// The key numbers of Qt's key events that the map understands, written out so that the map
// needs no Qt header. They are Qt's published values; QtKeyHook checks each against Qt::Key.
namespace qtkey {
inline constexpr int kEscape = 0x01000000;
inline constexpr int kTab = 0x01000001;
inline constexpr int kBacktab = 0x01000002;
inline constexpr int kBackspace = 0x01000003;
inline constexpr int kReturn = 0x01000004;
inline constexpr int kEnter = 0x01000005; // the keypad's Enter
inline constexpr int kInsert = 0x01000006;
inline constexpr int kDelete = 0x01000007;
inline constexpr int kPause = 0x01000008;
inline constexpr int kPrint = 0x01000009;
inline constexpr int kSysReq = 0x0100000a;
inline constexpr int kClear = 0x0100000b;
inline constexpr int kHome = 0x01000010;
inline constexpr int kEnd = 0x01000011;
inline constexpr int kLeft = 0x01000012;
inline constexpr int kUp = 0x01000013;
inline constexpr int kRight = 0x01000014;
inline constexpr int kDown = 0x01000015;
inline constexpr int kPageUp = 0x01000016;
inline constexpr int kPageDown = 0x01000017;
inline constexpr int kShift = 0x01000020;
inline constexpr int kControl = 0x01000021;
inline constexpr int kMeta = 0x01000022;
inline constexpr int kAlt = 0x01000023;
inline constexpr int kCapsLock = 0x01000024;
inline constexpr int kNumLock = 0x01000025;
inline constexpr int kScrollLock = 0x01000026;
inline constexpr int kF1 = 0x01000030;
inline constexpr int kF24 = 0x01000047;
inline constexpr int kSuperL = 0x01000053;
inline constexpr int kSuperR = 0x01000054;
inline constexpr int kMenu = 0x01000055;
inline constexpr int kVolumeDown = 0x01000070;
inline constexpr int kVolumeMute = 0x01000071;
inline constexpr int kVolumeUp = 0x01000072;
inline constexpr int kMediaPlay = 0x01000080;
inline constexpr int kMediaStop = 0x01000081;
inline constexpr int kMediaPrevious = 0x01000082;
inline constexpr int kMediaNext = 0x01000083;
inline constexpr int kMediaPause = 0x01000085;
inline constexpr int kMediaTogglePlayPause = 0x01000086;
inline constexpr int kLaunchMedia = 0x010000a1;
inline constexpr int kAltGr = 0x01001103;
} // namespace qtkey

// One key event as the hook sees it.
struct KeyStroke {
    int qtKey = 0;       // Qt's key number; characters are their (upper-case) code
    bool keypad = false; // Qt's keypad modifier was set
    std::uint32_t scanCode = 0;
    bool scanCodeIsXkb = false; // scanCode is an XKB key code (X11 and Wayland), else ignored
};

// The Windows virtual-key code of a key event, 0 when the key has none. Keypad keys get their
// own codes (0x60 to 0x6F, keypad Enter 0x6C); left and right modifiers are told apart by the
// scan code and count as left without one; shifted symbols of the US layout give the code of
// their key; keys of other layouts (Cyrillic letters) fall back to the key's place, by scan code.
std::uint8_t VirtualKeyOf(const KeyStroke& stroke);

} // namespace hx
