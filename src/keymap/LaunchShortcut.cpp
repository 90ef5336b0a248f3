#include "keymap/LaunchShortcut.h"

#include "common/Utf16.h"

namespace hx {

std::optional<ShortcutTarget> FindShortcut(const KeyTable& keys, std::uint8_t code) {
    for (const KeyRecord& record : keys.records) {
        const std::uint8_t type = record.at(keyrecord::kAssignType);
        if (type < keyrecord::kFirstLaunchType || type > keyrecord::kLastLaunchType ||
            record.at(keyrecord::kDefaultVk) != code)
            continue;
        const auto stored =
            std::span(record.bytes)
                .subspan(keyrecord::kLaunchPath.offset, keyrecord::kLaunchPath.size);
        std::u16string path = ReadUtf16Le(stored);
        if (path.size() > keyrecord::kLaunchPathMaxChars)
            path.resize(keyrecord::kLaunchPathMaxChars);
        const std::string text = Utf16ToUtf8(path);
        const std::size_t cut = text.find_last_of('/');
        if (cut == std::string::npos)
            return ShortcutTarget{text, {}};
        return ShortcutTarget{text.substr(0, cut), text.substr(cut + 1)};
    }
    return std::nullopt;
}

Status LaunchShortcut(const KeyTable& keys, std::uint8_t code, Shell& shell) {
    const auto target = FindShortcut(keys, code);
    if (!target)
        return Status::Ok();
    const std::filesystem::path dir = target->directory.empty() ? "/" : target->directory;
    return shell.OpenPath(dir / target->file, dir);
}

} // namespace hx
