#include "keymap/KeyMapPaint.h"

#include "common/Utf16.h"
#include "keymap/KeyCatalogue.h"
#include "keymap/KeyLayout.h"
#include "keymap/ShortcutKinds.h"

#include <string>

namespace hx {
namespace {

constexpr std::string_view kRadioOn = "enable.png";
constexpr std::string_view kRadioOff = "Disable.png";
constexpr std::string_view kRowRadio = "disable.png";
constexpr std::string_view kAdvancedBackground = "Macro_BK.png";
constexpr int kAdvancedBackgroundX = 15;
constexpr int kAdvancedBackgroundY = 66;
constexpr std::string_view kPathField = "Advanced.png";
constexpr std::string_view kBrowse = "view.png";
constexpr std::string_view kBrowseHover = "view02.png";
constexpr std::string_view kTabMarker = "cursor.png";
// Row labels: the first line 3 above the row top, the second 12 below it.
constexpr int kRowLabelX = 30;
constexpr int kRowLabelFirstDrop = -3;
constexpr int kRowLabelSecondDrop = 12;
constexpr int kCaptionX = 2;
constexpr int kCaptionY = 2;
// Where the tick box is erased before it is drawn alone: under its label.
constexpr int kTickEraseLeft = 34;
constexpr int kTickEraseTop = 249;
constexpr int kTickEraseRight = 134;
constexpr int kTickEraseBottom = 269;
constexpr int kTickLabelX = 34;
constexpr int kTickLabelY = 249;

void DrawButton(Canvas& canvas, const KeyMapController& dialog, std::size_t i) {
    const DialogButtonSpec& b = kDialogButtons[i];
    canvas.DrawSkinImage(dialog.buttonState(i) == 0 ? b.normal : b.active, b.left, b.top);
}

void DrawText(Canvas& canvas, const PlacedText& t, int height, Colour colour) {
    if (!t.text.empty())
        canvas.DrawLabel(t.text, t.x, t.y, height, colour);
}

void DrawTickBoxAndLabel(Canvas& canvas, const KeyMapController& dialog) {
    const DialogButtonSpec& b = kDialogButtons[kButtonTickBox];
    canvas.DrawSkinImage(dialog.disableTicked() ? b.active : b.normal, b.left, b.top);
    canvas.DrawLabel(kTickBoxLabel, kTickLabelX, kTickLabelY, kTextHeight, kLabelColour);
}

void PaintAdvancedPage(Canvas& canvas, const KeyMapController& dialog) {
    canvas.DrawSkinImage(kAdvancedBackground, kAdvancedBackgroundX, kAdvancedBackgroundY);
    for (std::size_t r = 0; r < kAdvancedRows; ++r) {
        const int y = AdvancedRowTop(r);
        canvas.DrawSkinImage(kRowRadio, kRadioX, y + kRadioDrop);
        canvas.DrawLabel(kShortcutKinds[r].labelTop, kRowLabelX, y + kRowLabelFirstDrop,
                         kTextHeight, kLabelColour);
        canvas.DrawLabel(kShortcutKinds[r].labelBottom, kRowLabelX, y + kRowLabelSecondDrop,
                         kTextHeight, kLabelColour);
        canvas.DrawSkinImage(kPathField, kPathFieldX, y);
        canvas.DrawSkinImage(kBrowse, kBrowseX, y);
    }
    if (dialog.radioCell() != kNoCell) {
        const std::size_t chosen = dialog.radioCell() / 4;
        canvas.DrawSkinImage(kRadioOn, kRadioX, AdvancedRowTop(chosen) + kRadioDrop);
        for (std::size_t r = 0; r < kAdvancedRows; ++r) {
            if (r != chosen)
                canvas.DrawSkinImage(kRadioOff, kRadioX, AdvancedRowTop(r) + kRadioDrop);
        }
    }
    if (dialog.shortcutRow() < kAdvancedRows) {
        const int y = AdvancedRowTop(dialog.shortcutRow());
        canvas.DrawLabel(AdvancedPathText(dialog.result().chosenPath), kPathTextX, y + 1,
                         kTextHeight, kLabelColour);
        canvas.DrawSkinImage(kRadioOn, kRadioX, y + kRadioDrop);
    }
}

} // namespace

std::string AdvancedPathText(const std::u16string& path) {
    return Utf16ToUtf8(ShortcutPathLabel(path));
}

void PaintKeyMapPage(Canvas& canvas, const KeyMapController& dialog) {
    DrawButton(canvas, dialog, kButtonTabStrip);
    const auto page = static_cast<std::size_t>(dialog.page());
    canvas.DrawSkinImage(kTabMarker, kTabMarkerX[page], kTabMarkerY);
    for (std::size_t tab = 0; tab < kTabLabels.size(); ++tab) {
        const Colour colour = tab == page ? kCurrentTabColour : kOtherTabColour;
        for (const PlacedText& line : kTabLabels[tab])
            DrawText(canvas, line, kTextHeight, colour);
    }
    switch (dialog.page()) {
    case KeyMapPage::kKeys:
        for (const PlacedText& line : kKeyPageLabels)
            DrawText(canvas, line, kTextHeight, kKeyPageLabelColour);
        break;
    case KeyMapPage::kMacro:
    case KeyMapPage::kFunction:
        break;
    case KeyMapPage::kAdvanced:
        PaintAdvancedPage(canvas, dialog);
        break;
    }
}

void PaintKeyMap(Canvas& canvas, const KeyMapController& dialog) {
    const std::string caption =
        std::string(kCaptionPrefix) + Utf16ToUtf8(KeyName(kKeyLayout[dialog.key()].defaultVk));
    canvas.DrawLabel(caption, kCaptionX, kCaptionY, kTextHeight, kLabelColour);
    for (std::size_t i = kButtonClose; i < kButtonTabStrip; ++i)
        DrawButton(canvas, dialog, i);
    PaintKeyMapPage(canvas, dialog);
    DrawTickBoxAndLabel(canvas, dialog);
    for (std::size_t i = kButtonReset; i <= kButtonSave; ++i)
        DrawButton(canvas, dialog, i);
    for (const PlacedText& text : kButtonTexts)
        DrawText(canvas, text, kButtonTextHeight, kLabelColour);
}

void PaintTickBox(Canvas& canvas, const KeyMapController& dialog) {
    const DialogButtonSpec& b = kDialogButtons[kButtonTickBox];
    canvas.DrawSkinImage(dialog.disableTicked() ? b.active : b.normal, b.left, b.top);
    canvas.FillCell(kTickEraseLeft, kTickEraseTop, kTickEraseRight, kTickEraseBottom,
                    kTickBoxEraseColour);
    canvas.DrawLabel(kTickBoxLabel, kTickLabelX, kTickLabelY, kTextHeight, kLabelColour);
}

void PaintBrowseButtons(Canvas& canvas, const KeyMapController& dialog) {
    if (const auto row = dialog.browseHoverRow()) {
        canvas.DrawSkinImage(kBrowseHover, kBrowseX, AdvancedRowTop(*row));
        return;
    }
    for (std::size_t r = 0; r < kAdvancedRows; ++r)
        canvas.DrawSkinImage(kBrowse, kBrowseX, AdvancedRowTop(r));
}

} // namespace hx
