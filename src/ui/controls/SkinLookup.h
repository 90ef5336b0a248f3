#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace hx {

// Finds `name` (segments separated by '/') below `folder`, ignoring ASCII case in every
// segment, the way the skin's mixed-case names were found on a case-blind file system. An
// exact match wins; among case-blind matches the first in name order. Regular files only.
std::optional<std::filesystem::path> FindSkinFile(const std::filesystem::path& folder,
                                                  std::string_view name);

// What tells a replaced file from the one decoded before.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file's stamp, or nothing when it is gone or not a regular file.
std::optional<FileStamp> ReadFileStamp(const std::filesystem::path& path);

} // namespace hx
