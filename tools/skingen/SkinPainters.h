#pragma once

#include "ui/controls/SkinManifest.h"

#include <QImage>

#include <string_view>
#include <vector>

namespace skin {

// What painters share: the main window's background, drawn first, so that an image placed on it
// can carry the exact pixels it will cover.
struct SkinContext {
    QImage mainBackground;

    // The block of the main background under an image drawn at (x, y).
    QImage Backdrop(int x, int y, int width, int height) const;
};

using Painter = QImage (*)(const SkinContext& context, int width, int height);

struct PainterEntry {
    hx::SkinFolder folder;
    std::string_view name;
    Painter paint;
};

QImage PaintMainBackground(int width, int height);

void AddMainWindowPainters(std::vector<PainterEntry>& painters);
void AddKeyboardPainters(std::vector<PainterEntry>& painters);
void AddDialogPainters(std::vector<PainterEntry>& painters);

// The compiled-in bitmaps, by resource number (the application icon at 256 pixels).
QImage PaintBitmap(hx::BitmapId id, int width, int height);
QImage PaintApplicationIcon(int size);

} // namespace skin
