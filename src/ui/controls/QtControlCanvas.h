#pragma once

#include "ui/controls/ControlCanvas.h"
#include "ui/controls/QtCanvas.h"

#include <QFont>
#include <QImage>

namespace hx {

class SkinCache;
class LabelFonts;

// A ControlCanvas that paints into a control's off-screen image: the skin calls through QtCanvas,
// text in the control's font, backdrop parts from the control's captured background.
class QtControlCanvas final : public ControlCanvas {
public:
    QtControlCanvas(QImage& target, SkinCache& skins, LabelFonts& fonts, const QFont& textFont,
                    QImage backdrop = {});

    void DrawSkinImage(std::string_view name, int x, int y) override;
    void DrawSkinImagePart(std::string_view name, SourceRect source, int x, int y) override;
    void DrawBitmapPart(BitmapId bitmap, SourceRect source, int x, int y) override;
    void DrawLabel(std::string_view text, int x, int y, int height, Colour colour) override;
    void DrawOutline(int x, int y, int width, int height) override;
    void FillCell(int left, int top, int right, int bottom, Colour colour) override;

    void FillGradient(PixelRect area, Colour from, Colour to, bool horizontal) override;
    void DrawBitmapStretched(BitmapId bitmap, PixelRect area) override;
    void DrawText(std::string_view text, PixelRect box, Colour colour) override;
    void DrawBackdropPart(SourceRect source, int x, int y) override;

private:
    QtCanvas skin_;
    SkinCache& skins_;
    QFont textFont_;
    QImage backdrop_;
};

} // namespace hx
