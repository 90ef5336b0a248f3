// The compiled-in bitmaps: the slider channels, the list background, the event icons, the tree
// glyphs and the application icon.
#include "Primitives.h"
#include "SkinPainters.h"
#include "Theme.h"

#include <QPainterPath>

namespace skin {
namespace {

// The channels sit on a section body; the bar runs through rows 6..10 with rounded ends, from
// the first to the last column the thumb image can cover.
QImage Channel(int w, int h, bool filled) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    const QRectF bar(1, 5.5, w - 2, 5);
    p.setPen(Qt::NoPen);
    if (filled) {
        QLinearGradient red(bar.topLeft(), bar.topRight());
        red.setColorAt(0, QColor(kAccentDark));
        red.setColorAt(1, QColor(kAccentLight));
        QColor glow(kAccent);
        glow.setAlpha(60);
        p.setBrush(glow);
        p.drawRoundedRect(bar.adjusted(-1, -1.5, 1, 1.5), 4, 4);
        p.setBrush(red);
    } else {
        p.setBrush(QColor(kChannelEmpty));
    }
    p.drawRoundedRect(bar, 2.5, 2.5);
    if (!filled) {
        p.fillRect(QRectF(bar.left() + 2, bar.bottom() - 1, bar.width() - 4, 1), QColor(0x3A3D45));
    }
    return image;
}

QImage ListBackground(int w, int h) {
    QImage image = NewImage(w, h, kInset);
    QPainter p(&image);
    p.fillRect(image.rect(), Vertical(image.rect(), 0x121317, 0x0D0E11));
    return image;
}

QImage EventArrow(int w, int h, Direction direction, QRgb colour) {
    QImage image = NewImage(w, h, kInset);
    QPainter p(&image);
    Prepare(p);
    ArrowGlyph(p, QPointF(w / 2.0, h / 2.0), 4, direction, colour);
    return image;
}

QImage DelayIcon(int w, int h) {
    QImage image = NewImage(w, h, kInset);
    QPainter p(&image);
    Prepare(p);
    const QPointF c(w / 2.0, h / 2.0);
    p.setPen(QPen(QColor(0xF5B83D), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.5, 5.5);
    p.setPen(QPen(QColor(0xF5B83D), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -3.5));
    p.drawLine(c, c + QPointF(2.5, 1.5));
    return image;
}

QImage TreeGlyph(int w, int h, bool plus) {
    // A light box with a black sign, as the tree draws before items with children.
    QImage image = NewImage(w, h, 0x1E1E1E);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, w, h), QColor(0xD5D8DD));
    p.fillRect(QRect(0, 0, w, 1), QColor(0xF0F1F3));
    p.fillRect(QRect(2, h / 2, w - 4, 1), QColor(Qt::black));
    if (plus) {
        p.fillRect(QRect(w / 2, 2, 1, h - 4), QColor(Qt::black));
    }
    return image;
}

} // namespace

QImage PaintApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Prepare(p);
    p.scale(size / 64.0, size / 64.0);
    // A dark rounded tile holding one lit key cap.
    p.setPen(QPen(QColor(0x2E3138), 1));
    p.setBrush(Vertical(QRectF(2, 2, 60, 60), 0x23252B, 0x0E0F12));
    p.drawRoundedRect(QRectF(2.5, 2.5, 59, 59), 13, 13);
    QRadialGradient glow(QPointF(32, 36), 26);
    glow.setColorAt(0, QColor(0xE8, 0x26, 0x3E, 150));
    glow.setColorAt(1, QColor(0xE8, 0x26, 0x3E, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(6, 10, 52, 48), 10, 10);
    p.setBrush(Vertical(QRectF(14, 14, 36, 36), 0x3A1118, 0x1A070B));
    p.setPen(QPen(QColor(kAccent), 2));
    p.drawRoundedRect(QRectF(15, 14, 34, 34), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(QRectF(19, 17, 26, 24), kAccentLight, kAccent));
    p.drawRoundedRect(QRectF(19, 17, 26, 24), 4, 4);
    p.setFont(SkinFont(15, QFont::Black));
    p.setPen(QColor(0xFFFFFF));
    p.drawText(QRectF(19, 17, 26, 24), Qt::AlignCenter, QStringLiteral("X"));
    return image;
}

QImage PaintBitmap(hx::BitmapId id, int width, int height) {
    switch (id) {
    case hx::BitmapId::PressIcon:
        return EventArrow(width, height, Direction::Down, kAccentLight);
    case hx::BitmapId::ReleaseIcon:
        return EventArrow(width, height, Direction::Up, 0x3DDC84);
    case hx::BitmapId::DelayIcon:
        return DelayIcon(width, height);
    case hx::BitmapId::TreeCollapsedGlyph:
        return TreeGlyph(width, height, true);
    case hx::BitmapId::TreeExpandedGlyph:
        return TreeGlyph(width, height, false);
    case hx::BitmapId::SliderEmptyChannel:
        return Channel(width, height, false);
    case hx::BitmapId::SliderFilledChannel:
        return Channel(width, height, true);
    case hx::BitmapId::ListBackground:
        return ListBackground(width, height);
    case hx::BitmapId::ApplicationIcon:
        return PaintApplicationIcon(width);
    }
    return {};
}

} // namespace skin
