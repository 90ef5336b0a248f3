#pragma once

#include "config/AppState.h"
#include "platform/Shell.h"
#include "platform/UiServices.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowState.h"

namespace hx {

inline constexpr const char* kHomePageUrl = "https://hxtr720.example.org/";
inline constexpr const char* kHomePageHost = "hxtr720.example.org";

// Drawn over the main window's top-right corner while it is visible.
void PaintHelpWindow(Canvas& canvas);

// Any click closes the help window; row 0 opens the home page, row 1 starts the updater when
// the versions allow it.
void HelpWindowClick(int x, int y, MainWindowState& window, const AppState& state, UiServices& ui,
                     Shell& shell);

} // namespace hx
