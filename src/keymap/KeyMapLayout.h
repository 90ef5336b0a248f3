#pragma once

#include "ui/controls/HotRect.h"

#include "ui/controls/Canvas.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace hx {

// Geometry, images and texts of the key-assignment dialog. Coordinates are client pixels;
// hot-spot rectangles are inclusive on all four sides.

inline constexpr std::string_view kKeyMapBackground = "Custom_BK.png";

inline constexpr std::uint8_t kNoButton = 0xFF;
inline constexpr std::uint8_t kNoCell = 0xFF;

// The dialog's ten skinned buttons: state 0 normal, 1 hover (for the tick box 0 clear,
// 1 ticked). The pressed image is never drawn, so it is not kept.
using DialogButtonSpec = SkinnedButton;
inline constexpr std::size_t kDialogButtonCount = 10;
inline constexpr std::array<DialogButtonSpec, kDialogButtonCount> kDialogButtons{{
    {303, 2, 318, 17, "button-close-normal.png", "button-close-over.png"},
    {0, 31, 81, 57, "large_button.png", "large_button.png"},
    {81, 31, 162, 57, "large_button.png", "large_button.png"},
    {162, 31, 243, 57, "large_button.png", "large_button.png"},
    {243, 31, 324, 57, "large_button.png", "large_button.png"},
    {0, 30, 325, 36, "single_combine_option.png", "single_combine_option.png"},
    {19, 251, 29, 260, "Disable.png", "Enable.png"},
    {156, 246, 197, 268, "button-cancel-normal.png", "button-cancel-over.png"},
    {210, 246, 251, 268, "button-cancel-normal.png", "button-cancel-over.png"},
    {264, 246, 305, 268, "button-save-normal.png", "button-save-over.png"},
}};
inline constexpr std::uint8_t kButtonClose = 0;
inline constexpr std::uint8_t kButtonFirstTab = 1; // tabs of pages 0..3 are buttons 1..4
inline constexpr std::uint8_t kButtonTabStrip = 5;
inline constexpr std::uint8_t kButtonTickBox = 6;
inline constexpr std::uint8_t kButtonReset = 7;
inline constexpr std::uint8_t kButtonCancel = 8;
inline constexpr std::uint8_t kButtonSave = 9;

// The tick box is easier to hit than it is drawn.
inline constexpr int kTickBoxMargin = 5;

// The first button under (x, y): the tick box with its margin first, then buttons 0..9 in
// order; kNoButton when none.
std::uint8_t KeyMapButtonHitTest(int x, int y);

// The controls' places (x, y, width, height).
struct ControlPlace {
    int x, y, width, height;
};
inline constexpr ControlPlace kSingleKeyEditPlace{20, 89, 280, 15};
inline constexpr ControlPlace kComboEditPlace{20, 139, 280, 15};
inline constexpr ControlPlace kMacroListPlace{20, 79, 280, 150};
inline constexpr ControlPlace kFunctionTreePlace{10, 60, 295, 160};
// Behind the edits' and the list's white text.
inline constexpr Colour kControlBrush = 0x6D6D6D;

// The advanced page: four rows of four cells (radio, label, path field, browse button),
// numbered row * 4 + column.
inline constexpr std::size_t kAdvancedRows = 4;
inline constexpr int kAdvancedFirstTop = 68;
inline constexpr int kAdvancedRowStep = 30;
constexpr int AdvancedRowTop(std::size_t row) {
    return kAdvancedFirstTop + kAdvancedRowStep * static_cast<int>(row);
}
inline constexpr std::uint8_t kRadioColumn = 0;
inline constexpr std::uint8_t kBrowseColumn = 3;
constexpr std::uint8_t RadioCellOf(std::size_t row) {
    return static_cast<std::uint8_t>(row * 4 + kRadioColumn);
}
// The cell under (x, y), or kNoCell.
std::uint8_t AdvancedCellHitTest(int x, int y);

// Where the radio of a row is drawn and where its browse button sits.
inline constexpr int kRadioX = 15;
inline constexpr int kRadioDrop = 4; // below the row top
inline constexpr int kPathFieldX = 110;
inline constexpr int kBrowseX = 256;
inline constexpr int kPathTextX = 113;

// The marker under the current tab.
inline constexpr std::array<int, 4> kTabMarkerX{35, 115, 200, 280};
inline constexpr int kTabMarkerY = 30;

// Texts, UTF-8.
inline constexpr std::string_view kCaptionPrefix = "Current Key:";
inline constexpr std::string_view kTickBoxLabel = "Відключена кнопка";
inline constexpr std::string_view kNoSubItemMessage = "Please select Sub item";
// Message boxes of the dialog carry the program's name.
inline constexpr std::string_view kKeyMapMessageCaption = "HXTR-720";

struct PlacedText {
    std::string_view text;
    int x, y;
};
// Tab labels, one or two lines per tab.
inline constexpr std::array<std::array<PlacedText, 2>, 4> kTabLabels{{
    {{{"Клавіша", 17, 33}, {"комбінації", 17, 42}}},
    {{{"Макрос", 107, 39}, {}}},
    {{{"Основна", 182, 33}, {"функція", 182, 42}}},
    {{{"Розширені", 259, 33}, {"функції", 259, 42}}},
}};
inline constexpr std::array<PlacedText, 2> kKeyPageLabels{
    {{"Клавіша", 20, 69}, {"комбінації", 20, 119}}};
// Reset, Cancel and Save.
inline constexpr std::array<PlacedText, 3> kButtonTexts{
    {{"Скинути", 161, 251}, {"Скасувати", 213, 251}, {"Зберегти", 268, 251}}};
inline constexpr int kTextHeight = 14;
inline constexpr int kButtonTextHeight = 11;
inline constexpr Colour kCurrentTabColour = 0xFFFFFF;
inline constexpr Colour kOtherTabColour = 0xC0C0C0;
inline constexpr Colour kKeyPageLabelColour = 0xC0C0C0;
// Behind the tick box label when only the tick box is redrawn.
inline constexpr Colour kTickBoxEraseColour = 0x232323;

} // namespace hx
