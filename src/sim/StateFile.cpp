#include "sim/StateFile.h"

#include "platform/FileIo.h"

#include <array>
#include <cstring>
#include <span>
#include <string>

namespace hx::sim {
namespace {

// Layout: magic (8), format version (1), firmware major (1), firmware minor (1), reserved (1),
// the 10060 image bytes, then an FNV-1a check value over everything before it (4, little end).
constexpr std::array<std::uint8_t, 8> kMagic{'H', 'X', 'V', 'K', 'B', 'D', 0x1A, 0x00};
constexpr std::uint8_t kFormatVersion = 1;
constexpr std::size_t kHeaderSize = kMagic.size() + 4;
constexpr std::size_t kCheckSize = 4;
constexpr std::size_t kFileSize = kHeaderSize + image::kSize + kCheckSize;

std::uint32_t Fnv1a(std::span<const std::uint8_t> bytes, std::uint32_t h = 2166136261u) {
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 16777619u;
    }
    return h;
}

std::array<std::uint8_t, kHeaderSize> Header(const KeyboardMemory& m) {
    std::array<std::uint8_t, kHeaderSize> h{};
    std::memcpy(h.data(), kMagic.data(), kMagic.size());
    h[kMagic.size()] = kFormatVersion;
    h[kMagic.size() + 1] = m.firmwareMajor;
    h[kMagic.size() + 2] = m.firmwareMinor;
    return h;
}

Error Refused(const std::filesystem::path& file, const std::string& why) {
    return Error{"virtual keyboard state " + file.string() + " " + why};
}

} // namespace

Status SaveMemory(const std::filesystem::path& file, const KeyboardMemory& memory) {
    const auto header = Header(memory);
    const std::uint32_t check = Fnv1a(memory.image.bytes, Fnv1a(header));
    const std::array<std::uint8_t, kCheckSize> trailer{
        static_cast<std::uint8_t>(check), static_cast<std::uint8_t>(check >> 8),
        static_cast<std::uint8_t>(check >> 16), static_cast<std::uint8_t>(check >> 24)};
    return WriteFileAtomically(file, {header, memory.image.bytes, trailer});
}

Result<KeyboardMemory> LoadMemory(const std::filesystem::path& file) {
    // One byte over the expected size tells a too-long file from a right one.
    auto read = ReadFileUpTo(file, kFileSize + 1);
    if (!read)
        return read.error();
    if (!read->exists)
        return Refused(file, "does not exist");
    const std::vector<std::uint8_t>& bytes = read->bytes;
    if (bytes.size() < kMagic.size() ||
        std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0)
        return Refused(file, "is not a virtual keyboard state file");
    if (bytes.size() > kMagic.size() && bytes[kMagic.size()] != kFormatVersion)
        return Refused(file,
                       "has unsupported format version " + std::to_string(bytes[kMagic.size()]));
    if (bytes.size() != kFileSize)
        return Refused(file, "has " + std::to_string(read->size) + " bytes, expected " +
                                 std::to_string(kFileSize));

    const auto body = std::span(bytes).first(kFileSize - kCheckSize);
    const std::uint32_t stored = bytes[kFileSize - 4] | bytes[kFileSize - 3] << 8 |
                                 bytes[kFileSize - 2] << 16 |
                                 static_cast<std::uint32_t>(bytes[kFileSize - 1]) << 24;
    if (Fnv1a(body) != stored)
        return Refused(file, "is damaged (check value does not match)");

    KeyboardMemory m;
    m.firmwareMajor = bytes[kMagic.size() + 1];
    m.firmwareMinor = bytes[kMagic.size() + 2];
    std::memcpy(m.image.bytes.data(), bytes.data() + kHeaderSize, image::kSize);
    return m;
}

} // namespace hx::sim
