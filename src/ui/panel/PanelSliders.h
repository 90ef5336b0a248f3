#pragma once

#include "ui/controls/Canvas.h"

namespace hx {

// The three trackbars of the main window (ids kSpeedSliderId, kBrightnessSliderId,
// kReportRateSliderId of ui/controls/BitSliderModel.h) as the panel painters use them. The
// window owns the real controls and implements this.
class PanelSliders {
public:
    virtual ~PanelSliders() = default;
    virtual void Show(int id, bool visible) = 0;
    // Draws slider `id` from its channel bitmaps and thumb, storing its position into the
    // setting it edits, as the free function DrawSlider of BitSliderModel.h does.
    virtual void DrawSlider(Canvas& canvas, int id) = 0;
    // Moves the report-rate trackbar to (28, top), 30 by 10, then sizes it to its channel
    // image again (SetUpSlider).
    virtual void PlaceReportRate(int top) = 0;
};

} // namespace hx
