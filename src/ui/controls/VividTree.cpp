#include "ui/controls/VividTree.h"

#include "ui/controls/QtControlCanvas.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <optional>

namespace hx {
namespace {

// Qt's scroll bars leave the visible page out of the maximum; the old control counted it in.
std::optional<TreeScroll> ScrollOf(const QScrollBar* bar) {
    if (bar == nullptr || bar->maximum() <= bar->minimum()) {
        return std::nullopt;
    }
    return TreeScroll{bar->minimum(), bar->maximum() + bar->pageStep() - 1, bar->value()};
}

} // namespace

VividTree::VividTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    // Vertical positions count items, as the virtual area's arithmetic expects.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Every pixel is painted, so nothing needs erasing first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    // A stretched or tiled background moves with the content, so any change of the expanded
    // items repaints the whole tree.
    const auto repaintAll = [this] {
        if (look_.backgroundMode == kTreeBitmap) {
            viewport()->update();
        }
    };
    connect(this, &QTreeWidget::itemExpanded, this, repaintAll);
    connect(this, &QTreeWidget::itemCollapsed, this, repaintAll);
}

void VividTree::SetBackgroundStyle(int mode) {
    look_.bitmapsLoaded = !skins_.Bitmap(BitmapId::PressIcon).isNull() &&
                          !skins_.Bitmap(BitmapId::TreeCollapsedGlyph).isNull() &&
                          !skins_.Bitmap(BitmapId::TreeExpandedGlyph).isNull();
    look_.backgroundMode = mode;
    viewport()->update();
}

void VividTree::SetGradient(Colour from, Colour to, bool horizontal) {
    look_.gradientFrom = from;
    look_.gradientTo = to;
    look_.gradientHorizontal = horizontal;
    viewport()->update();
}

void VividTree::SetTileBackground(bool tile) {
    look_.tileBackground = tile;
    viewport()->update();
}

void VividTree::SetShowSelectionAlways(bool on) {
    showSelectionAlways_ = on;
    viewport()->update();
}

TreeFrame VividTree::CurrentFrame() const {
    const QSize client = viewport()->size();
    const QModelIndex first = indexAt(QPoint(0, 0));
    const int itemHeight = first.isValid() ? visualRect(first).height() : fontMetrics().height();
    TreeFrame frame;
    frame.clientWidth = client.width();
    frame.clientHeight = client.height();
    frame.area =
        ComputeTreeVirtualArea(client.width(), client.height(), itemHeight,
                               ScrollOf(horizontalScrollBar()), ScrollOf(verticalScrollBar()));
    frame.hasFocus = hasFocus();
    frame.showSelectionAlways = showSelectionAlways_;
    return frame;
}

std::vector<TreeRow> VividTree::VisibleRows() const {
    std::vector<TreeRow> rows;
    const int clientHeight = viewport()->height();
    // Where the item view's own delegate would start the text.
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    for (QModelIndex index = indexAt(QPoint(0, 0)); index.isValid(); index = indexBelow(index)) {
        const QRect r = visualRect(index);
        if (r.top() >= clientHeight) {
            break;
        }
        const QTreeWidgetItem* item = itemFromIndex(index);
        if (item == nullptr) {
            continue;
        }
        TreeRow row;
        row.text = item->text(0).toStdString();
        if (r.isValid()) {
            row.textRect = PixelRect{r.left() + textMargin, r.top(), r.left() + r.width(),
                                     r.top() + r.height()};
        }
        row.selected = item->isSelected();
        row.hasChildren = item->childCount() > 0 ||
                          item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
        row.expanded = item->isExpanded();
        rows.push_back(std::move(row));
    }
    return rows;
}

void VividTree::PaintTo(ControlCanvas& canvas) const {
    const std::vector<TreeRow> rows = VisibleRows();
    PaintTree(canvas, look_, CurrentFrame(), rows);
}

void VividTree::paintEvent(QPaintEvent*) {
    // The whole client area into a fresh image, copied in one piece, so nothing flickers.
    QImage buffer(viewport()->size(), QImage::Format_RGB32);
    if (buffer.isNull()) {
        return;
    }
    buffer.fill(Qt::black);
    {
        QtControlCanvas canvas(buffer, skins_, fonts_, font());
        PaintTo(canvas);
    }
    QPainter painter(viewport());
    painter.drawImage(0, 0, buffer);
}

} // namespace hx
