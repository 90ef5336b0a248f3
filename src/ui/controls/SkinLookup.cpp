#include "ui/controls/SkinLookup.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace hx {
namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// One path segment below `dir`: the exact entry, else the first case-blind match in name order.
std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& dir,
                                               std::string_view segment) {
    std::error_code ec;
    const std::filesystem::path exact = dir / std::string(segment);
    if (std::filesystem::exists(exact, ec)) {
        return exact;
    }
    std::optional<std::string> best;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, segment) && (!best || entry < *best)) {
            best = entry;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return dir / *best;
}

} // namespace

std::optional<std::filesystem::path> FindSkinFile(const std::filesystem::path& folder,
                                                  std::string_view name) {
    std::filesystem::path current = folder;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t slash = std::min(name.find('/', start), name.size());
        const std::string_view segment = name.substr(start, slash - start);
        start = slash + 1;
        if (segment.empty() || segment == "." || segment == "..") {
            // Skin names are bare names below the skin folder; nothing leads out of it.
            return std::nullopt;
        }
        auto next = FindEntry(current, segment);
        if (!next) {
            return std::nullopt;
        }
        current = std::move(*next);
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(current, ec)) {
        return std::nullopt;
    }
    return current;
}

std::optional<FileStamp> ReadFileStamp(const std::filesystem::path& path) {
    std::error_code ec;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, ec);
    if (ec) {
        return std::nullopt;
    }
    stamp.modified = std::filesystem::last_write_time(path, ec);
    if (ec) {
        return std::nullopt;
    }
    return stamp;
}

} // namespace hx
