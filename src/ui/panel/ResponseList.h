#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowState.h"
#include "ui/panel/PanelSliders.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace hx {

// Row i stores responseTime i + 1 and shows twice that, without a space before the unit.
inline constexpr std::array<std::string_view, 10> kResponseCaptions{
    "2ms", "4ms", "6ms", "8ms", "10ms", "12ms", "14ms", "16ms", "18ms", "20ms"};

// The row of the open response-time list under a point, or kNone. The list's top follows the
// lighting section (T = lightingHeight + 47) and covers 27..247 x T..T + 199.
std::uint8_t ResponseListRowAt(int x, int y, const MainWindowState& window);

// Drawn over everything else in the panel, after the effect list.
void PaintResponseList(Canvas& canvas, const MainWindowState& window, PanelSliders& sliders);

void ResponseListHover(int x, int y, MainWindowState& window);

// Every click closes the list; a click on a row stores its value.
void ResponseListClick(int x, int y, MainWindowState& window, DeviceImage& image);

} // namespace hx
