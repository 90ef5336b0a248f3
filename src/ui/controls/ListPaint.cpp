#include "ui/controls/ListPaint.h"

#include "ui/controls/ListEditRules.h"

#include <cstddef>

namespace hx {
namespace {

// Removes every occurrence; true when there was one.
bool Strip(std::string& text, std::string_view what) {
    bool found = false;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
        text.erase(at, what.size());
        found = true;
    }
    return found;
}

PixelRect Moved(PixelRect r, int by) {
    return {r.left + by, r.top + by, r.right + by, r.bottom + by};
}

} // namespace

ListLineLook LookOfLine(int editMode, std::string_view text) {
    ListLineLook look{std::string(text), std::nullopt};
    if (editMode != kEditDelays) {
        return look;
    }
    if (Strip(look.text, "dn")) {
        look.icon = BitmapId::PressIcon;
    } else if (Strip(look.text, "up")) {
        look.icon = BitmapId::ReleaseIcon;
    } else if (look.text.find("ms") != std::string::npos) {
        look.icon = BitmapId::DelayIcon;
    }
    return look;
}

void DrawListLine(ControlCanvas& canvas, const ListTextStyle& style, int editMode, bool enabled,
                  std::string_view text, PixelRect rect, bool selected) {
    canvas.DrawBackdropPart({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top},
                            rect.left, rect.top);
    const ListLineLook look = LookOfLine(editMode, text);
    if (style.shadowOn) {
        canvas.DrawText(look.text, Moved(rect, style.shadowOffset),
                        enabled ? style.shadowColour : 0xFFFFFF);
    }
    const Colour colour = !enabled   ? 0x000000
                          : selected ? style.selectedTextColour
                                     : style.textColour;
    canvas.DrawText(look.text, rect, colour);
    if (look.icon) {
        const int size = *look.icon == BitmapId::DelayIcon ? 14 : 10;
        canvas.DrawBitmapPart(*look.icon, {0, 0, size, 14}, rect.right - kListIconInset, rect.top);
    }
}

std::vector<ListRow> VisibleListRows(const ListFrame& frame, int lineCount) {
    std::vector<ListRow> rows;
    if (frame.itemHeight <= 0) {
        return rows;
    }
    int top = 0;
    for (int i = frame.topIndex < 0 ? 0 : frame.topIndex; i < lineCount && top < frame.clientHeight;
         ++i, top += frame.itemHeight) {
        rows.push_back(
            {i, {0, top, frame.clientWidth, top + frame.itemHeight}, i == frame.selectedIndex});
    }
    return rows;
}

void PaintListLines(ControlCanvas& canvas, const ListTextStyle& style, int editMode, bool enabled,
                    const ListFrame& frame, std::span<const std::string> lines) {
    canvas.DrawBackdropPart({0, 0, frame.clientWidth, frame.clientHeight}, 0, 0);
    for (const ListRow& row : VisibleListRows(frame, static_cast<int>(lines.size()))) {
        DrawListLine(canvas, style, editMode, enabled, lines[static_cast<std::size_t>(row.index)],
                     row.rect, row.selected);
    }
}

} // namespace hx
