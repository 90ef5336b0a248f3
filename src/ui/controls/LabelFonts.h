#pragma once

#include <QFont>

#include <map>

namespace hx {

// The label font: "Arial", weight 300, sized so that its cell (ascent plus descent) is the
// height the caller gives, as the label heights were measured on the original platform.
class LabelFonts {
public:
    struct Font {
        QFont font;
        int ascent = 0;
    };

    const Font& ForHeight(int height);

private:
    std::map<int, Font> fonts_;
};

} // namespace hx
