#pragma once

#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"
#include "ui/controls/TreePaint.h"

#include <QTreeWidget>

#include <vector>

namespace hx {

// A tree that paints itself completely in the dark skin: its background (bitmap, gradient or
// solid), white item text, a band behind the selected item and plus and minus glyphs before
// items with children. Item storage, selection, expansion, keys, mouse and scrolling stay
// QTreeWidget's; an item shows a glyph when it has children or its child indicator is forced on.
class VividTree final : public QTreeWidget {
    Q_OBJECT

public:
    explicit VividTree(QWidget* parent = nullptr);

    // Loads the background bitmap and the two glyphs and chooses the background: kTreeBitmap,
    // kTreeGradient or kTreeSolid.
    void SetBackgroundStyle(int mode);
    void SetGradient(Colour from, Colour to, bool horizontal);
    void SetTileBackground(bool tile);
    // The old control's show-selection-always style: the band stays when the tree loses focus.
    void SetShowSelectionAlways(bool on);

    const TreeLook& look() const { return look_; }

    // What a paint draws now, in client coordinates.
    void PaintTo(ControlCanvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TreeFrame CurrentFrame() const;
    std::vector<TreeRow> VisibleRows() const;

    TreeLook look_;
    bool showSelectionAlways_ = false;
    mutable SkinCache skins_;
    mutable LabelFonts fonts_;
};

} // namespace hx
