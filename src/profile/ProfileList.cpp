#include "profile/ProfileList.h"

#include "profile/ProfileNames.h"

#include <algorithm>
#include <system_error>

namespace hx {

std::filesystem::path ProfileFolderOf(const Folders& folders) {
    return folders.data / kProfileFolderName;
}

std::filesystem::path ProfilePath(const std::filesystem::path& folder, const std::string& name) {
    return folder / (name + std::string(kProfileExtension));
}

Result<std::vector<ProfileEntry>> ScanProfiles(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::vector<ProfileEntry> found;
    std::error_code ec;
    const fs::file_status folderStatus = fs::status(folder, ec);
    if (folderStatus.type() == fs::file_type::not_found)
        return found;
    if (!fs::is_directory(folderStatus))
        return Error{"The profile folder " + folder.string() + " is not a folder."};
    fs::directory_iterator it(folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.front() == '.' || file.size() <= kProfileExtension.size() ||
            !file.ends_with(kProfileExtension))
            continue;
        // Only plain files: a link could make a save or a delete reach outside the folder.
        std::error_code typeError;
        if (!fs::is_regular_file(it->symlink_status(typeError)) || typeError)
            continue;
        found.push_back({file.substr(0, file.size() - kProfileExtension.size()), it->path()});
    }
    if (ec)
        return Error{"Cannot read the profile folder " + folder.string() + ": " + ec.message()};
    // Directory order is arbitrary here; name order keeps the list and its first six stable.
    std::sort(found.begin(), found.end(),
              [](const ProfileEntry& a, const ProfileEntry& b) { return a.name < b.name; });
    if (found.size() > kMaxProfiles)
        found.resize(kMaxProfiles);
    return found;
}

bool ProfileNameTaken(const std::filesystem::path& folder, const std::vector<ProfileEntry>& list,
                      const std::string& name) {
    if (std::any_of(list.begin(), list.end(),
                    [&](const ProfileEntry& e) { return e.name == name; }))
        return true;
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(ProfilePath(folder, name), ec);
    // Anything but a clear "not there" counts as taken, so nothing is ever replaced.
    return status.type() != std::filesystem::file_type::not_found;
}

} // namespace hx
