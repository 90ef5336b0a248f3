#include "ui/controls/QtCanvas.h"

#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <algorithm>
#include <utility>

namespace hx {
namespace {

QColor ToQColor(Colour colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

} // namespace

QtCanvas::QtCanvas(QImage& target, SkinCache& skins, LabelFonts& fonts,
                   std::filesystem::path skinFolder)
    : painter_(&target), skins_(skins), fonts_(fonts), folder_(std::move(skinFolder)) {
    // Skin pixels are copied, never blended; text keeps its anti-aliasing.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QtCanvas::CopyPart(const QImage& image, SourceRect source, int x, int y) {
    if (image.isNull() || source.width <= 0 || source.height <= 0) {
        return;
    }
    // Only the part of the block that lies inside the image is copied, at the place it would
    // have had in the whole block.
    const QRect wanted(source.x, source.y, source.width, source.height);
    const QRect inside = wanted.intersected(image.rect());
    if (inside.isEmpty()) {
        return;
    }
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.drawImage(QPoint(x + inside.x() - source.x, y + inside.y() - source.y), image, inside);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DrawSkinImage(std::string_view name, int x, int y) {
    const QImage image = skins_.Load(folder_, name);
    CopyPart(image, {0, 0, image.width(), image.height()}, x, y);
}

void QtCanvas::DrawSkinImagePart(std::string_view name, SourceRect source, int x, int y) {
    CopyPart(skins_.Load(folder_, name), source, x, y);
}

void QtCanvas::DrawBitmapPart(BitmapId bitmap, SourceRect source, int x, int y) {
    CopyPart(skins_.Bitmap(bitmap), source, x, y);
}

void QtCanvas::DrawLabel(std::string_view text, int x, int y, int height, Colour colour) {
    if (height <= 0 || text.empty()) {
        return;
    }
    const LabelFonts::Font& font = fonts_.ForHeight(height);
    painter_.setFont(font.font);
    painter_.setPen(ToQColor(colour));
    painter_.drawText(QPoint(x, y + font.ascent),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtCanvas::DrawOutline(int x, int y, int width, int height) {
    // Four one-pixel strokes covering columns x and x + width, rows y and y + height.
    const QColor white = ToQColor(kOutlineColour);
    const int left = std::min(x, x + width);
    const int right = std::max(x, x + width);
    const int top = std::min(y, y + height);
    const int bottom = std::max(y, y + height);
    painter_.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), white);
    painter_.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), white);
    painter_.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), white);
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right, top)), white);
}

void QtCanvas::FillCell(int left, int top, int right, int bottom, Colour colour) {
    if (right <= left || bottom <= top) {
        return;
    }
    painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

QImage LoadBackBuffer(SkinCache& skins, const std::filesystem::path& skinFolder,
                      std::string_view name) {
    QImage background = skins.Load(skinFolder, name);
    if (background.isNull()) {
        return {};
    }
    // A private copy: the cached image stays as decoded while the paint draws over this one.
    QImage buffer = background.copy();
    return buffer;
}

} // namespace hx
