#pragma once

#include "common/Result.h"
#include "config/DeviceImage.h"
#include "config/KeyTable.h"
#include "config/LocalFiles.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace hx {

// A profile file has the layout of keymap.bin: the image, then the key table. New leaves only
// the image part, all zero.
inline constexpr std::size_t kProfileFileSize = kKeymapFileSize;
inline constexpr std::size_t kImageOnlyProfileSize = image::kSize;

// A profile file's bytes, of one of the two sizes above.
struct ProfileFile {
    std::vector<std::uint8_t> bytes;

    bool HasKeyTable() const { return bytes.size() == kProfileFileSize; }
    std::span<const std::uint8_t> Image() const { return {bytes.data(), image::kSize}; }
    std::span<const std::uint8_t> Keys() const {
        return std::span<const std::uint8_t>(bytes).subspan(image::kSize);
    }
    // An all-zero image is no configuration at all: every key disabled, every setting 0.
    bool ImageIsEmpty() const;
};

// Reads a profile file; a missing file, an unreadable one or one of any other size is an error.
Result<ProfileFile> ReadProfileFile(const std::filesystem::path& path);

std::span<const std::uint8_t> BlockBytes(const DeviceImage& image);
std::span<const std::uint8_t> BlockBytes(const KeyTable& keys);

} // namespace hx
