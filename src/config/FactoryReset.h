#pragma once

#include "config/AppState.h"
#include "device/DeviceLink.h"

namespace hx {

// RESET_TO_FACTORY, then game mode on twice, each followed by its settling pause. No
// acknowledgement is awaited.
Status FactoryReset(DeviceLink::Session& session);

struct ResetOutcome {
    Status device;     // the keyboard's part; on failure the local state is untouched
    Status keymapFile; // keymap.bin; when it failed the snapshots were left alone
    bool connected = true;
};

// The whole reset after the user confirmed it: the keyboard is reset and read back, the local
// key table is emptied, and when keymap.bin could be written the snapshots follow.
ResetOutcome ResetKeyboardAndState(DeviceLink& link, AppState& state);

} // namespace hx
