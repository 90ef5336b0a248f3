// The keyboard picture: "kb_BK.png" with every key at rest and "kb_hl.png" with every key lit.
// Both are drawn from the key rectangle table, each cap filling its rectangle exactly (right and
// bottom exclusive), so the plate shows in every gap between keys and a key copied from the lit
// picture covers exactly its own cap.
#include "Primitives.h"
#include "SkinPainters.h"
#include "Theme.h"

#include "ui/main/KeyRects.h"

#include <QFontMetricsF>

#include <array>

namespace skin {
namespace {

struct CapColours {
    QRgb edge;
    QRgb skirtTop;
    QRgb skirtBottom;
    QRgb faceTop;
    QRgb faceBottom;
    QRgb shine;
    QRgb legend;
};

constexpr CapColours kRestCap{kCapEdge, 0x2A2D33, 0x1B1D21, kCapTop, kCapBottom, 0x4A4F58, kLegend};
constexpr CapColours kLitCap{0x4A0A14, 0xB3172D, 0x6A0B19, kAccentLight,
                             kAccent,  0xFF9AA6, 0xFFFFFF};

QFont LegendFont(const QString& caption, double faceWidth) {
    double size = caption.size() == 1 ? 10 : 8;
    QFont font = SkinFont(size, caption.size() == 1 ? QFont::DemiBold : QFont::Normal);
    while (size > 6 && QFontMetricsF(font).horizontalAdvance(caption) > faceWidth - 3) {
        size -= 0.5;
        font = SkinFont(size, QFont::Normal);
    }
    return font;
}

void Cap(QPainter& p, const hx::KeyRect& key, const CapColours& colours) {
    const QRect rect(key.left, key.top, key.right - key.left, key.bottom - key.top);
    p.save();
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect, QColor(colours.edge));
    const QRect skirt = rect.adjusted(1, 1, -1, -1);
    p.fillRect(skirt, Vertical(skirt, colours.skirtTop, colours.skirtBottom));
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF face = QRectF(rect).adjusted(3, 2, -3, -5);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(face, colours.faceTop, colours.faceBottom));
    p.drawRoundedRect(face, 2.5, 2.5);
    p.fillRect(QRectF(face.left() + 2, face.top(), face.width() - 4, 1), QColor(colours.shine));
    const QString caption =
        QString::fromUtf8(key.caption.data(), static_cast<qsizetype>(key.caption.size()));
    TextCentred(p, face, caption, LegendFont(caption, face.width()), colours.legend);
    p.restore();
}

QImage Keyboard(const SkinContext& c, int w, int h, bool lit) {
    QImage image = c.Backdrop(hx::kKeyPictureX, hx::kKeyPictureY, w, h);
    QPainter p(&image);
    Prepare(p);

    // Case with a soft top highlight, then the plate the keys sit in.
    const QRectF shell(2.5, 4.5, w - 5, h - 8);
    p.setPen(QPen(QColor(0x060708), 1));
    p.setBrush(Vertical(shell, kCaseTop, kCaseBottom));
    p.drawRoundedRect(shell, 12, 12);
    p.setPen(QPen(QColor(0x34373E), 1));
    p.drawLine(QPointF(14, 5.5), QPointF(w - 14, 5.5));
    const QRectF plate(10.5, 12.5, 625, 182);
    p.setPen(QPen(QColor(0x050506), 1));
    p.setBrush(QColor(kPlate));
    p.drawRoundedRect(plate, 5, 5);

    // Lock lights and the maker's mark over the keypad.
    const std::array<const char*, 3> locks{"NUM", "CAPS", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        const double x = 532 + i * 32;
        p.setPen(Qt::NoPen);
        QColor halo(kAccent);
        halo.setAlpha(60);
        p.setBrush(halo);
        p.drawEllipse(QPointF(x, 24), 3.5, 3.5);
        p.setBrush(QColor(kAccentLight));
        p.drawEllipse(QPointF(x, 24), 1.7, 1.7);
        TextCentred(p, QRectF(x - 14, 29, 28, 8), QString::fromLatin1(locks[i]),
                    SkinFont(6, QFont::Normal, 0.4), 0x6E737C);
    }

    for (const hx::KeyRect& key : hx::kKeyRects) {
        if (key.onPicture()) {
            Cap(p, key, lit ? kLitCap : kRestCap);
        }
    }
    return image;
}

QImage KeyboardAtRest(const SkinContext& c, int w, int h) {
    return Keyboard(c, w, h, false);
}
QImage KeyboardLit(const SkinContext& c, int w, int h) {
    return Keyboard(c, w, h, true);
}

} // namespace

void AddKeyboardPainters(std::vector<PainterEntry>& painters) {
    painters.push_back({hx::SkinFolder::Main, "kb_BK.png", KeyboardAtRest});
    painters.push_back({hx::SkinFolder::Main, "kb_hl.png", KeyboardLit});
}

} // namespace skin
