#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowState.h"
#include "ui/panel/PanelSliders.h"

#include <cstdint>
#include <optional>
#include <string>

namespace hx {

// The top of the report-rate section at which its trackbar was last placed; unset until the
// first paint of the expanded section, which therefore places it.
struct RateSliderPlace {
    std::optional<int> sectionTop;
};

// The value text of the response box: "%d ms" of 2 x responseTime.
std::string ResponseBoxText(std::uint8_t responseTime);

// Sections 2 (game mode, Win lock), 3 (response time) and 4 (report rate). The report-rate
// trackbar follows its section and stores its position into reportRate as it is drawn.
void PaintPerformanceSections(Canvas& canvas, const MainWindowState& window, DeviceImage& image,
                              PanelSliders& sliders, RateSliderPlace& rateSlider);

// The click action of hit codes 10, 11 (game mode on, off), 12 (response box), 31 and 32 (Win
// lock on, off). False for any other code. Win lock can only be switched on while game mode is
// on, and game mode switches it along with itself.
bool PerformanceClick(int code, MainWindowState& window, DeviceImage& image);

} // namespace hx
