#pragma once

#include "common/Result.h"
#include "config/AppState.h"

#include <filesystem>
#include <string>
#include <vector>

namespace hx {

inline constexpr const char* kProfileFolderName = "Configure";

// One listed profile: its name as shown and the file it stands for.
struct ProfileEntry {
    std::string name;
    std::filesystem::path path;
    friend bool operator==(const ProfileEntry&, const ProfileEntry&) = default;
};

// The data folder's "Configure".
std::filesystem::path ProfileFolderOf(const Folders& folders);
// The file of a profile called `name`: the folder, the name and ".bin".
std::filesystem::path ProfilePath(const std::filesystem::path& folder, const std::string& name);

// The profiles in `folder`: its plain "*.bin" files (no folders, links or hidden files), in name
// order, the first six only. A missing folder holds no profiles.
Result<std::vector<ProfileEntry>> ScanProfiles(const std::filesystem::path& folder);

// Whether `name` is a listed profile's name (exactly, as the file system compares) or anything
// at all already lies at its path.
bool ProfileNameTaken(const std::filesystem::path& folder, const std::vector<ProfileEntry>& list,
                      const std::string& name);

} // namespace hx
