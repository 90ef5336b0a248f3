#pragma once

#include "platform/UiServices.h"

#include <vector>

namespace hx {

// The event list's context menu, items and sub-menus in their order, with the command ids that
// MacroManager::RunMenuCommand takes.
std::vector<MenuEntry> MacroEventMenu();

} // namespace hx
