#pragma once

#include "common/Result.h"
#include "config/AppState.h"
#include "profile/ProfileList.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hx {

// The file side of every profile command. `folder` is the profile folder and `list` what
// ScanProfiles found there; no operation ever replaces or removes anything but a listed profile's
// own file inside `folder`, and every write is atomic.

// Creates the next free default name as a new file of 10060 zero bytes (creating the folder when
// it is missing). Returns the name.
Result<std::string> CreateProfile(const std::filesystem::path& folder,
                                  const std::vector<ProfileEntry>& list);

// Copies the profile byte for byte under the next free copy name. Returns the copy's name.
Result<std::string> CopyProfile(const std::filesystem::path& folder,
                                const std::vector<ProfileEntry>& list, const ProfileEntry& source);

// Stores the live image and key table into the profile.
Status SaveIntoProfile(const std::filesystem::path& folder, const ProfileEntry& target,
                       const AppState& state);

// Stores the live blocks into a file the user chose; only an existing profile-sized file is
// replaced, so no unrelated file can be overwritten by mistake.
Status ExportProfile(const std::filesystem::path& target, const AppState& state);

// Loads the chosen file into the live image (and the key table, when the file has one), then
// stores the result into the selected profile. A file that is not a profile, or one holding an
// empty image, changes nothing, and nothing changes in memory unless the profile was stored.
Status OpenProfile(const std::filesystem::path& chosen, const std::filesystem::path& folder,
                   const ProfileEntry& selected, AppState& state);

// Removes the profile's file.
Status DeleteProfile(const std::filesystem::path& folder, const ProfileEntry& target);

// Where list[index] goes when renamed to what the user typed (see NormaliseTypedName): nullopt
// when the name is the profile's own or another listed profile's, so there is nothing to do; an
// error for a name that is not allowed or that anything else in the folder already has.
Result<std::optional<std::filesystem::path>> RenameTarget(const std::filesystem::path& folder,
                                                          const std::vector<ProfileEntry>& list,
                                                          std::size_t index,
                                                          std::string_view typed);

// Moves the profile's file to `target` (from RenameTarget) in one step, never replacing anything.
Status MoveProfile(const std::filesystem::path& folder, const ProfileEntry& entry,
                   const std::filesystem::path& target);

} // namespace hx
