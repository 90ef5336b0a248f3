#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace skin {

enum class Direction { Up, Down, Left, Right };

// An opaque image filled with one colour.
QImage NewImage(int width, int height, QRgb fill);
// The block (x, y, width, height) of `source`, as an opaque image of its own.
QImage Crop(const QImage& source, int x, int y, int width, int height);

void Prepare(QPainter& painter);
QFont SkinFont(double pixelSize, int weight = QFont::Normal, double letterSpacing = 0);

QLinearGradient Vertical(const QRectF& rect, QRgb top, QRgb bottom);

void Text(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, QRgb colour);
void TextCentred(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 QRgb colour);

void Chevron(QPainter& painter, QPointF centre, double size, Direction direction, QRgb colour,
             double width = 1.6);
void ArrowGlyph(QPainter& painter, QPointF centre, double size, Direction direction, QRgb colour);

enum class ButtonKind { Neutral, Primary };
// A rounded button filling `rect`; `hover` lifts it and lights its border.
void Button(QPainter& painter, const QRectF& rect, ButtonKind kind, bool hover);
// A round radio mark centred in `rect`.
void Radio(QPainter& painter, const QRectF& rect, bool on);
// A rounded tick box filling `rect`.
void TickBox(QPainter& painter, const QRectF& rect, bool on);
// A section header bar with its open / closed chevron at `chevronX`.
void SectionHeader(QPainter& painter, const QRectF& rect, bool expanded, double chevronX);
// A one-pixel frame just inside `rect`.
void Frame(QPainter& painter, const QRect& rect, QRgb colour);

} // namespace skin
