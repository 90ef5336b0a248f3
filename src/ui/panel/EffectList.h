#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowState.h"
#include "ui/panel/PanelSliders.h"

#include <cstdint>

namespace hx {

// The row of the open effect list under a point, or kNone. The list covers
// 28..248 x 173..492; y = 493 is outside it.
std::uint8_t EffectListRowAt(int x, int y);

// Drawn over every panel section while the list is open.
void PaintEffectList(Canvas& canvas, const MainWindowState& window, PanelSliders& sliders);

void EffectListHover(int x, int y, MainWindowState& window);

// Every click closes the list; a click on a row chooses its effect.
void EffectListClick(int x, int y, MainWindowState& window, DeviceImage& image,
                     PanelSliders& sliders);

} // namespace hx
