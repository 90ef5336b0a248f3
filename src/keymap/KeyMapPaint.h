#pragma once

#include "keymap/KeyMapController.h"
#include "ui/controls/Canvas.h"

namespace hx {

// Everything the key-assignment dialog draws over its background "Custom_BK.png": caption,
// close button and tabs, the page, the tick box, Reset, Cancel and Save with their texts.
void PaintKeyMap(Canvas& canvas, const KeyMapController& dialog);

// The tab strip with the current tab's marker and the tab labels, then the page's own drawing;
// drawn alone over the shown picture after a tab click.
void PaintKeyMapPage(Canvas& canvas, const KeyMapController& dialog);

// The tick box and its label alone, over the shown picture, after a click on it.
void PaintTickBox(Canvas& canvas, const KeyMapController& dialog);

// The advanced page's browse buttons after the pointer moved: the highlighted one over the
// button the pointer is on, or all four plain when it is on none.
void PaintBrowseButtons(Canvas& canvas, const KeyMapController& dialog);

// The path as the advanced page shows it, UTF-8.
std::string AdvancedPathText(const std::u16string& path);

} // namespace hx
