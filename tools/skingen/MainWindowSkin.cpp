// The main window's background and every image drawn on it, except the keyboard picture.
#include "Primitives.h"
#include "SkinPainters.h"
#include "Theme.h"

#include "ui/controls/BitSliderModel.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace skin {
namespace {

using hx::SkinFolder;

// Where the main window draws the images that sit straight on its background.
constexpr int kStripButtonY = 5;
constexpr int kBottomButtonY = 605;
constexpr int kSidebarRight = 280;
constexpr int kTitleHeight = 30;
constexpr int kBottomBarTop = 596;
constexpr double kHeaderChevronX = 234.5;

void PanelCard(QPainter& p, int width, int top, int height) {
    p.fillRect(QRect(0, top, width, height), QColor(kPanel));
    p.fillRect(QRect(0, top, 1, height), QColor(kLineSoft));
    p.fillRect(QRect(width - 1, top, 1, height), QColor(kLineSoft));
}

void CardBottom(QPainter& p, int width, int height) {
    p.fillRect(QRect(0, height - 1, width, 1), QColor(kLineSoft));
}

void Header(QPainter& p, int width, bool expanded) {
    SectionHeader(p, QRectF(0, 0, width, 21), expanded, kHeaderChevronX);
}

// The game header carries a second label ("WIN LOCK") that runs to its right end: no chevron.
void GameHeader(QPainter& p, int width, bool expanded) {
    SectionHeader(p, QRectF(0, 0, width, 21), expanded, -100);
}

} // namespace

QImage SkinContext::Backdrop(int x, int y, int width, int height) const {
    return Crop(mainBackground, x, y, width, height);
}

QImage PaintMainBackground(int width, int height) {
    QImage image = NewImage(width, height, kWindowBottom);
    QPainter p(&image);
    Prepare(p);
    p.fillRect(image.rect(), Vertical(image.rect(), kWindowTop, kWindowBottom));

    // The stage behind the keyboard picture: a low red glow that fades into the window.
    QRadialGradient glow(QPointF(630, 330), 470);
    glow.setColorAt(0, QColor(0x3A, 0x0E, 0x17, 150));
    glow.setColorAt(0.45, QColor(0x24, 0x0B, 0x11, 90));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(kSidebarRight, kTitleHeight, width - kSidebarRight, kBottomBarTop - 30), glow);
    // The keyboard's shadow on the stage.
    QRadialGradient shadow(QPointF(629, 420), 330);
    shadow.setColorAt(0, QColor(0, 0, 0, 170));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(629, 420);
    p.scale(1.0, 0.09);
    p.translate(-629, -420);
    p.fillRect(QRectF(260, 0, 740, 900), shadow);
    p.restore();

    // Model name over the stage.
    Text(p, QPointF(305, 64), QStringLiteral("HXTR-720"), SkinFont(44, QFont::Light, 1.5),
         kTextBright);
    Text(p, QPointF(309, 120), QStringLiteral("RGB MECHANICAL GAMING KEYBOARD"),
         SkinFont(11, QFont::Normal, 2.6), kTextMuted);
    p.fillRect(QRectF(309, 142, 36, 2), QColor(kAccent));

    // Sidebar holding the settings panel.
    p.fillRect(QRect(0, kTitleHeight, kSidebarRight, kBottomBarTop - kTitleHeight),
               QColor(kSidebar));
    p.fillRect(QRect(kSidebarRight, kTitleHeight, 1, kBottomBarTop - kTitleHeight),
               QColor(kLineSoft));

    // Title strip with the program's name; its buttons are drawn on it.
    p.fillRect(QRect(0, 0, width, kTitleHeight), QColor(kTitleStrip));
    p.fillRect(QRect(0, kTitleHeight - 1, width, 1), QColor(kLineSoft));
    QLinearGradient accent(QPointF(0, 0), QPointF(kSidebarRight, 0));
    accent.setColorAt(0, QColor(kAccent));
    accent.setColorAt(1, QColor(kTitleStrip));
    p.fillRect(QRect(0, kTitleHeight - 1, kSidebarRight, 1), accent);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kAccent));
    p.drawRoundedRect(QRectF(12, 10, 9, 9), 2, 2);
    Text(p, QPointF(28, 8), QStringLiteral("HXTR-720"), SkinFont(11, QFont::DemiBold, 0.8),
         kTextBright);
    Text(p, QPointF(88, 8), QStringLiteral("Gaming Keyboard"), SkinFont(11), kTextMuted);

    // Bottom bar with the profile, Reset, Cancel and Save buttons.
    p.fillRect(QRect(0, kBottomBarTop, width, height - kBottomBarTop), QColor(kBottomBar));
    p.fillRect(QRect(0, kBottomBarTop, width, 1), QColor(kLineSoft));

    Frame(p, image.rect(), kLine);
    return image;
}

