#include "ui/panel/PerformanceSections.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/main/MainLayout.h"

#include <cstdio>
#include <string>

namespace hx {
namespace {

constexpr int kLabel = 15;

// A radio pair at y: the "on" image at onX, the "off" image at offX; "Enable.png" marks the
// chosen one.
void PaintRadioPair(Canvas& canvas, bool on, int onX, int offX, int y) {
    canvas.DrawSkinImage(on ? "Enable.png" : "Disable.png", onX, y);
    canvas.DrawSkinImage(on ? "Disable.png" : "Enable.png", offX, y);
}

void PaintGameSection(Canvas& canvas, bool collapsed, const DeviceImage& image, int g) {
    if (collapsed) {
        canvas.DrawSkinImage("gamemode_Close.png", 19, g);
        canvas.DrawLabel("Режим гри", 19, g, kLabel, kLabelColour);
        canvas.DrawLabel("Режим WIN LOCK", 149, g, kLabel, kLabelColour);
        return;
    }
    canvas.DrawSkinImage("gamemode_open.png", 19, g);
    canvas.DrawLabel("Режим гри", 19, g, kLabel, kLabelColour);
    PaintRadioPair(canvas, image.at(image::kGameMode) != 0, 34, 88, g + 33);
    canvas.DrawLabel("ввімк", 51, g + 31, kLabel, kLabelColour);
    canvas.DrawLabel("вимк", 105, g + 31, kLabel, kLabelColour);
    canvas.DrawLabel("Режим WIN LOCK", 149, g, kLabel, kLabelColour);
    PaintRadioPair(canvas, image.at(image::kWinLock) != 0, 164, 218, g + 33);
    canvas.DrawLabel("ввімк", 181, g + 31, kLabel, kLabelColour);
    canvas.DrawLabel("вимк", 235, g + 31, kLabel, kLabelColour);
}

void PaintResponseSection(Canvas& canvas, bool collapsed, const DeviceImage& image, int q) {
    canvas.DrawSkinImage(collapsed ? "responsetime_close.png" : "responsetime_open.png", 19, q);
    canvas.DrawLabel("Час відповіді кнопки", 19, q, kLabel, kLabelColour);
    if (collapsed) {
        return;
    }
    canvas.DrawSkinImage("Light_Item.png", 28, q + 28);
    canvas.DrawLabel(ResponseBoxText(image.at(image::kResponseTime)), 100, q + 28, kLabel,
                     kLabelColour);
}

void PaintRateSection(Canvas& canvas, bool collapsed, int r, PanelSliders& sliders,
                      RateSliderPlace& place) {
    canvas.DrawSkinImage(collapsed ? "reportrate_Close.png" : "reportrate_Open.png", 19, r);
    canvas.DrawLabel("Частота опитування USB", 19, r, kLabel, kLabelColour);
    if (collapsed) {
        sliders.Show(kReportRateSliderId, false);
        return;
    }
    if (place.sectionTop != r) {
        sliders.PlaceReportRate(r + 23);
        place.sectionTop = r;
    }
    sliders.DrawSlider(canvas, kReportRateSliderId);
    sliders.Show(kReportRateSliderId, true);
}

} // namespace

std::string ResponseBoxText(std::uint8_t responseTime) {
    char text[16];
    std::snprintf(text, sizeof text, "%d ms", 2 * responseTime);
    return text;
}

void PaintPerformanceSections(Canvas& canvas, const MainWindowState& window, DeviceImage& image,
                              PanelSliders& sliders, RateSliderPlace& rateSlider) {
    const PanelLayout layout = ComputePanelLayout(window);
    PaintGameSection(canvas, window.gameCollapsed, image, layout.gameTop);
    PaintResponseSection(canvas, window.responseCollapsed, image, layout.responseTop);
    PaintRateSection(canvas, window.rateCollapsed, layout.rateTop, sliders, rateSlider);
}

bool PerformanceClick(int code, MainWindowState& window, DeviceImage& image) {
    std::uint8_t& gameMode = image.at(image::kGameMode);
    std::uint8_t& winLock = image.at(image::kWinLock);
    switch (code) {
    case kHitGameOn:
        if (gameMode == 0) {
            gameMode = 1;
            winLock = 1;
        }
        return true;
    case kHitGameOff:
        gameMode = 0;
        winLock = 0;
        return true;
    case kHitWinLockOn:
        if (gameMode == 1) {
            winLock = 1;
        }
        return true;
    case kHitWinLockOff:
        winLock = 0;
        return true;
    case kHitResponseBox:
        window.responseListOpen = true;
        return true;
    default:
        return false;
    }
}

} // namespace hx
