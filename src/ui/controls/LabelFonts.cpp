#include "ui/controls/LabelFonts.h"

#include <QFontMetrics>

#include <cstdlib>

namespace hx {
namespace {

QFont MakeFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Light); // 300
    font.setPixelSize(pixelSize);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace

const LabelFonts::Font& LabelFonts::ForHeight(int height) {
    auto it = fonts_.find(height);
    if (it != fonts_.end()) {
        return it->second;
    }
    // The pixel size whose cell comes closest to the height, the smaller one on a tie so that
    // labels never grow past the cell their callers laid out.
    Font best{MakeFont(1), QFontMetrics(MakeFont(1)).ascent()};
    int bestError = -1;
    for (int size = 1; size <= std::max(1, height); ++size) {
        const QFont font = MakeFont(size);
        const QFontMetrics metrics(font);
        const int error = std::abs(metrics.ascent() + metrics.descent() - height);
        if (bestError < 0 || error < bestError) {
            best = {font, metrics.ascent()};
            bestError = error;
        }
    }
    return fonts_.emplace(height, std::move(best)).first->second;
}

} // namespace hx
