#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hx {

// What a virtual-key code is called and which code the keyboard understands for it.
struct KeyCatalogueEntry {
    std::uint8_t index;             // the virtual-key code itself
    std::uint8_t deviceCode;        // 0 = none
    std::array<char16_t, 100> name; // UTF-16, zero-terminated, at most 99 characters

    constexpr std::u16string_view Name() const {
        std::size_t n = 0;
        while (n < name.size() && name[n] != 0)
            ++n;
        return {name.data(), n};
    }
};
static_assert(sizeof(KeyCatalogueEntry) == 202);

using KeyCatalogue = std::array<KeyCatalogueEntry, 256>;

// Device code classes; the class decides how an assignment is encoded.
enum class DeviceCodeClass { kNone, kKeyboard, kConsumer, kMouse };
DeviceCodeClass ClassOfDeviceCode(std::uint8_t code);

// Fills every entry: regular ranges first, then entry 0x30, then the listed entries.
KeyCatalogue BuildKeyCatalogue();

// The one catalogue, built at compile time: it never changes while the program runs.
extern const KeyCatalogue kKeyCatalogue;

inline std::u16string_view KeyName(std::uint8_t vk) {
    return kKeyCatalogue[vk].Name();
}
inline std::uint8_t DeviceCodeOf(std::uint8_t vk) {
    return kKeyCatalogue[vk].deviceCode;
}

} // namespace hx