namespace {

QImage StripButton(const SkinContext& c, int x, int width, int height, int glyph) {
    QImage image = c.Backdrop(x, kStripButtonY, width, height);
    QPainter p(&image);
    Prepare(p);
    const QPointF centre(width / 2.0, height / 2.0);
    QPen pen(QColor(0xA6ACB5), 1.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case 0: // help
        p.drawEllipse(centre, 6.2, 6.2);
        p.setFont(SkinFont(10, QFont::Bold));
        p.drawText(QRectF(0, 0.5, width, height), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case 1: // hide
        p.drawLine(QPointF(centre.x() - 5, centre.y() + 3),
                   QPointF(centre.x() + 5, centre.y() + 3));
        break;
    default: // close
        p.setPen(QPen(QColor(0xC9CDD3), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(-4.5, -4.5), centre + QPointF(4.5, 4.5));
        p.drawLine(centre + QPointF(-4.5, 4.5), centre + QPointF(4.5, -4.5));
        break;
    }
    return image;
}

QImage HelpButton(const SkinContext& c, int w, int h) {
    return StripButton(c, 936, w, h, 0);
}
QImage MinButton(const SkinContext& c, int w, int h) {
    return StripButton(c, 957, w, h, 1);
}
QImage CloseButton(const SkinContext& c, int w, int h) {
    return StripButton(c, 978, w, h, 2);
}

QImage Logo(const SkinContext& c, int w, int h) {
    QImage image = c.Backdrop(19, 35, w, h);
    QPainter p(&image);
    Prepare(p);
    // A slanted mark, then the maker's word mark and the model line.
    QPainterPath mark;
    mark.moveTo(10, 8);
    mark.lineTo(26, 8);
    mark.lineTo(40, 46);
    mark.lineTo(24, 46);
    mark.closeSubpath();
    QLinearGradient red(QPointF(0, 8), QPointF(0, 46));
    red.setColorAt(0, QColor(kAccentLight));
    red.setColorAt(1, QColor(kAccentDark));
    p.fillPath(mark, red);
    QPainterPath mark2;
    mark2.moveTo(30, 8);
    mark2.lineTo(40, 8);
    mark2.lineTo(33, 27);
    mark2.lineTo(28, 14);
    mark2.closeSubpath();
    p.fillPath(mark2, QColor(0xF2F3F5));
    QFont word = SkinFont(31, QFont::Black, 3);
    word.setItalic(true);
    Text(p, QPointF(50, 6), QStringLiteral("ORVEX"), word, 0xF2F3F5);
    Text(p, QPointF(52, 46), QStringLiteral("GAMING GEAR  ·  HXTR-720"), SkinFont(9.5, 400, 2.2),
         kTextMuted);
    return image;
}

QImage CancelButton(const SkinContext& c, int w, int h) {
    QImage image = c.Backdrop(862, kBottomButtonY, w, h);
    QPainter p(&image);
    Prepare(p);
    Button(p, QRectF(0, 0, w - 1, h - 2), ButtonKind::Neutral, false);
    return image;
}

QImage SaveButton(const SkinContext& c, int w, int h) {
    QImage image = c.Backdrop(924, kBottomButtonY, w, h);
    QPainter p(&image);
    Prepare(p);
    Button(p, QRectF(0, 0, w - 1, h - 2), ButtonKind::Primary, false);
    return image;
}

QImage ProfileButton(const SkinContext& c, int w, int h) {
    QImage image = c.Backdrop(17, 603, w, h);
    QPainter p(&image);
    Prepare(p);
    Button(p, QRectF(2, 2, w - 3, h - 4), ButtonKind::Neutral, false);
    // Stacked layers: the saved profiles.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath layer;
        const double y = 11 + i * 3.5;
        layer.moveTo(9, y);
        layer.lineTo(16, y - 3.5);
        layer.lineTo(23, y);
        layer.lineTo(16, y + 3.5);
        layer.closeSubpath();
        p.setPen(QPen(QColor(i == 0 ? kAccent : 0x9AA0A8), 1.2));
        p.setBrush(QColor(i == 0 ? 0x3A1118 : kControlBottom));
        p.drawPath(layer);
    }
    return image;
}

QImage LightingHeader(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    Header(p, w, true);
    // Instead of a chevron (this header looks the same open and closed): three RGB dots.
    const std::array<QRgb, 3> dots{0xFF4D5E, 0x3DDC84, 0x4D8DFF};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(dots[i]));
        p.drawEllipse(QPointF(224.5 + i * 6, 10), 2, 2);
    }
    return image;
}

QImage ClosedHeader(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    Header(p, w, false);
    return image;
}

