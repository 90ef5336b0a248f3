#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowState.h"
#include "ui/panel/PanelSliders.h"

namespace hx {

// Section 1 of the settings panel. Besides drawing, it writes back the normalised colour choice
// (8 in the grey-cell modes) and, through the sliders, the speed and brightness.
void PaintLightingSection(Canvas& canvas, const MainWindowState& window, DeviceImage& image,
                          PanelSliders& sliders);

} // namespace hx
