#pragma once

#include "ui/controls/Canvas.h"

#include <QImage>
#include <QPainter>

#include <filesystem>

namespace hx {

class SkinCache;
class LabelFonts;

// A Canvas that paints into a window's off-screen back buffer with QPainter. Skin names are
// looked up below `skinFolder` through the cache.
class QtCanvas final : public Canvas {
public:
    QtCanvas(QImage& target, SkinCache& skins, LabelFonts& fonts, std::filesystem::path skinFolder);

    void DrawSkinImage(std::string_view name, int x, int y) override;
    void DrawSkinImagePart(std::string_view name, SourceRect source, int x, int y) override;
    void DrawBitmapPart(BitmapId bitmap, SourceRect source, int x, int y) override;
    void DrawLabel(std::string_view text, int x, int y, int height, Colour colour) override;
    void DrawOutline(int x, int y, int width, int height) override;
    void FillCell(int left, int top, int right, int bottom, Colour colour) override;

    // The painter on the back buffer, for surfaces that draw more than the skin's calls.
    QPainter& painter() { return painter_; }

private:
    void CopyPart(const QImage& image, SourceRect source, int x, int y);

    QPainter painter_;
    SkinCache& skins_;
    LabelFonts& fonts_;
    std::filesystem::path folder_;
};

// The back buffer of a window whose background is the skin image `name`: an opaque copy of it,
// or a null image when it is missing.
QImage LoadBackBuffer(SkinCache& skins, const std::filesystem::path& skinFolder,
                      std::string_view name);

} // namespace hx
