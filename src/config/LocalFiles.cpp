#include "config/LocalFiles.h"

#include "keymap/KeyLayout.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <cstring>

namespace hx {
namespace {

std::span<const std::uint8_t> BytesOf(const auto& block) {
    return {reinterpret_cast<const std::uint8_t*>(&block), sizeof(block)};
}

// Copies as much of `source` as there is into `target`, from `offset`; the rest of `target`
// keeps what it held. Returns the bytes consumed.
std::size_t FillFrom(std::span<const std::uint8_t> source, std::size_t offset, void* target,
                     std::size_t size) {
    if (offset >= source.size())
        return 0;
    const std::size_t n = std::min(size, source.size() - offset);
    std::memcpy(target, source.data() + offset, n);
    return n;
}

// A file of the wrong size is still used as far as it goes, but kept first, so that the next
// save cannot destroy whatever the user had there.
std::optional<std::string> KeepWrongSizedFile(const std::filesystem::path& path,
                                              std::uintmax_t size, std::size_t expected) {
    if (size == expected)
        return std::nullopt;
    std::filesystem::path bad = path;
    bad += ".bad";
    std::string line = path.string() + " has " + std::to_string(size) + " bytes instead of " +
                       std::to_string(expected) + "; loaded as far as it goes";
    if (Status kept = CopyFileAtomically(path, bad); kept)
        line += ", original kept as " + bad.string();
    else
        line += "; could not keep the original: " + kept.error().message;
    return line;
}

} // namespace

void StampDefaultKeyCodes(KeyTable& keys) {
    for (std::size_t k = 0; k < kKeyCount; ++k)
        keys[k].at(keyrecord::kDefaultVk) = kKeyLayout[k].defaultVk;
}

Status SaveKeymap(const std::filesystem::path& dataDir, const DeviceImage& image,
                  const KeyTable& keys) {
    return WriteFileAtomically(dataDir / kKeymapFileName, {BytesOf(image), BytesOf(keys)});
}

Result<LoadOutcome> LoadKeymap(AppState& state, bool keepImage) {
    const std::filesystem::path path = state.folders.data / kKeymapFileName;
    auto file = ReadFileUpTo(path, kKeymapFileSize);
    if (!file)
        return file.error();
    LoadOutcome outcome;
    if (!file->exists) {
        // A file that cannot be written leaves memory as it was.
        if (Status saved = SaveKeymap(state.folders.data, state.image, KeyTable{}); !saved)
            return saved.error();
        state.keys = KeyTable{};
        outcome.created = true;
        return outcome;
    }
    outcome.notice = KeepWrongSizedFile(path, file->size, kKeymapFileSize);
    const std::span<const std::uint8_t> bytes = file->bytes;
    if (!keepImage)
        FillFrom(bytes, 0, state.image.bytes.data(), image::kSize);
    FillFrom(bytes, image::kSize, &state.keys, kKeyTableSize);
    StampDefaultKeyCodes(state.keys);
    return outcome;
}

Result<LoadOutcome> LoadOrCreateMacroLibrary(AppState& state) {
    const std::filesystem::path path = state.folders.data / kMacroFileName;
    auto file = ReadFileUpTo(path, macrolib::kSize);
    if (!file)
        return file.error();
    LoadOutcome outcome;
    if (!file->exists) {
        if (Status saved = SaveMacroLibrary(state); !saved)
            return saved.error();
        outcome.created = true;
        return outcome;
    }
    outcome.notice = KeepWrongSizedFile(path, file->size, macrolib::kSize);
    FillFrom(file->bytes, 0, state.macroLibrary.bytes().data(), macrolib::kSize);
    return outcome;
}

Status SaveMacroLibrary(const AppState& state) {
    return WriteFileAtomically(state.folders.data / kMacroFileName, {state.macroLibrary.bytes()});
}

ExpectedVersion ReadVersionFile(const std::filesystem::path& resourceDir) {
    constexpr std::size_t kMajorAt = 5;
    constexpr std::size_t kMinorAt = 7;
    auto file = ReadFileUpTo(resourceDir / kVersionFileName, kVersionFileSize);
    if (!file || file->bytes.size() <= kMinorAt)
        return {};
    const auto digit = [](std::uint8_t c) { return c >= '0' && c <= '9'; };
    const std::uint8_t major = file->bytes[kMajorAt];
    const std::uint8_t minor = file->bytes[kMinorAt];
    if (!digit(major) || !digit(minor))
        return {};
    return {static_cast<std::uint8_t>(major - '0'), static_cast<std::uint8_t>(minor - '0')};
}

} // namespace hx
