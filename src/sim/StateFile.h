#pragma once

#include "common/Result.h"
#include "sim/KeyboardMemory.h"

#include <filesystem>

namespace hx::sim {

// The keyboard's memory kept in a file between runs. The file starts with a magic and a format
// version and ends with a check value, so a foreign, truncated or damaged file is refused with
// a clear message instead of being taken for settings.
Status SaveMemory(const std::filesystem::path& file, const KeyboardMemory& memory);
Result<KeyboardMemory> LoadMemory(const std::filesystem::path& file);

} // namespace hx::sim
