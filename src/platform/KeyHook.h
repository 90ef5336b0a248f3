#pragma once

#include <cstdint>
#include <optional>

class QObject;

namespace hx {

// Reports key strokes to one window as posted WM_HOOK_KEY messages (wParam the virtual-key
// code, lParam bit 31 set for a release) while it is installed.
class KeyHook {
public:
    virtual ~KeyHook() = default;
    // Mode 0 reports each key stroke once, as its press; mode 1 reports every press, held-key
    // repeats included, and every release. False for any other mode or no window.
    virtual bool installhook(QObject* window, int mode) = 0;
    virtual void removehook() = 0;
};

inline constexpr int kHookStrokes = 0;
inline constexpr int kHookPressesAndReleases = 1;

// lParam of a reported key, laid out as a keyboard message's: repeat count 1 in bits 0 to 15,
// bit 30 the key was already down, bit 31 the key is being released.
inline constexpr std::intptr_t kHookPressParam = 0x00000001;
inline constexpr std::intptr_t kHookRepeatParam = 0x40000001;
inline constexpr std::intptr_t kHookReleaseParam = 0xC0000001;
inline constexpr std::intptr_t kHookReleaseBit = 0x80000000;

struct HookMessage {
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const HookMessage&, const HookMessage&) = default;
};

// What the hook posts for one key event in `mode`, if anything. Keys without a virtual-key code
// are not reported; neither are releases of held-key repeats, which the keyboard never sends.
std::optional<HookMessage> HookMessageFor(int mode, bool press, bool autoRepeat,
                                          std::uint8_t virtualKey);

} // namespace hx
