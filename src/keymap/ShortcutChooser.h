#pragma once

#include "keymap/AssignmentResult.h"
#include "platform/UiServices.h"

#include <cstddef>

namespace hx {

// What the chooser of an advanced-page row asks the system for: an open-file dialog offering
// only the row's files, or the folder browser titled "modification path".
FileDialogRequest ShortcutChooserRequest(std::size_t row);

// Runs the chooser of row `row`. True when the user picked a path that can be stored: then
// result.chosenPath holds it and result.assignType is the row's kind. False when the chooser
// was cancelled or the path was refused (with a message box saying why); `result` is unchanged.
bool ChooseShortcutPath(std::size_t row, UiServices& ui, AssignmentResult& result);

} // namespace hx
