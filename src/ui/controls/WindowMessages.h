#pragma once

namespace hx {

// The program's own window messages, kept as Qt event types under their old numbers.
inline constexpr int WM_TRAY_CALLBACK = 0x405;
inline constexpr int WM_NO_KEYBOARD_NOTICE = 0x406;
inline constexpr int WM_HOOK_KEY = 0x6F3;
inline constexpr int WM_LISTBOX_EDIT_START = 0x6F4;
inline constexpr int WM_LISTBOX_ITEM_EDITED = 0x6F5;
inline constexpr int WM_DEVICE_KEY = 0x778;
inline constexpr int WM_SLIDER_CHANGED = 0x779;
inline constexpr int WM_SETTINGS_READ = 0x77B;
// lParam: a `const QString*` to the line's old text, valid while the message is being sent.
inline constexpr int WM_LISTBOX_ITEM_CHANGED = 0x8840;
// wParam: 1 commit, 0 cancel.
inline constexpr int WM_EDIT_HELPER_DONE = 0x8841;

inline constexpr int kNoKeyboardNoticeParam = 15;

} // namespace hx
