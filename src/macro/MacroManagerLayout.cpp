#include "macro/MacroManagerLayout.h"

#include "macro/MacroTexts.h"
#include "ui/controls/HotRect.h"

namespace hx {
namespace {

constexpr std::array<SkinnedButton, kMacroRegionCount> kRegions{{
    {290, 100, 379, 124, "Record-normal.png", "Record-over.png"},
    {368, 168, 382, 182, "Pane.png", "PaneMakingTick.png"},
    {296, 315, 310, 329, "Pane.png", "PaneMakingTick.png"},
    {20, 368, 77, 392, "button-new-normal.png", "button-new-over.png"},
    {80, 368, 137, 392, "button-new-normal.png", "button-new-over.png"},
    {280, 400, 337, 424, "button-new-normal.png", "button-new-over.png"},
    {340, 400, 397, 424, "button-new-normal.png", "button-new-over.png"},
}};

// The buttons whose state is the pointer hovering over them.
constexpr std::array kHoverButtons{kMacroRegionRecord, kMacroRegionNew, kMacroRegionDelete,
                                   kMacroRegionOk, kMacroRegionCancel};

struct Caption {
    std::string_view text;
    int x, y, height;
};
constexpr std::array kHeadings{
    Caption{kTitleText, 16, 9, 18},
    Caption{kMacroListHeading, 32, 60, 15},
    Caption{kEventListHeading, 185, 60, 15},
    Caption{kSettingsHeading, 280, 60, 15},
};
constexpr int kRecordCaptionX = 292;
constexpr int kRecordCaptionY = 103;
constexpr int kRecordCaptionHeight = 14;
constexpr int kDelayLabelX = 290;
constexpr std::array kDelayLabelY{153, 168, 183};
constexpr int kCheckLabelHeight = 15;
constexpr Caption kRepeatCaption{kRepeatLabel, 295, 300, kCheckLabelHeight};
// The captions of regions 3 to 6, in region order.
constexpr int kButtonCaptionHeight = 12;
constexpr std::array kButtonCaptions{
    Caption{kNewText, 35, 375, kButtonCaptionHeight},
    Caption{kDeleteText, 88, 375, kButtonCaptionHeight},
    Caption{kOkText, 282, 406, kButtonCaptionHeight},
    Caption{kCancelText, 344, 406, kButtonCaptionHeight},
};

void Draw(Canvas& canvas, const Caption& c) {
    canvas.DrawLabel(c.text, c.x, c.y, c.height, kLabelColour);
}

bool IsActive(int region, const MacroPointerState& pointer, const MacroPaintFlags& flags) {
    switch (region) {
    case kMacroRegionDelayBox:
        return flags.delayMode;
    case kMacroRegionRepeatBox:
        return flags.repeatEnabled;
    default:
        return pointer.hover[static_cast<std::size_t>(region)];
    }
}

void DrawRegionImage(Canvas& canvas, int region, bool active) {
    const SkinnedButton& r = kRegions[static_cast<std::size_t>(region)];
    canvas.DrawSkinImage(active ? r.active : r.normal, r.left, r.top);
}

void DrawRecordCaption(Canvas& canvas, bool recordingOn) {
    canvas.DrawLabel(recordingOn ? kStopRecordingText : kStartRecordingText, kRecordCaptionX,
                     kRecordCaptionY, kRecordCaptionHeight, kLabelColour);
}

} // namespace

int MacroRegionAt(int x, int y) {
    for (int i = 0; i < kMacroRegionCount; ++i) {
        const SkinnedButton& r = kRegions[static_cast<std::size_t>(i)];
        if (r.Contains(x, y))
            return i;
    }
    return kMacroRegionNone;
}

MacroMouseMove MacroPointerMoved(MacroPointerState& pointer, int x, int y) {
    MacroMouseMove out;
    const int r = MacroRegionAt(x, y);
    if (r == pointer.lastRegion) {
        out.dragWindow = r == kMacroRegionNone;
        return out;
    }
    pointer.lastRegion = r;
    if (r == kMacroRegionDelayBox || r == kMacroRegionRepeatBox)
        return out;
    for (int button : kHoverButtons)
        pointer.hover[static_cast<std::size_t>(button)] = button == r;
    if (r == kMacroRegionNone)
        out.repaint.assign(kHoverButtons.begin(), kHoverButtons.end());
    else
        out.repaint.push_back(r);
    return out;
}

void PaintMacroManager(Canvas& canvas, const MacroPointerState& pointer,
                       const MacroPaintFlags& flags) {
    canvas.DrawSkinImage(kMacroBackground, 0, 0);
    for (const Caption& c : kHeadings)
        Draw(canvas, c);
    DrawRegionImage(canvas, kMacroRegionRecord, IsActive(kMacroRegionRecord, pointer, flags));
    DrawRecordCaption(canvas, flags.recordingOn);
    for (std::size_t i = 0; i < kDelayBoxLabel.size(); ++i)
        canvas.DrawLabel(kDelayBoxLabel[i], kDelayLabelX, kDelayLabelY[i], kCheckLabelHeight,
                         kLabelColour);
    DrawRegionImage(canvas, kMacroRegionRepeatBox, flags.repeatEnabled);
    Draw(canvas, kRepeatCaption);
    for (int region = kMacroRegionNew; region <= kMacroRegionCancel; ++region) {
        DrawRegionImage(canvas, region, IsActive(region, pointer, flags));
        Draw(canvas, kButtonCaptions[static_cast<std::size_t>(region - kMacroRegionNew)]);
    }
    DrawRegionImage(canvas, kMacroRegionDelayBox, flags.delayMode);
}

void PaintMacroRegion(Canvas& canvas, int region, const MacroPointerState& pointer,
                      const MacroPaintFlags& flags) {
    if (region < 0 || region >= kMacroRegionCount)
        return;
    DrawRegionImage(canvas, region, IsActive(region, pointer, flags));
    for (const Caption& c : kButtonCaptions)
        Draw(canvas, c);
    if (region == kMacroRegionRecord)
        DrawRecordCaption(canvas, flags.recordingOn);
}

} // namespace hx
