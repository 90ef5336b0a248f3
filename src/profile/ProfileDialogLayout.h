#pragma once

#include "ui/controls/Canvas.h"

namespace hx {

// The profile manager's skin background; it also sets the dialog's size.
inline constexpr const char* kProfileBackground = "Config.png";

// Where the profile list sits, and how it writes its lines.
struct ProfileListPlace {
    int x, y, width, height;
};
inline constexpr ProfileListPlace kProfileListPlace{1, 34, 260, 540};
inline constexpr const char* kProfileListFont = "Arial";
inline constexpr int kProfileListFontHeight = 15;
inline constexpr Colour kProfileListTextColour = 0xFFFFFF;
inline constexpr Colour kProfileListSelectedColour = 0xFFFF00;
inline constexpr Colour kProfileListShadowColour = 0x000000;
inline constexpr int kProfileListShadowOffset = 2;

// The dialog opens one pixel left of and above the main window's top-left corner.
inline constexpr int kProfileDialogOffset = -1;

enum class ProfileClick { kNone, kClose, kNew, kDelete };

// A left-button release at (x, y) in the dialog: the close button, New or Delete.
ProfileClick ProfileDialogHitTest(int x, int y);

// Everything drawn over the background: title, close button, New and Delete with their labels.
void PaintProfileDialog(Canvas& canvas);

} // namespace hx