QImage GameClosed(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    GameHeader(p, w, false);
    return image;
}

QImage LightingBody(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    PanelCard(p, w, 0, h);
    // A separator between the colour cells and the sliders.
    p.fillRect(QRect(9, 115, w - 18, 1), QColor(kLineSoft));
    CardBottom(p, w, h);
    return image;
}

QImage SpeedBody(const SkinContext& c, int w, int h) {
    // The lower part of the lighting body, pixel for pixel, so it can sit over it unseen.
    return Crop(LightingBody(c, w, 205), 0, 205 - h, w, h);
}

QImage DropDownBox(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    p.fillRect(QRect(0, 0, w, h - 1), Vertical(QRectF(0, 0, w, h), 0x1F2126, 0x1A1B20));
    p.fillRect(QRect(0, h - 1, w, 1), QColor(0x464A53));
    p.fillRect(QRect(w - 22, 3, 1, h - 6), QColor(kLine));
    Chevron(p, QPointF(w - 11, h / 2.0), 3.2, Direction::Down, kAccent, 1.7);
    return image;
}

QImage MultiColourCell(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    QConicalGradient rainbow(QPointF(w / 2.0, h / 2.0), 90);
    const std::array<QRgb, 7> stops{0xFF3040, 0xFF9F1A, 0xF5E93A, 0x3DDC84,
                                    0x33B5FF, 0x8A5CFF, 0xFF3040};
    for (std::size_t i = 0; i < stops.size(); ++i) {
        rainbow.setColorAt(static_cast<double>(i) / (stops.size() - 1), QColor(stops[i]));
    }
    p.fillRect(image.rect(), rainbow);
    QRadialGradient centre(QPointF(w / 2.0, h / 2.0), w / 2.0);
    centre.setColorAt(0, QColor(255, 255, 255, 200));
    centre.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), centre);
    return image;
}

template <Direction D, bool On> QImage DirectionButton(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    if (On) {
        p.setPen(QPen(QColor(kAccentLight), 1));
        p.setBrush(Vertical(r, kAccent, kAccentDark));
    } else {
        p.setPen(QPen(QColor(kControlBorder), 1));
        p.setBrush(Vertical(r, kControlTop, kControlBottom));
    }
    p.drawRoundedRect(r, 3, 3);
    ArrowGlyph(p, QPointF(w / 2.0, h / 2.0), 4.5, D, On ? 0xFFFFFF : 0x8F959E);
    return image;
}

template <bool On> QImage RadioImage(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    Radio(p, QRectF(0, 0, w, h), On);
    return image;
}

QImage MacroRow(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kSidebar);
    return image;
}

QImage MacroButton(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kSidebar);
    QPainter p(&image);
    Prepare(p);
    Button(p, QRectF(0, 0, w, h), ButtonKind::Neutral, false);
    // The label starts two pixels in: an accent edge runs just left of it.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 2, 2, h - 4), QColor(kAccent));
    // A record mark and a chevron on the right.
    p.setBrush(QColor(kAccent));
    p.drawEllipse(QPointF(w - 26, h / 2.0), 3.3, 3.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5A2A33), 1));
    p.drawEllipse(QPointF(w - 26, h / 2.0), 5.5, 5.5);
    Chevron(p, QPointF(w - 11, h / 2.0), 3, Direction::Right, kTextMuted);
    return image;
}

QImage GameOpen(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    PanelCard(p, w, 0, h);
    GameHeader(p, w, true);
    // The Win lock pair starts at 130 under its own header label.
    p.fillRect(QRect(124, 26, 1, h - 31), QColor(kLineSoft));
    CardBottom(p, w, h);
    return image;
}

QImage ResponseOpen(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    PanelCard(p, w, 0, h);
    Header(p, w, true);
    CardBottom(p, w, h);
    return image;
}

QImage RateOpen(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    PanelCard(p, w, 0, h);
    Header(p, w, true);
    // The trackbar sits at (9, 23); each rate is written under the thumb's place for it.
    constexpr int kSliderX = 9;
    constexpr int kSliderBottom = 23 + hx::kSliderHeight;
    const std::array<const char*, 4> rates{"125Hz", "250Hz", "500Hz", "1000Hz"};
    const QFont font = SkinFont(9.5, QFont::Normal, 0.3);
    for (int position = 0; position < 4; ++position) {
        const int travel = hx::ThumbTravelPosition(0, 3, position, hx::kStyleThumbTravel);
        const hx::ThumbOffset thumb = hx::ThumbOffsetFromRect(
            hx::kStyleGrooveLeft + travel, hx::kStyleGrooveLeft + travel + hx::kStyleThumbLength);
        const int x = std::clamp(thumb.x, 0, hx::kReportRateThumbMaxX) + (position == 0 ? 2 : 0);
        const double centre = kSliderX + x + hx::kThumbImageWidth / 2.0;
        p.fillRect(QRectF(centre - 0.5, kSliderBottom + 1, 1, 3), QColor(0x4A4E57));
        TextCentred(p, QRectF(centre - 30, kSliderBottom + 5, 60, 12),
                    QString::fromLatin1(rates[position]), font, 0xA9AEB6);
    }
    CardBottom(p, w, h);
    return image;
}

