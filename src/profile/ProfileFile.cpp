#include "profile/ProfileFile.h"

#include "platform/FileIo.h"

#include <algorithm>
#include <string>

namespace hx {

bool ProfileFile::ImageIsEmpty() const {
    const auto image = Image();
    return std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == 0; });
}

Result<ProfileFile> ReadProfileFile(const std::filesystem::path& path) {
    // One byte more than a profile holds, so a longer file shows as one.
    auto file = ReadFileUpTo(path, kProfileFileSize + 1);
    if (!file)
        return file.error();
    if (!file->exists)
        return Error{path.string() + " does not exist."};
    const std::size_t size = file->bytes.size();
    if (size != file->size || (size != kProfileFileSize && size != kImageOnlyProfileSize))
        return Error{path.string() + " is not a profile: it holds " + std::to_string(file->size) +
                     " bytes instead of " + std::to_string(kProfileFileSize) + "."};
    return ProfileFile{std::move(file->bytes)};
}

std::span<const std::uint8_t> BlockBytes(const DeviceImage& image) {
    return image.bytes;
}

std::span<const std::uint8_t> BlockBytes(const KeyTable& keys) {
    return {reinterpret_cast<const std::uint8_t*>(&keys), sizeof(keys)};
}

} // namespace hx
