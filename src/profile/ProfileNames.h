#pragma once

#include "common/Result.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace hx {

inline constexpr std::size_t kMaxProfiles = 6;
inline constexpr std::string_view kProfileExtension = ".bin";
// A name is also a file name: it has to fit the file system's 255 bytes with the extension.
inline constexpr std::size_t kMaxProfileNameChars = 100;
inline constexpr std::size_t kMaxProfileNameBytes = 255 - kProfileExtension.size();

// Whether a candidate name is already used (by a listed profile or by anything on disk).
using NameTaken = std::function<bool(const std::string&)>;

// "Конфігурація_1" .. "Конфігурація_9", "Конфігурація010" .. "Конфігурація098",
// "Конфігурація99" and on.
std::string DefaultProfileName(int number);
// n = 0: the copy prefix, a blank and the source; from 1 on also a blank and n.
std::string CopyProfileName(std::string_view source, int n);

// The first default name, from 1 on, that is not taken.
Result<std::string> NextProfileName(const NameTaken& taken);
// The first copy name of `source`, from n = 0 on, that is not taken.
Result<std::string> NextCopyName(std::string_view source, const NameTaken& taken);

// What the user typed as a name: surrounding blanks dropped, and a ".bin" typed at the end
// dropped too, since the extension is added to every name.
std::string NormaliseTypedName(std::string_view typed);

// A name must stay one file inside the profile folder: not empty, no path separators, no
// leading dot (".", ".." and hidden files), no control characters, valid UTF-8, and short
// enough for a file name.
Status ValidateProfileName(std::string_view name);

} // namespace hx
