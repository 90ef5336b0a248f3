// The three dialogs' skins: key assignment ("Custom/"), macro manager ("MacroManagement/") and
// profile manager ("Config/").
#include "Primitives.h"
#include "SkinPainters.h"
#include "Theme.h"

#include <QPainterPath>

namespace skin {
namespace {

using hx::SkinFolder;

constexpr QRgb kDialogBody = kPanel;
constexpr QRgb kDialogTitle = 0x1D1F24;

// A dialog window: title strip of `titleHeight` rows, body, frame.
QImage DialogWindow(int w, int h, int titleHeight) {
    QImage image = NewImage(w, h, kDialogBody);
    QPainter p(&image);
    Prepare(p);
    // Flat, so the title's close button blends in wherever it sits.
    p.fillRect(QRect(0, 0, w, titleHeight), QColor(kDialogTitle));
    QLinearGradient accent(QPointF(0, 0), QPointF(w, 0));
    accent.setColorAt(0, QColor(kAccent));
    accent.setColorAt(0.7, QColor(kAccentDeep));
    accent.setColorAt(1, QColor(kDialogTitle));
    p.fillRect(QRect(0, titleHeight - 1, w, 1), accent);
    Frame(p, image.rect(), kLine);
    return image;
}

QImage CloseGlyph(QImage image, bool hover) {
    QPainter p(&image);
    Prepare(p);
    const QPointF c(image.width() / 2.0, image.height() / 2.0);
    if (hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kAccent));
        p.drawEllipse(c, image.width() / 2.0 - 0.5, image.height() / 2.0 - 0.5);
    }
    p.setPen(QPen(QColor(hover ? 0xFFFFFF : 0xC9CDD3), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3.8, -3.8), c + QPointF(3.8, 3.8));
    p.drawLine(c + QPointF(-3.8, 3.8), c + QPointF(3.8, -3.8));
    return image;
}

QImage SmallButton(int w, int h, QRgb background, ButtonKind kind, bool hover) {
    QImage image = NewImage(w, h, background);
    QPainter p(&image);
    Prepare(p);
    Button(p, QRectF(0, 0, w, h), kind, hover);
    return image;
}

// Key assignment dialog ---------------------------------------------------------------------

constexpr int kCustomTitle = 30;
constexpr int kCustomBottomBar = 240;

QImage CustomBackground(const SkinContext&, int w, int h) {
    QImage image = DialogWindow(w, h, kCustomTitle);
    QPainter p(&image);
    Prepare(p);
    // Page area under the tabs, bottom bar with the tick box and the buttons.
    p.fillRect(QRect(1, 58, w - 2, kCustomBottomBar - 58), QColor(kDialogBody));
    p.fillRect(QRect(1, kCustomBottomBar, w - 2, 1), QColor(kLineSoft));
    return image;
}

QImage CustomClose(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kDialogTitle);
    return CloseGlyph(image, false);
}

QImage CustomCloseOver(const SkinContext&, int w, int h) {
    return CloseGlyph(NewImage(w, h, kDialogTitle), true);
}

QImage Tab(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, 0x1B1D22);
    QPainter p(&image);
    p.fillRect(image.rect(), Vertical(image.rect(), 0x24262C, 0x1A1C20));
    p.fillRect(QRect(w - 1, 0, 1, h), QColor(kLine));
    p.fillRect(QRect(0, h - 1, w, 1), QColor(kLine));
    return image;
}

QImage TabStrip(const SkinContext& c, int w, int h) {
    // The top rows of the four tabs (drawn over them), with a line across the top.
    QImage image = NewImage(w, h, 0x24262C);
    QPainter p(&image);
    const QImage tab = Tab(c, 82, 27);
    for (int x = 0; x < w; x += 81) {
        p.drawImage(QPoint(x, 1), tab, QRect(0, 0, 82, h - 1));
    }
    p.fillRect(QRect(0, 0, w, 1), QColor(kLine));
    return image;
}

QImage TabMarker(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, 0x24262C);
    QPainter p(&image);
    Prepare(p);
    p.fillRect(QRect(0, 0, w, 1), QColor(kLine));
    p.fillRect(QRect(0, 1, w, 2), QColor(kAccent));
    QPainterPath notch;
    notch.moveTo(w / 2.0 - 3, 3);
    notch.lineTo(w / 2.0 + 3, 3);
    notch.lineTo(w / 2.0, h);
    notch.closeSubpath();
    p.fillPath(notch, QColor(kAccent));
    return image;
}

template <bool On> QImage CustomTick(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kDialogBody);
    QPainter p(&image);
    Prepare(p);
    TickBox(p, QRectF(0.5, 0, h, h), On);
    return image;
}

template <ButtonKind Kind, bool Hover> QImage CustomButton(const SkinContext&, int w, int h) {
    return SmallButton(w, h, kDialogBody, Kind, Hover);
}

QImage AdvancedPage(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kDialogBody);
    QPainter p(&image);
    for (int row = 1; row < 4; ++row) {
        p.fillRect(QRect(15, 2 + row * 30 - 6, w - 15, 1), QColor(kLineSoft));
    }
    return image;
}

QImage PathField(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kDialogBody);
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(kLine), 1));
    p.setBrush(QColor(kInset));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 2, 2);
    return image;
}

