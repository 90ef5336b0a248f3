#include "macro/MacroCommit.h"

#include "config/LocalFiles.h"
#include "macro/MacroLibrary.h"

namespace hx {

Status CommitMacroLibrary(AppState& state) {
    FillDeviceMacroSlots(state.macroLibrary, state.image);
    const Status keymap = SaveKeymapFromLive(state);
    const Status macros = SaveMacroLibrary(state);
    return keymap.ok() ? macros : keymap;
}

} // namespace hx
