#pragma once

#include "config/DeviceImage.h"
#include "platform/UiServices.h"
#include "ui/main/MainWindowState.h"
#include "ui/panel/PanelSliders.h"

namespace hx {

// The click action of a lighting-section hit code: 3 (effect box), 4..7 (direction cells),
// 8 (brightness row), 22..29 (colour cells), 33 and 34 (Keymap / DIY choice). False for any
// other code, which is left to its owner.
bool LightingClick(int code, MainWindowState& window, DeviceImage& image, PanelSliders& sliders,
                   UiServices& ui);

} // namespace hx
