#pragma once

#include "support/RecordingCanvas.h"

#include "config/DeviceImage.h"
#include "ui/controls/BitSliderModel.h"
#include "ui/panel/PanelSliders.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hx::test {

// Stands in for the window's three trackbars: positions set by the test, visibility and
// placements remembered. Drawing stores the position as the window does and, on a recording
// canvas, leaves the line "slider ID" where the slider would be drawn.
class FakeSliders : public PanelSliders {
public:
    explicit FakeSliders(DeviceImage& image) : image_(image) {}

    void Show(int id, bool visible) override { visible_[id] = visible; }
    void DrawSlider(Canvas& canvas, int id) override {
        StoreSliderPosition(image_, id, position[id]);
        if (auto* recording = dynamic_cast<RecordingCanvas*>(&canvas)) {
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

inline bool Has(const RecordingCanvas& canvas, std::string_view call) {
    return std::find(canvas.calls.begin(), canvas.calls.end(), call) != canvas.calls.end();
}

// The recorded calls that start with `prefix`.
inline std::vector<std::string> Starting(const RecordingCanvas& canvas, std::string_view prefix) {
    std::vector<std::string> found;
    for (const std::string& call : canvas.calls) {
        if (call.starts_with(prefix)) {
            found.push_back(call);
        }
    }
    return found;
}

} // namespace hx::test
