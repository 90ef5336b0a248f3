#pragma once

namespace hx {

// The program's own window messages, kept as Qt event types under their old numbers.
inline constexpr int WM_TRAY_CALLBACK = 0x405;
inline constexpr int WM_NO_KEYBOARD_NOTICE = 0x406;
inline constexpr int WM_HOOK_KEY = 0x6F3;
inline constexpr int WM_DEVICE_KEY = 0x778;
inline constexpr int WM_SLIDER_CHANGED = 0x779;
inline constexpr int WM_SETTINGS_READ = 0x77B;

inline constexpr int kNoKeyboardNoticeParam = 15;

} // namespace hx
