#pragma once

#include "config/KeyTable.h"
#include "platform/Shell.h"

#include <cstdint>
#include <optional>
#include <string>

namespace hx {

struct ShortcutTarget {
    std::string directory; // UTF-8
    std::string file;      // empty when the stored path has no separator
};

// The first record (0..254) with a launch assignment whose byte 0 is `code`, its stored path
// split at the last separator.
std::optional<ShortcutTarget> FindShortcut(const KeyTable& keys, std::uint8_t code);

// What the keyboard's report of a launch key does: open the stored path. Nothing when no record
// matches.
Status LaunchShortcut(const KeyTable& keys, std::uint8_t code, Shell& shell);

} // namespace hx
