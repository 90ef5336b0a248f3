#pragma once

#include "ui/controls/Canvas.h"

#include <array>
#include <string_view>

namespace hx {

// The skin's folders below "png/english/"; the main window uses the top folder itself.
enum class SkinFolder { Main, Config, Custom, MacroManagement };

constexpr std::string_view SubfolderName(SkinFolder folder) {
    switch (folder) {
    case SkinFolder::Main:
        return "";
    case SkinFolder::Config:
        return "Config";
    case SkinFolder::Custom:
        return "Custom";
    case SkinFolder::MacroManagement:
        return "MacroManagement";
    }
    return "";
}

struct SkinImageEntry {
    SkinFolder folder;
    std::string_view name;
    int width;
    int height;
};

// Every skin image the windows draw, with the size the windows' coordinates call for. A name
// that several windows use in one folder has one size; names that differ only in case are one
// file and are listed once.
inline constexpr std::array kSkinImages{
    // Main window: the background holds every hot spot (rightmost 994, lowest 635).
    SkinImageEntry{SkinFolder::Main, "main.png", 1000, 648},
    // Title strip buttons: hot spots 936..952, 957..973, 978..994 by 5..20.
    SkinImageEntry{SkinFolder::Main, "button-help-normal.png", 17, 16},
    SkinImageEntry{SkinFolder::Main, "button-min-normal.png", 17, 16},
    SkinImageEntry{SkinFolder::Main, "button-close-normal.png", 17, 16},
    // At (19, 35) inside the logo area 19..261 by 32..102.
    SkinImageEntry{SkinFolder::Main, "logo.png", 242, 66},
    // Keyboard picture at (307, 211); the key rectangles reach 629 by 189.
    SkinImageEntry{SkinFolder::Main, "kb_BK.png", 645, 205},
    SkinImageEntry{SkinFolder::Main, "kb_hl.png", 645, 205},
    // Reset at (800, 605), Cancel at (862, 605), Save at (924, 605); hot spots 58 by 31.
    SkinImageEntry{SkinFolder::Main, "button-cancel-normal.png", 58, 31},
    SkinImageEntry{SkinFolder::Main, "button-save-normal.png", 58, 31},
    // Profile button at (17, 603) around its hot spot 19..119 by 605..633.
    SkinImageEntry{SkinFolder::Main, "Config.png", 104, 32},
    // Section headers: 19..261 by 21 rows.
    SkinImageEntry{SkinFolder::Main, "itemBK.png", 243, 21},
    SkinImageEntry{SkinFolder::Main, "gamemode_Close.png", 243, 21},
    SkinImageEntry{SkinFolder::Main, "responsetime_close.png", 243, 21},
    SkinImageEntry{SkinFolder::Main, "reportrate_Close.png", 243, 21},
    // Expanded lighting body from 130 down to the macro row at 335; the speed part from 245.
    SkinImageEntry{SkinFolder::Main, "LEDEffect_open.png", 243, 205},
    SkinImageEntry{SkinFolder::Main, "freq.png", 243, 90},
    // Drop-down boxes: effect box 28..248 by 158..173, response box 28..248 by 17 rows.
    SkinImageEntry{SkinFolder::Main, "Light_Item.png", 221, 17},
    // The eighth colour cell, the size of the filled cells inside the choice outline.
    SkinImageEntry{SkinFolder::Main, "8.png", 20, 20},
    // Direction cells: 36 by 16 (29..64 by 197..212).
    SkinImageEntry{SkinFolder::Main, "Direction-T-Disable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-T-Enable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-B-Disable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-B-Enable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-R-Disable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-R-Enable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-L-Disable.png", 36, 16},
    SkinImageEntry{SkinFolder::Main, "Direction-L-Enable.png", 36, 16},
    // Radio pair images: the Keymap / DIY choice (hot 15 by 15) and the game and Win lock
    // radios (hot 11 by 10, label 17 pixels to the right).
    SkinImageEntry{SkinFolder::Main, "Enable.png", 15, 15},
    SkinImageEntry{SkinFolder::Main, "Disable.png", 15, 15},
    // Macro row: from the row top to the game section 55 below; button 19..259 by 19 rows.
    SkinImageEntry{SkinFolder::Main, "MacroManagementBK.png", 243, 55},
    SkinImageEntry{SkinFolder::Main, "MacroButton3.png", 241, 19},
    // Expanded sections: game to response top (55), response to rate top (75).
    SkinImageEntry{SkinFolder::Main, "gamemode_open.png", 243, 55},
    SkinImageEntry{SkinFolder::Main, "responsetime_open.png", 243, 75},
    // Rate section: header, the trackbar at 23 and the four rate captions below it.
    SkinImageEntry{SkinFolder::Main, "reportrate_Open.png", 243, 66},
    SkinImageEntry{SkinFolder::Main, "Thumb.png", 15, 14},
    // Help window area 830..996 by 22..99.
    SkinImageEntry{SkinFolder::Main, "HelpWindow.png", 167, 78},

    // Key assignment dialog: tab strip 0..325, buttons down to 268.
    SkinImageEntry{SkinFolder::Custom, "Custom_BK.png", 326, 280},
    SkinImageEntry{SkinFolder::Custom, "button-close-normal.png", 16, 16},
    SkinImageEntry{SkinFolder::Custom, "button-close-over.png", 16, 16},
    SkinImageEntry{SkinFolder::Custom, "large_button.png", 82, 27},
    SkinImageEntry{SkinFolder::Custom, "single_combine_option.png", 326, 7},
    SkinImageEntry{SkinFolder::Custom, "cursor.png", 11, 5},
    // The tick box (19..29 by 251..260) and the advanced page radios (11 by 10); "disable.png"
    // and "enable.png" name the same files.
    SkinImageEntry{SkinFolder::Custom, "Disable.png", 11, 10},
    SkinImageEntry{SkinFolder::Custom, "Enable.png", 11, 10},
    SkinImageEntry{SkinFolder::Custom, "button-cancel-normal.png", 42, 23},
    SkinImageEntry{SkinFolder::Custom, "button-cancel-over.png", 42, 23},
    SkinImageEntry{SkinFolder::Custom, "button-save-normal.png", 42, 23},
    SkinImageEntry{SkinFolder::Custom, "button-save-over.png", 42, 23},
    // Advanced page: background from (15, 66) past the last row (158 + 15), path field from
    // 110 to 243, browse buttons 256..302.
    SkinImageEntry{SkinFolder::Custom, "Macro_BK.png", 291, 112},
    SkinImageEntry{SkinFolder::Custom, "Advanced.png", 134, 16},
    SkinImageEntry{SkinFolder::Custom, "view.png", 47, 16},
    SkinImageEntry{SkinFolder::Custom, "view02.png", 47, 16},

    // Macro manager: OK and Cancel reach 397 by 424.
    SkinImageEntry{SkinFolder::MacroManagement, "MacroManagement.png", 410, 440},
    SkinImageEntry{SkinFolder::MacroManagement, "Record-normal.png", 90, 25},
    SkinImageEntry{SkinFolder::MacroManagement, "Record-over.png", 90, 25},
    SkinImageEntry{SkinFolder::MacroManagement, "Record-leave.png", 90, 25},
    SkinImageEntry{SkinFolder::MacroManagement, "Pane.png", 15, 15},
    SkinImageEntry{SkinFolder::MacroManagement, "PaneMakingTick.png", 15, 15},
    SkinImageEntry{SkinFolder::MacroManagement, "button-new-normal.png", 58, 25},
    SkinImageEntry{SkinFolder::MacroManagement, "button-new-over.png", 58, 25},
    SkinImageEntry{SkinFolder::MacroManagement, "button-new-leave.png", 58, 25},

    // Profile manager: list 1..260 by 34..573, New and Delete clicks down to 624.
    SkinImageEntry{SkinFolder::Config, "Config.png", 264, 632},
    SkinImageEntry{SkinFolder::Config, "button-close-normal.png", 16, 15},
    SkinImageEntry{SkinFolder::Config, "New.png", 67, 26},
    SkinImageEntry{SkinFolder::Config, "Delete.png", 67, 26},
};

struct BitmapEntry {
    BitmapId id;
    int width;
    int height;
};

// The compiled-in bitmaps; the application icon is also kept at smaller sizes.
inline constexpr std::array kBitmaps{
    BitmapEntry{BitmapId::PressIcon, 10, 14},
    BitmapEntry{BitmapId::TreeCollapsedGlyph, 9, 9},
    BitmapEntry{BitmapId::TreeExpandedGlyph, 9, 9},
    BitmapEntry{BitmapId::DelayIcon, 14, 14},
    BitmapEntry{BitmapId::ReleaseIcon, 10, 14},
    BitmapEntry{BitmapId::SliderEmptyChannel, 220, 17},
    BitmapEntry{BitmapId::SliderFilledChannel, 220, 17},
    BitmapEntry{BitmapId::ListBackground, 127, 305},
    BitmapEntry{BitmapId::ApplicationIcon, 256, 256},
};

inline constexpr std::array kApplicationIconSizes{16, 32, 48, 64, 128, 256};

} // namespace hx
