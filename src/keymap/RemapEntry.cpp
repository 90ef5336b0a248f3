#include "keymap/RemapEntry.h"

#include "keymap/KeyCatalogue.h"
#include "keymap/KeyLayout.h"

#include <algorithm>

namespace hx {

std::size_t RemapEntryOffset(std::size_t keyIndex) {
    return image::kKeyRemapTable.offset +
           image::kRemapEntrySize * kKeyLayout[keyIndex].remapEntry();
}

RemapBytes ReadRemapEntry(const DeviceImage& image, std::size_t keyIndex) {
    RemapBytes entry{};
    const std::size_t at = RemapEntryOffset(keyIndex);
    std::copy_n(image.bytes.begin() + at, entry.size(), entry.begin());
    return entry;
}

void WriteRemapEntry(DeviceImage& image, std::size_t keyIndex, const RemapBytes& entry) {
    std::ranges::copy(entry, image.bytes.begin() + RemapEntryOffset(keyIndex));
}

RemapBytes SingleKeyEntry(std::uint8_t deviceCode) {
    // 0x83 is only the low byte of the media-player usage 0x0183; the other consumer codes are
    // whole one-byte usages.
    constexpr std::uint8_t kMediaCode = 0x83;
    if (ClassOfDeviceCode(deviceCode) == DeviceCodeClass::kConsumer)
        return {REMAP_CONSUMER, 0x00, deviceCode,
                static_cast<std::uint8_t>(deviceCode == kMediaCode ? 0x01 : 0x00)};
    return {REMAP_KEYS, 0x00, deviceCode, 0x00};
}

} // namespace hx
