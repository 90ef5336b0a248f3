#pragma once

#include "config/KeyTable.h"
#include "keymap/AssignmentResult.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace hx {

// The four launch kinds, one per row of the assignment dialog's advanced page. The kind only
// decides the chooser and the row shown when the dialog reopens; the launch is the same for all.
struct ShortcutKind {
    std::size_t row;
    std::uint8_t assignType;
    std::string_view labelTop, labelBottom; // UTF-8 row label, two lines
    bool folder;                            // folder browser instead of an open-file dialog
    // Open-file dialog only (empty for the folder row).
    std::string_view defaultExtension; // ".mp3"
    std::string_view initialFileName;  // "*.mp3"
    std::string_view filterText;       // "mp3 Files(*.mp3)": also the custom filter description
    std::string_view pattern;          // "*.mp3": the custom filter pattern
};

inline constexpr std::size_t kShortcutRows = 4;
inline constexpr std::array<ShortcutKind, kShortcutRows> kShortcutKinds{{
    {0, ASSIGN_PLAY_SOUND, "Увімкнути", "гучність", false, ".mp3", "*.mp3", "mp3 Files(*.mp3)",
     "*.mp3"},
    {1, ASSIGN_RUN_PROGRAM, "Адміністратор", "запуску вікон", false, ".exe", "*.exe",
     "exe Files(*.exe)", "*.exe"},
    {2, ASSIGN_OPEN_FILE, "Відкрити", "файл", false, ".txt", "*.txt", "txt Files(*.txt)", "*.txt"},
    {3, ASSIGN_OPEN_FOLDER, "Відкрити", "каталог", true, {}, {}, {}, {}},
}};

inline constexpr std::string_view kFolderBrowserTitle = "modification path";

// The row of a stored shortcut type, or nothing for any other type.
std::optional<std::size_t> ShortcutRowOf(std::uint8_t assignType);

// What a chooser's answer may be stored as. The record holds 255 UTF-16 units and a terminator;
// a path that does not fit, or whose bytes are not UTF-8 and so cannot be stored and given back
// the same, is refused rather than changed, because a changed path would open something else.
enum class ShortcutPathCheck {
    kAccepted,
    kEmpty,   // the folder browser's item had no file-system path
    kTooLong, // more than 255 UTF-16 units
    kNotUtf8, // a file name in another encoding
};
// The path counts up to its first zero unit, as the stored record does.
ShortcutPathCheck CheckShortcutPath(std::u16string_view path);

// The message box text for a refused path (OK button only); empty for kAccepted.
inline constexpr std::string_view kSelectFolderMessage = "Please select a folder\n";
inline constexpr std::string_view kPathTooLongMessage =
    "The path is too long: at most 255 characters\n";
inline constexpr std::string_view kPathNotUtf8Message =
    "The path cannot be stored: its name is not UTF-8\n";
std::string_view ShortcutPathMessage(ShortcutPathCheck check);

// A chooser of row `row` returned `picked`: when the path is accepted, chosenPath = its UTF-16
// text and assignType = the row's type (the dialog then sets its shortcutRow to `row`);
// otherwise the result is unchanged. Returns the check for the dialog's message box.
ShortcutPathCheck AcceptShortcutPath(std::size_t row, const std::filesystem::path& picked,
                                     AssignmentResult& result);

// The path stored in a key record (up to the terminator, at most 255 units).
std::u16string StoredShortcutPath(const KeyRecord& record);
// Writes the path and its terminating zero at offset 260, cut to 255 units; the bytes after the
// terminator keep what they held.
void StoreShortcutPath(KeyRecord& record, std::u16string_view path);

// The path as the advanced page shows it: unchanged below 14 characters, otherwise ".." and the
// path from its last '/'; a separator at the first or the
// last position is not a cut point, and without one the whole path follows the "..".
std::u16string ShortcutPathLabel(std::u16string_view path);

} // namespace hx
