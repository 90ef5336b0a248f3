#pragma once

#include "config/AppState.h"
#include "platform/UiServices.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowState.h"

#include <cstdint>

namespace hx {

// The key under a main-window point, or kNone. In keymap mode the Windows and Fn keys cannot
// be chosen.
std::uint8_t KeyHitTest(int x, int y, bool perKeyColourMode);

// Keymap mode: the hovered key and every customised key copied from the highlighted picture.
void PaintKeymapOverlay(Canvas& canvas, std::uint8_t selectedKey, AppState& state);

// Per-key colour mode: each coloured key filled, its caption in the inverse colour, and a white
// frame round the hovered key.
void PaintColourOverlay(Canvas& canvas, std::uint8_t selectedKey, AppState& state);

// The colour of key k in the table of effect mode `mode` (51..55), as 0xRRGGBB.
std::uint32_t PerKeyColour(const DeviceImage& image, std::uint8_t mode, std::size_t key);

// A click on key k in per-key colour mode: the colour dialog, and the key's entry on OK.
// Nothing outside modes 51..55.
void PerKeyColourClick(std::size_t key, AppState& state, UiServices& ui);

// Rebuilds which keys no longer do what they did from the factory.
void RecomputeCustomised(AppState& state);

} // namespace hx
