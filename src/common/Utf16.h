#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hx {

// Little-endian UTF-16 as the records store it, up to the first zero unit.
std::u16string ReadUtf16Le(std::span<const std::uint8_t> bytes);
// Writes the text and a terminating zero, truncated to fit `bytes`; the rest is zeroed.
void WriteUtf16Le(std::u16string_view text, std::span<std::uint8_t> bytes);

// Unpaired surrogates become U+FFFD, so any stored path converts.
std::string Utf16ToUtf8(std::u16string_view text);
// Code points (UTF-32, as wchar_t holds them here); invalid ones become U+FFFD.
std::string Utf32ToUtf8(std::u32string_view text);
// Invalid UTF-8 bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

} // namespace hx
