#include "Primitives.h"

#include "Theme.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace skin {

QImage NewImage(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(fill));
    return image;
}

QImage Crop(const QImage& source, int x, int y, int width, int height) {
    QImage image = NewImage(width, height, 0);
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), source, QRect(x, y, width, height));
    return image;
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont SkinFont(double pixelSize, int weight, double letterSpacing) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferFullHinting);
    if (letterSpacing != 0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    return font;
}

QLinearGradient Vertical(const QRectF& rect, QRgb top, QRgb bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor(top));
    gradient.setColorAt(1, QColor(bottom));
    return gradient;
}

void Text(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, QRgb colour) {
    painter.setFont(font);
    painter.setPen(QColor(colour));
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void TextCentred(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 QRgb colour) {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    // Centre the capital height rather than the whole cell: legends sit optically centred.
    const double capHeight = metrics.capHeight();
    const double x = box.center().x() - width / 2;
    const double baseline = box.center().y() + capHeight / 2;
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(QPointF(std::round(x), std::round(baseline)), text);
}

namespace {

std::array<QPointF, 3> ChevronPoints(QPointF c, double s, Direction d) {
    switch (d) {
    case Direction::Down:
        return {QPointF(c.x() - s, c.y() - s / 2), c + QPointF(0, s / 2),
                QPointF(c.x() + s, c.y() - s / 2)};
    case Direction::Up:
        return {QPointF(c.x() - s, c.y() + s / 2), c - QPointF(0, s / 2),
                QPointF(c.x() + s, c.y() + s / 2)};
    case Direction::Left:
        return {QPointF(c.x() + s / 2, c.y() - s), c - QPointF(s / 2, 0),
                QPointF(c.x() + s / 2, c.y() + s)};
    case Direction::Right:
        return {QPointF(c.x() - s / 2, c.y() - s), c + QPointF(s / 2, 0),
                QPointF(c.x() - s / 2, c.y() + s)};
    }
    return {};
}

} // namespace

void Chevron(QPainter& painter, QPointF centre, double size, Direction direction, QRgb colour,
             double width) {
    const auto points = ChevronPoints(centre, size, direction);
    QPen pen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void ArrowGlyph(QPainter& painter, QPointF c, double s, Direction direction, QRgb colour) {
    // A shaft with a head, pointing in `direction`.
    QPointF tip, tail, left, right;
    switch (direction) {
    case Direction::Up:
        tip = c - QPointF(0, s);
        tail = c + QPointF(0, s);
        left = tip + QPointF(-s * 0.75, s * 0.75);
        right = tip + QPointF(s * 0.75, s * 0.75);
        break;
    case Direction::Down:
        tip = c + QPointF(0, s);
        tail = c - QPointF(0, s);
        left = tip + QPointF(-s * 0.75, -s * 0.75);
        right = tip + QPointF(s * 0.75, -s * 0.75);
        break;
    case Direction::Left:
        tip = c - QPointF(s, 0);
        tail = c + QPointF(s, 0);
        left = tip + QPointF(s * 0.75, -s * 0.75);
        right = tip + QPointF(s * 0.75, s * 0.75);
        break;
    case Direction::Right:
        tip = c + QPointF(s, 0);
        tail = c - QPointF(s, 0);
        left = tip + QPointF(-s * 0.75, -s * 0.75);
        right = tip + QPointF(-s * 0.75, s * 0.75);
        break;
    }
    QPen pen(QColor(colour), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(tail, tip);
    const std::array head{left, tip, right};
    painter.drawPolyline(head.data(), 3);
}

void Button(QPainter& painter, const QRectF& rect, ButtonKind kind, bool hover) {
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QRgb top = kControlTop, bottom = kControlBottom, border = kControlBorder, shine = 0x3A3E46;
    if (kind == ButtonKind::Primary) {
        top = hover ? kAccentLight : kAccent;
        bottom = hover ? kAccent : kAccentDark;
        border = hover ? 0xFF8090 : 0xF0485C;
        shine = hover ? 0xFF8A98 : 0xFF6A7B;
    } else if (hover) {
        top = 0x3A2328;
        bottom = 0x2A181C;
        border = kAccent;
        shine = 0x4A2C33;
    }
    painter.setPen(QPen(QColor(border), 1));
    painter.setBrush(Vertical(r, top, bottom));
    painter.drawRoundedRect(r, 3.5, 3.5);
    // A highlight along the top edge gives the face some lift.
    painter.setPen(QPen(QColor(shine), 1));
    painter.drawLine(QPointF(r.left() + 3, r.top() + 1), QPointF(r.right() - 3, r.top() + 1));
}

void Radio(QPainter& painter, const QRectF& rect, bool on) {
    const double d = std::min(rect.width(), rect.height()) - 2;
    const QRectF ring(rect.center().x() - d / 2, rect.center().y() - d / 2, d, d);
    if (on) {
        painter.setPen(Qt::NoPen);
        QColor glow(kAccent);
        glow.setAlpha(70);
        painter.setBrush(glow);
        painter.drawEllipse(ring.adjusted(-1, -1, 1, 1));
        painter.setBrush(QColor(kInset));
        painter.setPen(QPen(QColor(kAccent), 1.5));
        painter.drawEllipse(ring.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kAccentLight));
        const double inner = d * 0.42;
        painter.drawEllipse(
            QRectF(ring.center().x() - inner / 2, ring.center().y() - inner / 2, inner, inner));
    } else {
        painter.setBrush(QColor(kInset));
        painter.setPen(QPen(QColor(0x5A5F69), 1.3));
        painter.drawEllipse(ring.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void TickBox(QPainter& painter, const QRectF& rect, bool on) {
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    if (on) {
        painter.setPen(QPen(QColor(kAccentLight), 1));
        painter.setBrush(Vertical(r, kAccent, kAccentDark));
        painter.drawRoundedRect(r, 2, 2);
        QPen tick(QColor(0xFFFFFF), std::max(1.4, r.height() / 7), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin);
        painter.setPen(tick);
        const std::array points{QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52),
                                QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72),
                                QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28)};
        painter.drawPolyline(points.data(), 3);
    } else {
        painter.setPen(QPen(QColor(0x5A5F69), 1));
        painter.setBrush(QColor(kInset));
        painter.drawRoundedRect(r, 2, 2);
    }
}

void SectionHeader(QPainter& painter, const QRectF& rect, bool expanded, double chevronX) {
    painter.fillRect(rect, Vertical(rect, kHeaderTop, kHeaderBottom));
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), QColor(0x30333A));
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1),
                     QColor(expanded ? kAccentDark : kLine));
    if (expanded) {
        // The open section's bottom line glows from the left.
        QLinearGradient glow(rect.bottomLeft(), rect.bottomRight());
        glow.setColorAt(0, QColor(kAccent));
        glow.setColorAt(0.6, QColor(kAccentDeep));
        glow.setColorAt(1, QColor(kLine));
        painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), glow);
    }
    Chevron(painter, QPointF(chevronX, rect.center().y()), 3,
            expanded ? Direction::Down : Direction::Right, expanded ? kAccent : kTextMuted);
}

void Frame(QPainter& painter, const QRect& rect, QRgb colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace skin
