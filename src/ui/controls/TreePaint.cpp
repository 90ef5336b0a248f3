#include "ui/controls/TreePaint.h"

#include <algorithm>

namespace hx {
namespace {

void PaintBackground(ControlCanvas& canvas, const TreeLook& look, const TreeFrame& frame) {
    const TreeVirtualArea& a = frame.area;
    const PixelRect whole{a.originX, a.originY, a.originX + a.width, a.originY + a.height};
    if (look.backgroundMode == kTreeSolid) {
        canvas.FillCell(0, 0, frame.clientWidth, frame.clientHeight, kTreeSolidBackground);
        return;
    }
    if (look.backgroundMode == kTreeBitmap && look.bitmapsLoaded) {
        if (!look.tileBackground) {
            canvas.DrawBitmapStretched(BitmapId::PressIcon, whole);
            return;
        }
        // Both bounds inclusive, so the last row and column may stick out past the area.
        const SourceRect tile{0, 0, kTreeBackgroundWidth, kTreeBackgroundHeight};
        for (int row = 0; row <= a.height / kTreeBackgroundHeight; ++row) {
            for (int column = 0; column <= a.width / kTreeBackgroundWidth; ++column) {
                canvas.DrawBitmapPart(BitmapId::PressIcon, tile,
                                      a.originX + column * kTreeBackgroundWidth,
                                      a.originY + row * kTreeBackgroundHeight);
            }
        }
        return;
    }
    canvas.FillGradient(whole, look.gradientFrom, look.gradientTo, look.gradientHorizontal);
}

} // namespace

TreeVirtualArea ComputeTreeVirtualArea(int clientWidth, int clientHeight, int itemHeight,
                                       std::optional<TreeScroll> horizontal,
                                       std::optional<TreeScroll> vertical) {
    TreeVirtualArea area{0, 0, clientWidth, clientHeight};
    if (horizontal) {
        area.originX = -horizontal->position;
        area.width = std::max(horizontal->maximum + 1, clientWidth);
    }
    if (vertical) {
        // 0 to 100 is the range a scroll bar reports when it is not in use.
        const int maximum =
            (vertical->minimum == 0 && vertical->maximum == 100) ? 0 : vertical->maximum;
        area.originY = -(itemHeight * vertical->position);
        area.height = std::max(clientHeight, (itemHeight + 1) * (maximum + 2));
    }
    return area;
}

void PaintTree(ControlCanvas& canvas, const TreeLook& look, const TreeFrame& frame,
               std::span<const TreeRow> rows) {
    PaintBackground(canvas, look, frame);
    const int bandRight = frame.area.originX + frame.area.width;
    const bool selectionShown = frame.hasFocus || frame.showSelectionAlways;
    for (const TreeRow& row : rows) {
        if (!row.textRect) {
            continue;
        }
        PixelRect r = *row.textRect;
        r.left += kTreeTextShift;
        r.right += kTreeTextShift;
        if (row.selected && selectionShown) {
            canvas.FillCell(0, r.top, bandRight, r.bottom, kTreeSelectionBand);
        }
        if (row.hasChildren && look.bitmapsLoaded) {
            const BitmapId glyph =
                row.expanded ? BitmapId::TreeExpandedGlyph : BitmapId::TreeCollapsedGlyph;
            canvas.DrawBitmapPart(glyph, {0, 0, kTreeGlyphSize, kTreeGlyphSize},
                                  r.left - kTreeGlyphSize - 2, r.top + 4);
        }
        canvas.DrawText(row.text, {r.left, r.top + 1, r.right, r.bottom - 1}, kTreeTextColour);
    }
}

} // namespace hx
