#pragma once

#include "ui/controls/Canvas.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace hx::test {

// A Canvas that writes down every call, one line each, so a test can compare a paint with the
// expected list:
//   image NAME X Y                      part NAME SX SY W H -> X Y
//   bitmap ID SX SY W H -> X Y          label "TEXT" X Y HEIGHT #RRGGBB
//   outline X Y W H                     fill LEFT TOP RIGHT BOTTOM #RRGGBB
class RecordingCanvas final : public Canvas {
public:
    std::vector<std::string> calls;

    void DrawSkinImage(std::string_view name, int x, int y) override {
        calls.push_back("image " + std::string(name) + " " + Ints({x, y}));
    }
    void DrawSkinImagePart(std::string_view name, SourceRect s, int x, int y) override {
        calls.push_back("part " + std::string(name) + " " + Ints({s.x, s.y, s.width, s.height}) +
                        " -> " + Ints({x, y}));
    }
    void DrawBitmapPart(BitmapId bitmap, SourceRect s, int x, int y) override {
        calls.push_back("bitmap " + std::to_string(static_cast<int>(bitmap)) + " " +
                        Ints({s.x, s.y, s.width, s.height}) + " -> " + Ints({x, y}));
    }
    void DrawLabel(std::string_view text, int x, int y, int height, Colour colour) override {
        calls.push_back("label \"" + std::string(text) + "\" " + Ints({x, y, height}) + " " +
                        Hex(colour));
    }
    void DrawOutline(int x, int y, int width, int height) override {
        calls.push_back("outline " + Ints({x, y, width, height}));
    }
    void FillCell(int left, int top, int right, int bottom, Colour colour) override {
        calls.push_back("fill " + Ints({left, top, right, bottom}) + " " + Hex(colour));
    }

private:
    static std::string Ints(std::initializer_list<int> values) {
        std::string out;
        for (int v : values) {
            if (!out.empty()) {
                out += ' ';
            }
            out += std::to_string(v);
        }
        return out;
    }
    static std::string Hex(Colour colour) {
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", colour & 0xFFFFFFu);
        return text;
    }
};

} // namespace hx::test
