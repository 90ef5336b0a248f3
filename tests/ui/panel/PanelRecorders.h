#pragma once

#include "config/DeviceImage.h"
#include "ui/controls/BitSliderModel.h"
#include "ui/controls/Canvas.h"
#include "ui/panel/PanelSliders.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hx::test {

// Records every drawing call as one line of text, in order.
class PanelCanvas : public Canvas {
public:
    void DrawSkinImage(std::string_view name, int x, int y) override {
        calls.push_back(Format("image %s %d,%d", std::string(name).c_str(), x, y));
    }
    void DrawSkinImagePart(std::string_view name, SourceRect s, int x, int y) override {
        calls.push_back(Format("part %s %d,%d,%d,%d %d,%d", std::string(name).c_str(), s.x, s.y,
                               s.width, s.height, x, y));
    }
    void DrawBitmapPart(BitmapId bitmap, SourceRect s, int x, int y) override {
        calls.push_back(Format("bitmap %d %d,%d,%d,%d %d,%d", static_cast<int>(bitmap), s.x, s.y,
                               s.width, s.height, x, y));
    }
    void DrawLabel(std::string_view text, int x, int y, int height, Colour colour) override {
        calls.push_back(Format("label %s %d,%d h%d", std::string(text).c_str(), x, y, height) +
                        (colour == kLabelColour ? "" : Format(" #%06X", colour)));
    }
    void DrawOutline(int x, int y, int width, int height) override {
        calls.push_back(Format("outline %d,%d %dx%d", x, y, width, height));
    }
    void FillCell(int left, int top, int right, int bottom, Colour colour) override {
        calls.push_back(Format("fill %d,%d,%d,%d #%06X", left, top, right, bottom, colour));
    }

    // The calls whose text starts with `prefix`.
    std::vector<std::string> Starting(std::string_view prefix) const {
        std::vector<std::string> found;
        for (const std::string& c : calls) {
            if (c.starts_with(prefix)) {
                found.push_back(c);
            }
        }
        return found;
    }
    bool Has(std::string_view call) const {
        for (const std::string& c : calls) {
            if (c == call) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::string> calls;

private:
    template <typename... A> static std::string Format(const char* format, A... args) {
        char text[256];
        std::snprintf(text, sizeof text, format, args...);
        return text;
    }
};

// Stands in for the window's three trackbars: positions set by the test, visibility and
// placements remembered. Drawing stores the position as the window does and leaves a marker
// line on the canvas where the slider would be drawn.
class FakeSliders : public PanelSliders {
public:
    explicit FakeSliders(DeviceImage& image) : image_(image) {}

    void Show(int id, bool visible) override { visible_[id] = visible; }
    void DrawSlider(Canvas& canvas, int id) override {
        StoreSliderPosition(image_, id, position[id]);
        if (auto* recording = dynamic_cast<PanelCanvas*>(&canvas)) {
            recording->calls.push_back("slider " + std::to_string(id));
        }
    }
    void PlaceReportRate(int top) override { rateTops.push_back(top); }

    // Shown, hidden, or never told (nothing).
    std::optional<bool> Visible(int id) const {
        const auto it = visible_.find(id);
        return it == visible_.end() ? std::nullopt : std::optional<bool>(it->second);
    }
    void Forget() {
        visible_.clear();
        rateTops.clear();
    }

    std::map<int, int> position;
    std::vector<int> rateTops;

private:
    DeviceImage& image_;
    std::map<int, bool> visible_;
};

} // namespace hx::test
