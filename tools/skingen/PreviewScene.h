#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/Canvas.h"

namespace skin {

// One state of the main window to show: lighting mode 3 (wave, with direction buttons),
// a hovered key and a few customised keys, every section open.
struct PreviewState {
    int speed = 6;
    int brightness = 38;
    int reportRate = 3;
    int hoveredKey = 44;        // "E"
    bool perKeyColours = false; // DIY picture instead of the keymap highlights
};

// Draws the main window's picture the way its paint does (after the background, which is the
// back buffer itself): title buttons, logo, keyboard picture and overlays, bottom buttons and
// labels, the settings panel with its sliders. About thirty images and thirty labels.
void ComposeMainWindow(hx::Canvas& canvas, hx::DeviceImage& image, const PreviewState& state);

// The three dialogs, each onto a back buffer of its own background.
void ComposeKeyAssignment(hx::Canvas& canvas);
void ComposeMacroManager(hx::Canvas& canvas);
void ComposeProfileManager(hx::Canvas& canvas);

} // namespace skin