template <bool Hover> QImage BrowseButton(const SkinContext&, int w, int h) {
    QImage image = SmallButton(w, h, kDialogBody, ButtonKind::Neutral, Hover);
    QPainter p(&image);
    Prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Hover ? 0xFFFFFF : 0xA6ACB5));
    for (int i = -1; i <= 1; ++i) {
        p.drawEllipse(QPointF(w / 2.0 + i * 5, h / 2.0 + 0.5), 1.3, 1.3);
    }
    return image;
}

// Macro manager ------------------------------------------------------------------------------

QImage MacroWindow(const SkinContext&, int w, int h) {
    QImage image = DialogWindow(w, h, 36);
    QPainter p(&image);
    Prepare(p);
    // The two lists (20, 80) and (150, 80), 113 by 275, framed; their own pictures fill them.
    for (int x : {20, 150}) {
        p.fillRect(QRect(x, 80, 113, 275), QColor(kInset));
        Frame(p, QRect(x - 1, 79, 115, 277), kLine);
    }
    // Recording settings card with the repeat count field.
    p.setPen(QPen(QColor(kLineSoft), 1));
    p.setBrush(QColor(0x1C1E23));
    p.drawRoundedRect(QRectF(278.5, 79.5, 118, 276), 4, 4);
    p.fillRect(QRect(286, 140, 104, 1), QColor(kLineSoft));
    p.fillRect(QRect(286, 293, 104, 1), QColor(kLineSoft));
    p.fillRect(QRect(295, 330, 86, 20), QColor(kInset));
    Frame(p, QRect(295, 330, 86, 20), kLine);
    p.fillRect(QRect(1, 360, w - 2, 1), QColor(kLineSoft));
    return image;
}

template <bool Hover> QImage RecordButton(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, 0x1C1E23);
    QPainter p(&image);
    Prepare(p);
    Button(p, QRectF(0, 0, w, h), Hover ? ButtonKind::Primary : ButtonKind::Neutral, false);
    return image;
}

template <bool On> QImage MacroTick(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, 0x1C1E23);
    QPainter p(&image);
    Prepare(p);
    TickBox(p, QRectF(1, 1, w - 2, h - 2), On);
    return image;
}

template <bool Hover> QImage MacroButtonImage(const SkinContext&, int w, int h) {
    return SmallButton(w, h, kDialogBody, Hover ? ButtonKind::Primary : ButtonKind::Neutral, false);
}

// Profile manager ----------------------------------------------------------------------------

QImage ProfileWindow(const SkinContext&, int w, int h) {
    QImage image = DialogWindow(w, h, 33);
    QPainter p(&image);
    Prepare(p);
    p.fillRect(QRect(1, 34, 260, 540), QColor(0x141519));
    p.fillRect(QRect(1, 574, w - 2, 1), QColor(kLineSoft));
    return image;
}

QImage ProfileClose(const SkinContext&, int w, int h) {
    return CloseGlyph(NewImage(w, h, kDialogTitle), false);
}

template <bool Plus> QImage ProfileCommand(const SkinContext&, int w, int h) {
    QImage image = SmallButton(w, h, kDialogBody, ButtonKind::Neutral, false);
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(QColor(kAccent), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c(9.5, h / 2.0);
    if (Plus) {
        p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
        p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
    } else {
        p.drawLine(c + QPointF(-4.5, -3.5), c + QPointF(4.5, -3.5));
        p.drawRoundedRect(QRectF(c.x() - 3.2, c.y() - 2, 6.4, 7), 1, 1);
        p.drawLine(c + QPointF(-1.5, -5), c + QPointF(1.5, -5));
    }
    return image;
}

} // namespace

void AddDialogPainters(std::vector<PainterEntry>& painters) {
    const SkinFolder k = SkinFolder::Custom;
    const SkinFolder m = SkinFolder::MacroManagement;
    const SkinFolder c = SkinFolder::Config;
    const std::vector<PainterEntry> entries{
        {k, "Custom_BK.png", CustomBackground},
        {k, "button-close-normal.png", CustomClose},
        {k, "button-close-over.png", CustomCloseOver},
        {k, "large_button.png", Tab},
        {k, "single_combine_option.png", TabStrip},
        {k, "cursor.png", TabMarker},
        {k, "Disable.png", CustomTick<false>},
        {k, "Enable.png", CustomTick<true>},
        {k, "button-cancel-normal.png", CustomButton<ButtonKind::Neutral, false>},
        {k, "button-cancel-over.png", CustomButton<ButtonKind::Neutral, true>},
        {k, "button-save-normal.png", CustomButton<ButtonKind::Primary, false>},
        {k, "button-save-over.png", CustomButton<ButtonKind::Primary, true>},
        {k, "Macro_BK.png", AdvancedPage},
        {k, "Advanced.png", PathField},
        {k, "view.png", BrowseButton<false>},
        {k, "view02.png", BrowseButton<true>},
        {m, "MacroManagement.png", MacroWindow},
        {m, "Record-normal.png", RecordButton<false>},
        {m, "Record-over.png", RecordButton<true>},
        {m, "Record-leave.png", RecordButton<false>},
        {m, "Pane.png", MacroTick<false>},
        {m, "PaneMakingTick.png", MacroTick<true>},
        {m, "button-new-normal.png", MacroButtonImage<false>},
        {m, "button-new-over.png", MacroButtonImage<true>},
        {m, "button-new-leave.png", MacroButtonImage<false>},
        {c, "Config.png", ProfileWindow},
        {c, "button-close-normal.png", ProfileClose},
        {c, "New.png", ProfileCommand<true>},
        {c, "Delete.png", ProfileCommand<false>},
    };
    painters.insert(painters.end(), entries.begin(), entries.end());
}

} // namespace skin
