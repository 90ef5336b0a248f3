#pragma once

#include "common/Result.h"
#include "config/AppState.h"
#include "keymap/AssignmentResult.h"

#include <cstddef>

namespace hx {

// Turns the assignment dialog's result into the key's KeyRecord and its RemapEntry in
// KeyRemapTable; a macro assignment also refills DeviceMacroSlots, Reset sets the key's enable
// bit and result.keyEnabled. Marks keyCustomised[selectedKey] for assignments that change the key.
// Memory only: nothing is sent and nothing is saved (CommitKeyAssignment saves). A selectedKey that
// is not one of the 108 keys changes nothing.
void EncodeAssignment(AppState& state, std::size_t selectedKey, AssignmentResult& result);

// The main window's sequence after the dialog closed with OK:
// keyCustomised = 0, EncodeAssignment, the enable rule (keyEnabled 1 sets the key's enable bit,
// 0 clears it and marks the key customised), then keymap.bin from the live blocks. Returns the
// save's status; memory stays changed when the file cannot be written.
Status CommitKeyAssignment(AppState& state, std::size_t selectedKey, AssignmentResult& result);

} // namespace hx
