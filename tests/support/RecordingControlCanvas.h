#pragma once

#include "ui/controls/ControlCanvas.h"

#include "support/RecordingCanvas.h"

#include <cstdio>
#include <string>
#include <vector>

namespace hx::test {

// A ControlCanvas that writes down every call in the lines of RecordingCanvas, plus:
//   gradient LEFT TOP RIGHT BOTTOM #FROM #TO h|v    stretch ID -> LEFT TOP RIGHT BOTTOM
//   text "TEXT" LEFT TOP RIGHT BOTTOM #RRGGBB       backdrop SX SY W H -> X Y
class RecordingControlCanvas final : public ControlCanvas {
    RecordingCanvas skin_; // first: `calls` refers into it

public:
    std::vector<std::string>& calls = skin_.calls;

    void DrawSkinImage(std::string_view name, int x, int y) override {
        skin_.DrawSkinImage(name, x, y);
    }
    void DrawSkinImagePart(std::string_view name, SourceRect s, int x, int y) override {
        skin_.DrawSkinImagePart(name, s, x, y);
    }
    void DrawBitmapPart(BitmapId bitmap, SourceRect s, int x, int y) override {
        skin_.DrawBitmapPart(bitmap, s, x, y);
    }
    void DrawLabel(std::string_view text, int x, int y, int height, Colour colour) override {
        skin_.DrawLabel(text, x, y, height, colour);
    }
    void DrawOutline(int x, int y, int width, int height) override {
        skin_.DrawOutline(x, y, width, height);
    }
    void FillCell(int left, int top, int right, int bottom, Colour colour) override {
        skin_.FillCell(left, top, right, bottom, colour);
    }
    void FillGradient(PixelRect a, Colour from, Colour to, bool horizontal) override {
        calls.push_back("gradient " + Rect(a) + " " + Hex(from) + " " + Hex(to) +
                        (horizontal ? " h" : " v"));
    }
    void DrawBitmapStretched(BitmapId bitmap, PixelRect a) override {
        calls.push_back("stretch " + std::to_string(static_cast<int>(bitmap)) + " -> " + Rect(a));
    }
    void DrawText(std::string_view text, PixelRect box, Colour colour) override {
        calls.push_back("text \"" + std::string(text) + "\" " + Rect(box) + " " + Hex(colour));
    }
    void DrawBackdropPart(SourceRect s, int x, int y) override {
        calls.push_back("backdrop " + std::to_string(s.x) + " " + std::to_string(s.y) + " " +
                        std::to_string(s.width) + " " + std::to_string(s.height) + " -> " +
                        std::to_string(x) + " " + std::to_string(y));
    }

private:
    static std::string Rect(PixelRect r) {
        return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
               std::to_string(r.right) + " " + std::to_string(r.bottom);
    }
    static std::string Hex(Colour colour) {
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", colour & 0xFFFFFFu);
        return text;
    }
};

} // namespace hx::test
