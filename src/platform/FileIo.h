#pragma once

#include "common/Result.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <vector>

namespace hx {

// Writes the parts one after another into a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so a crash leaves either the old file or the new one, never a mix.
Status WriteFileAtomically(const std::filesystem::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts);

struct FileContents {
    bool exists = false;
    std::vector<std::uint8_t> bytes; // at most the limit asked for
    std::uintmax_t size = 0;         // the file's whole size on disk
};

// Reads up to `limit` bytes. A missing file is not an error (exists == false); a file that is
// there but cannot be read is.
Result<FileContents> ReadFileUpTo(const std::filesystem::path& path, std::size_t limit);

// Copies `from` to `to` atomically (used to keep a damaged file before it is replaced).
Status CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// Like WriteFileAtomically, but fails when anything is already at `path` (a file, a folder or a
// link): the new file appears whole or not at all, and nothing there is ever replaced.
Status CreateFileAtomically(const std::filesystem::path& path,
                            std::initializer_list<std::span<const std::uint8_t>> parts);

// Renames `from` to `to` in one step, failing instead of replacing anything already at `to`.
Status RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace hx
