#pragma once

#include "common/Result.h"
#include "config/AppState.h"

#include <filesystem>
#include <optional>
#include <string>

namespace hx {

inline constexpr const char* kKeymapFileName = "keymap.bin";
inline constexpr const char* kMacroFileName = "MacroDefine.bin";
inline constexpr const char* kVersionFileName = "VER.bin";
inline constexpr std::size_t kKeymapFileSize = image::kSize + kKeyTableSize;
static_assert(kKeymapFileSize == 206920);
inline constexpr std::size_t kVersionFileSize = 12;

// What a load did, beyond filling memory.
struct LoadOutcome {
    bool created = false;
    // Set when the file had the wrong size: it was loaded as far as it went and kept beside
    // itself as "<name>.bad"; one line for standard error.
    std::optional<std::string> notice;
};

// Reads keymap.bin into the image and the key table, or only the key table when `keepImage` is
// set (the edits of the image survive, the key table returns to its saved state). Byte 0 of each
// key's record is re-stamped with its default code. A missing file is created from the image as
// it stands and an empty key table.
Result<LoadOutcome> LoadKeymap(AppState& state, bool keepImage = false);

// keymap.bin from any pair of blocks (live ones or snapshots).
Status SaveKeymap(const std::filesystem::path& dataDir, const DeviceImage& image,
                  const KeyTable& keys);
inline Status SaveKeymapFromLive(const AppState& s) {
    return SaveKeymap(s.folders.data, s.image, s.keys);
}
inline Status SaveKeymapFromSnapshots(const AppState& s) {
    return SaveKeymap(s.folders.data, s.imageSnapshot, s.keysSnapshot);
}

// Reads MacroDefine.bin into the library, or creates it from the library as it stands.
Result<LoadOutcome> LoadOrCreateMacroLibrary(AppState& state);
Status SaveMacroLibrary(const AppState& state);

// Digits at characters 5 and 7 of VER.bin; (0, 0) when the file is missing, short or either
// character is not a digit.
ExpectedVersion ReadVersionFile(const std::filesystem::path& resourceDir);

// Writes each key's default code into byte 0 of its record.
void StampDefaultKeyCodes(KeyTable& keys);

} // namespace hx
