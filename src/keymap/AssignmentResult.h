#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace hx {

// Assignment types: KeyRecord byte 1 and the key-assignment dialog's assignType.
inline constexpr std::uint8_t ASSIGN_KEY = 0;
inline constexpr std::uint8_t ASSIGN_COMBO = 1;
inline constexpr std::uint8_t ASSIGN_MACRO = 2;
inline constexpr std::uint8_t ASSIGN_FUNCTION = 3;
inline constexpr std::uint8_t ASSIGN_PLAY_SOUND = 4;
inline constexpr std::uint8_t ASSIGN_RUN_PROGRAM = 5;
inline constexpr std::uint8_t ASSIGN_OPEN_FILE = 6;
inline constexpr std::uint8_t ASSIGN_OPEN_FOLDER = 7;
// Only in the dialog's result, never stored: give the key back its own function.
inline constexpr std::uint8_t ASSIGN_DEFAULT = 8;
// Nothing chosen (the advanced page before a file was picked); also stored in byte 1 when that
// page's tab was clicked.
inline constexpr std::uint8_t ASSIGN_NONE = 0xFF;

inline constexpr bool IsShortcutType(std::uint8_t type) {
    return type >= ASSIGN_PLAY_SOUND && type <= ASSIGN_OPEN_FOLDER;
}

namespace assignment {
inline constexpr std::size_t kChosenKeysSize = 255;
// chosenLength after the Reset button.
inline constexpr std::uint32_t kResetLength = 255;
// chosenFunction and chosenPath hold 256 UTF-16 units with the terminator.
inline constexpr std::size_t kTextMaxChars = 255;
inline constexpr std::int32_t kNoMacro = -1;
} // namespace assignment

// What the key-assignment dialog (CKeyMap) leaves for the encoder when it closes with OK. The
// dialog sets it up again at every opening; Cancel leaves nothing to encode. The dialog's own
// state (page, disableTicked, shortcutRow, radio cell, focus-once flag) stays in the dialog.
struct AssignmentResult {
    std::uint8_t assignType = ASSIGN_NONE;
    // Captured virtual-key codes in capture order; unused bytes 0.
    std::array<std::uint8_t, assignment::kChosenKeysSize> chosenKeys{};
    // Number of captured keys; kResetLength = the Reset button was used.
    std::uint32_t chosenLength = 0;
    // Text of the function-tree item chosen on page 2, compared with FunctionCatalogue names.
    std::u16string chosenFunction;
    // Path chosen on page 3 (ShortcutKinds.h checks it); at most 255 UTF-16 units.
    std::u16string chosenPath;
    // Line of the macro list chosen on page 1; kNoMacro = none.
    std::int32_t chosenMacro = assignment::kNoMacro;
    // 1 = the key stays enabled, 0 = the disable tick box was ticked.
    std::uint8_t keyEnabled = 1;

    friend bool operator==(const AssignmentResult&, const AssignmentResult&) = default;
};

} // namespace hx
