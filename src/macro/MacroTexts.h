#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace hx {

// The macro manager's own texts, shown exactly as written here.
inline constexpr std::string_view kMacroCaption = "Macro Manager";
inline constexpr std::string_view kSelectToRecordText = "Please select a Macro file to record \n";
inline constexpr std::string_view kSelectToDeleteMacroText =
    "Please select a Macro file to delete\n";
inline constexpr std::string_view kConfirmDeleteText = "Confirm to delete?";
inline constexpr std::string_view kEditCurrentDelayText = "Please edit current delay\n";

// New macros are named "Macro_00k" (k up to 9) or "Macro_0k" (k from 10).
inline constexpr std::u16string_view kNewMacroPrefixOneDigit = u"Macro_00";
inline constexpr std::u16string_view kNewMacroPrefixTwoDigits = u"Macro_0";

// The event list's context menu: command ids and texts.
enum MacroCommand : int {
    kCmdInsertBefore = 32790,
    kCmdInsertAfter = 32791,
    kCmdInsertDelay = 32793,
    kCmdLeftPress = 32800,
    kCmdLeftRelease = 32801,
    kCmdLeftClick = 32802,
    kCmdRightPress = 32804,
    kCmdRightRelease = 32806,
    kCmdRightClick = 32807,
    kCmdMiddlePress = 32811,
    kCmdMiddleRelease = 32812,
    kCmdMiddleClick = 32813,
    kCmdDeleteLine = 32815,
};

inline constexpr std::string_view kMenuInsertBefore = "Вставити до";
inline constexpr std::string_view kMenuInsertAfter = "Вставити після";
inline constexpr std::string_view kMenuMouse = "Вставте дію для миші";
inline constexpr std::string_view kMenuInsertDelay = "Вставити затримку";
inline constexpr std::string_view kMenuDeleteLine = "Видалити";
inline constexpr std::string_view kMenuPress = "Вниз";
inline constexpr std::string_view kMenuRelease = "Вгору";
inline constexpr std::string_view kMenuClick = "Клавіша";

enum class MouseAction { kPress, kRelease, kClick };

// One mouse button's sub-menu: its text, key byte and the ids of press, release and click.
struct MouseButtonMenu {
    std::string_view text;
    std::uint8_t keyByte;
    std::array<int, 3> ids; // by MouseAction
};
inline constexpr std::array kMouseButtonMenus{
    MouseButtonMenu{"Ліва клавиша", 0xF0, {kCmdLeftPress, kCmdLeftRelease, kCmdLeftClick}},
    MouseButtonMenu{"Права клавіша", 0xF1, {kCmdRightPress, kCmdRightRelease, kCmdRightClick}},
    MouseButtonMenu{"Середня клавіша", 0xF2, {kCmdMiddlePress, kCmdMiddleRelease, kCmdMiddleClick}},
};

// Captions of the window, drawn in the label font.
inline constexpr std::string_view kTitleText = "Диспетчер макросів";
inline constexpr std::string_view kMacroListHeading = "Обрати макрос";
inline constexpr std::string_view kEventListHeading = "Кнопка";
inline constexpr std::string_view kSettingsHeading = "Параметри запису";
inline constexpr std::string_view kStartRecordingText = "Почати запис";
inline constexpr std::string_view kStopRecordingText = "Зупинити запис";
inline constexpr std::array<std::string_view, 3> kDelayBoxLabel{"Кнопка часу  ", "затримки",
                                                                "запису"};
inline constexpr std::string_view kRepeatLabel = "Індекс циклу";
inline constexpr std::string_view kNewText = "Новий";
inline constexpr std::string_view kDeleteText = "Видалити";
inline constexpr std::string_view kOkText = "Підтвердити";
inline constexpr std::string_view kCancelText = "Скасувати";

} // namespace hx