QImage Thumb(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, kPanel);
    QPainter p(&image);
    Prepare(p);
    // Centred on the channel's bar, which runs through row 7 of this image.
    const QPointF centre(w / 2.0, 7.0);
    QColor halo(kAccent);
    halo.setAlpha(90);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 7.2, 6.9);
    QRadialGradient face(centre - QPointF(1.5, 2), 7);
    face.setColorAt(0, QColor(0xFFFFFF));
    face.setColorAt(1, QColor(0xC9CDD3));
    p.setBrush(face);
    p.setPen(QPen(QColor(kAccent), 1.6));
    p.drawEllipse(centre, 5.6, 5.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kAccent));
    p.drawEllipse(centre, 1.6, 1.6);
    return image;
}

QImage HelpWindow(const SkinContext&, int w, int h) {
    QImage image = NewImage(w, h, 0x1B1D22);
    QPainter p(&image);
    Prepare(p);
    p.fillRect(image.rect(), Vertical(image.rect(), 0x202228, 0x18191E));
    p.fillRect(QRect(0, 0, w, 2), QColor(kAccent));
    for (int row = 1; row < 3; ++row) {
        p.fillRect(QRect(6, row * 25, w - 12, 1), QColor(kLineSoft));
    }
    // Row glyphs: the home page, the updater, the version.
    p.setPen(QPen(QColor(0x9AA0A8), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 12.5), 5, 5);
    p.drawLine(QPointF(5, 12.5), QPointF(15, 12.5));
    p.drawEllipse(QPointF(10, 12.5), 2.2, 5);
    ArrowGlyph(p, QPointF(10, 36.5), 4, Direction::Down, kAccent);
    p.drawLine(QPointF(5, 43), QPointF(15, 43));
    p.drawEllipse(QPointF(10, 62.5), 5, 5);
    p.drawLine(QPointF(10, 61.5), QPointF(10, 65.5));
    p.drawPoint(QPointF(10, 59.3));
    Frame(p, image.rect(), 0x34373E);
    return image;
}

} // namespace

void AddMainWindowPainters(std::vector<PainterEntry>& painters) {
    const SkinFolder m = SkinFolder::Main;
    const std::vector<PainterEntry> entries{
        {m, "button-help-normal.png", HelpButton},
        {m, "button-min-normal.png", MinButton},
        {m, "button-close-normal.png", CloseButton},
        {m, "logo.png", Logo},
        {m, "button-cancel-normal.png", CancelButton},
        {m, "button-save-normal.png", SaveButton},
        {m, "Config.png", ProfileButton},
        {m, "itemBK.png", LightingHeader},
        {m, "gamemode_Close.png", GameClosed},
        {m, "responsetime_close.png", ClosedHeader},
        {m, "reportrate_Close.png", ClosedHeader},
        {m, "LEDEffect_open.png", LightingBody},
        {m, "freq.png", SpeedBody},
        {m, "Light_Item.png", DropDownBox},
        {m, "8.png", MultiColourCell},
        {m, "Direction-T-Disable.png", DirectionButton<Direction::Up, false>},
        {m, "Direction-T-Enable.png", DirectionButton<Direction::Up, true>},
        {m, "Direction-B-Disable.png", DirectionButton<Direction::Down, false>},
        {m, "Direction-B-Enable.png", DirectionButton<Direction::Down, true>},
        {m, "Direction-R-Disable.png", DirectionButton<Direction::Right, false>},
        {m, "Direction-R-Enable.png", DirectionButton<Direction::Right, true>},
        {m, "Direction-L-Disable.png", DirectionButton<Direction::Left, false>},
        {m, "Direction-L-Enable.png", DirectionButton<Direction::Left, true>},
        {m, "Enable.png", RadioImage<true>},
        {m, "Disable.png", RadioImage<false>},
        {m, "MacroManagementBK.png", MacroRow},
        {m, "MacroButton3.png", MacroButton},
        {m, "gamemode_open.png", GameOpen},
        {m, "responsetime_open.png", ResponseOpen},
        {m, "reportrate_Open.png", RateOpen},
        {m, "Thumb.png", Thumb},
        {m, "HelpWindow.png", HelpWindow},
    };
    painters.insert(painters.end(), entries.begin(), entries.end());
}

} // namespace skin
