#include "profile/ProfileNames.h"

#include "profile/ProfileTexts.h"

#include <optional>

namespace hx {
namespace {

// Enough for any folder a person keeps; stops the search when a predicate says "taken" for ever.
constexpr int kMaxCandidates = 10000;

// Code points of valid UTF-8, or nullopt when the bytes are not UTF-8.
std::optional<std::size_t> CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t value = 0;
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        i += length;
    }
    return count;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string DefaultProfileName(int number) {
    const std::string base(kProfileTitle);
    if (number < 10)
        return base + "_" + std::to_string(number);
    if (number < 99)
        return base + "0" + std::to_string(number);
    return base + std::to_string(number);
}

std::string CopyProfileName(std::string_view source, int n) {
    std::string name(kCopyPrefix);
    name += ' ';
    name += source;
    if (n > 0) {
        name += ' ';
        name += std::to_string(n);
    }
    return name;
}

Result<std::string> NextProfileName(const NameTaken& taken) {
    for (int i = 1; i <= kMaxCandidates; ++i) {
        std::string name = DefaultProfileName(i);
        if (!taken(name))
            return name;
    }
    return Error{"No free profile name was found."};
}

Result<std::string> NextCopyName(std::string_view source, const NameTaken& taken) {
    for (int n = 0; n <= kMaxCandidates; ++n) {
        std::string name = CopyProfileName(source, n);
        if (Status valid = ValidateProfileName(name); !valid)
            return Error{"The copy of \"" + std::string(source) +
                         "\" cannot be named: " + valid.error().message};
        if (!taken(name))
            return name;
    }
    return Error{"No free name was found for a copy of \"" + std::string(source) + "\"."};
}

std::string NormaliseTypedName(std::string_view typed) {
    std::string_view name = Trim(typed);
    if (name.size() > kProfileExtension.size() && name.ends_with(kProfileExtension))
        name = Trim(name.substr(0, name.size() - kProfileExtension.size()));
    return std::string(name);
}

Status ValidateProfileName(std::string_view name) {
    if (Trim(name).empty())
        return Error{"A profile needs a name."};
    if (name.find_first_of("/\\") != std::string_view::npos)
        return Error{"A profile name cannot contain \"/\" or \"\\\"."};
    if (name.front() == '.')
        return Error{"A profile name cannot begin with a dot."};
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            return Error{"A profile name cannot contain control characters."};
    }
    const std::optional<std::size_t> chars = CountCodePoints(name);
    if (!chars)
        return Error{"A profile name must be valid UTF-8 text."};
    if (*chars > kMaxProfileNameChars || name.size() > kMaxProfileNameBytes)
        return Error{"A profile name can have at most " + std::to_string(kMaxProfileNameChars) +
                     " characters."};
    return Status::Ok();
}

} // namespace hx
