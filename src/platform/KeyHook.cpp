#include "platform/KeyHook.h"

namespace hx {

std::optional<HookMessage> HookMessageFor(int mode, bool press, bool autoRepeat,
                                          std::uint8_t virtualKey) {
    if (virtualKey == 0) {
        return std::nullopt;
    }
    if (mode == kHookStrokes) {
        // A combination is built from consecutive reports, so each stroke counts once.
        if (!press || autoRepeat) {
            return std::nullopt;
        }
        return HookMessage{virtualKey, kHookPressParam};
    }
    if (!press) {
        if (autoRepeat) {
            return std::nullopt;
        }
        return HookMessage{virtualKey, kHookReleaseParam};
    }
    return HookMessage{virtualKey, autoRepeat ? kHookRepeatParam : kHookPressParam};
}

} // namespace hx
