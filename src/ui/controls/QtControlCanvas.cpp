#include "ui/controls/QtControlCanvas.h"

#include "ui/controls/SkinCache.h"

#include <QLinearGradient>
#include <QRect>
#include <QString>

#include <utility>

namespace hx {
namespace {

QColor ToQColor(Colour colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

QRect ToQRect(PixelRect r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

QtControlCanvas::QtControlCanvas(QImage& target, SkinCache& skins, LabelFonts& fonts,
                                 const QFont& textFont, QImage backdrop)
    : skin_(target, skins, fonts, {}), skins_(skins), textFont_(textFont),
      backdrop_(std::move(backdrop)) {}

void QtControlCanvas::DrawSkinImage(std::string_view name, int x, int y) {
    skin_.DrawSkinImage(name, x, y);
}
void QtControlCanvas::DrawSkinImagePart(std::string_view name, SourceRect source, int x, int y) {
    skin_.DrawSkinImagePart(name, source, x, y);
}
void QtControlCanvas::DrawBitmapPart(BitmapId bitmap, SourceRect source, int x, int y) {
    skin_.DrawBitmapPart(bitmap, source, x, y);
}
void QtControlCanvas::DrawLabel(std::string_view text, int x, int y, int height, Colour colour) {
    skin_.DrawLabel(text, x, y, height, colour);
}
void QtControlCanvas::DrawOutline(int x, int y, int width, int height) {
    skin_.DrawOutline(x, y, width, height);
}
void QtControlCanvas::FillCell(int left, int top, int right, int bottom, Colour colour) {
    skin_.FillCell(left, top, right, bottom, colour);
}

void QtControlCanvas::FillGradient(PixelRect area, Colour from, Colour to, bool horizontal) {
    const QRect r = ToQRect(area);
    if (r.isEmpty()) {
        return;
    }
    QLinearGradient gradient(r.topLeft(), horizontal ? QPointF(r.right() + 1, r.top())
                                                     : QPointF(r.left(), r.bottom() + 1));
    gradient.setColorAt(0, ToQColor(from));
    gradient.setColorAt(1, ToQColor(to));
    skin_.painter().fillRect(r, gradient);
}

void QtControlCanvas::DrawBitmapStretched(BitmapId bitmap, PixelRect area) {
    const QImage image = skins_.Bitmap(bitmap);
    const QRect r = ToQRect(area);
    if (image.isNull() || r.isEmpty()) {
        return;
    }
    skin_.painter().drawImage(r, image);
}

void QtControlCanvas::DrawText(std::string_view text, PixelRect box, Colour colour) {
    const QRect r = ToQRect(box);
    if (text.empty() || r.isEmpty()) {
        return;
    }
    QPainter& painter = skin_.painter();
    painter.setFont(textFont_);
    painter.setPen(ToQColor(colour));
    // Without Qt::TextShowMnemonic '&' is drawn as itself; without TextDontClip the text is
    // clipped to the box.
    painter.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextSingleLine,
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtControlCanvas::DrawBackdropPart(SourceRect source, int x, int y) {
    if (backdrop_.isNull() || source.width <= 0 || source.height <= 0) {
        return;
    }
    QPainter& painter = skin_.painter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), backdrop_,
                      QRect(source.x, source.y, source.width, source.height));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace hx
