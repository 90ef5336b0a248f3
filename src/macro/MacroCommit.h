#pragma once

#include "common/Result.h"
#include "config/AppState.h"

namespace hx {

// What the main window does after the macro manager closed with OK and put its library into
// `state.macroLibrary`: fills the device slots from it, then writes keymap.bin from the live
// image and key table, then MacroDefine.bin. Nothing goes to the keyboard here; the slots go out
// with the next apply. Both files are written even when the first fails; the first failure is
// returned.
Status CommitMacroLibrary(AppState& state);

} // namespace hx
