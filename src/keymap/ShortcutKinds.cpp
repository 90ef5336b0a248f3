#include "keymap/ShortcutKinds.h"

#include "common/Utf16.h"

#include <algorithm>

namespace hx {

std::optional<std::size_t> ShortcutRowOf(std::uint8_t assignType) {
    if (!IsShortcutType(assignType))
        return std::nullopt;
    return static_cast<std::size_t>(assignType - ASSIGN_PLAY_SOUND);
}

namespace {

std::u16string_view UpToZero(std::u16string_view text) {
    return text.substr(0, std::min(text.find(u'\0'), text.size()));
}

} // namespace

ShortcutPathCheck CheckShortcutPath(std::u16string_view path) {
    path = UpToZero(path);
    if (path.empty())
        return ShortcutPathCheck::kEmpty;
    if (path.size() > keyrecord::kLaunchPathMaxChars)
        return ShortcutPathCheck::kTooLong;
    return ShortcutPathCheck::kAccepted;
}

std::string_view ShortcutPathMessage(ShortcutPathCheck check) {
    switch (check) {
    case ShortcutPathCheck::kAccepted:
        return {};
    case ShortcutPathCheck::kEmpty:
        return kSelectFolderMessage;
    case ShortcutPathCheck::kTooLong:
        return kPathTooLongMessage;
    case ShortcutPathCheck::kNotUtf8:
        return kPathNotUtf8Message;
    }
    return {};
}

ShortcutPathCheck AcceptShortcutPath(std::size_t row, const std::filesystem::path& picked,
                                     AssignmentResult& result) {
    const std::string& bytes = picked.native();
    const std::u16string text = Utf8ToUtf16(bytes);
    if (Utf16ToUtf8(text) != bytes)
        return ShortcutPathCheck::kNotUtf8;
    const ShortcutPathCheck check = CheckShortcutPath(text);
    if (check != ShortcutPathCheck::kAccepted || row >= kShortcutRows)
        return check;
    result.chosenPath = text;
    result.assignType = kShortcutKinds[row].assignType;
    return check;
}

std::u16string StoredShortcutPath(const KeyRecord& record) {
    std::u16string path =
        ReadUtf16Le(std::span(record.bytes)
                        .subspan(keyrecord::kLaunchPath.offset, keyrecord::kLaunchPath.size));
    if (path.size() > keyrecord::kLaunchPathMaxChars)
        path.resize(keyrecord::kLaunchPathMaxChars);
    return path;
}

void StoreShortcutPath(KeyRecord& record, std::u16string_view path) {
    const std::u16string_view text = UpToZero(path).substr(0, keyrecord::kLaunchPathMaxChars);
    std::size_t at = keyrecord::kLaunchPath.offset;
    for (const char16_t unit : text) {
        record.bytes[at++] = static_cast<std::uint8_t>(unit & 0xFF);
        record.bytes[at++] = static_cast<std::uint8_t>(unit >> 8);
    }
    record.bytes[at++] = 0;
    record.bytes[at] = 0;
}

std::u16string ShortcutPathLabel(std::u16string_view path) {
    constexpr std::size_t kShortLabel = 14;
    constexpr char16_t kSeparator = u'/';
    if (path.size() < kShortLabel)
        return std::u16string(path);
    std::size_t cut = 0;
    for (std::size_t i = path.size() - 1; i > 0; --i) {
        if (path[i] == kSeparator && i != path.size() - 1) {
            cut = i;
            break;
        }
    }
    return u".." + std::u16string(path.substr(cut));
}

} // namespace hx
