#include "profile/ProfileDialogLayout.h"

#include "profile/ProfileTexts.h"
#include "ui/controls/HotRect.h"

#include <array>

namespace hx {
namespace {

constexpr int kTitleHeight = 15;
constexpr int kButtonLabelHeight = 16;

struct ClickRegion {
    HotRect rect;
    ProfileClick click;
};
constexpr std::array kRegions{
    ClickRegion{{248, 11, 262, 24}, ProfileClick::kClose},
    ClickRegion{{14, 576, 79, 624}, ProfileClick::kNew},
    ClickRegion{{184, 576, 249, 624}, ProfileClick::kDelete},
};

} // namespace

ProfileClick ProfileDialogHitTest(int x, int y) {
    for (const ClickRegion& r : kRegions) {
        if (r.rect.Contains(x, y))
            return r.click;
    }
    return ProfileClick::kNone;
}

void PaintProfileDialog(Canvas& canvas) {
    canvas.DrawLabel(kProfileTitle, 10, 10, kTitleHeight, kLabelColour);
    canvas.DrawSkinImage("button-close-normal.png", 247, 10);
    canvas.DrawSkinImage("New.png", 13, 575);
    canvas.DrawLabel("Новий", 30, 578, kButtonLabelHeight, kLabelColour);
    canvas.DrawSkinImage("Delete.png", 183, 575);
    canvas.DrawLabel("Видалити", 200, 578, kButtonLabelHeight, kLabelColour);
}

} // namespace hx
