#include "profile/ProfileOperations.h"

#include "platform/FileIo.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileNames.h"
#include "profile/ProfileTexts.h"

#include <algorithm>
#include <memory>
#include <system_error>

namespace hx {
namespace {

// Entries come from a scan; this keeps a stale or hand-made one from reaching outside the folder.
Status CheckInsideFolder(const std::filesystem::path& folder, const ProfileEntry& entry) {
    if (ValidateProfileName(entry.name) && entry.path == ProfilePath(folder, entry.name))
        return Status::Ok();
    return Error{entry.path.string() + " is not a profile of " + folder.string() + "."};
}

Status MakeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return Error{"Cannot create the profile folder " + folder.string() + ": " + ec.message()};
    return Status::Ok();
}

NameTaken TakenIn(const std::filesystem::path& folder, const std::vector<ProfileEntry>& list) {
    return
        [&folder, &list](const std::string& name) { return ProfileNameTaken(folder, list, name); };
}

} // namespace

Result<std::string> CreateProfile(const std::filesystem::path& folder,
                                  const std::vector<ProfileEntry>& list) {
    if (list.size() >= kMaxProfiles)
        return Error{std::string(kTooManyProfilesText)};
    auto name = NextProfileName(TakenIn(folder, list));
    if (!name)
        return name.error();
    if (Status made = MakeFolder(folder); !made)
        return made.error();
    const DeviceImage empty{};
    if (Status created = CreateFileAtomically(ProfilePath(folder, *name), {BlockBytes(empty)});
        !created)
        return created.error();
    return name;
}

Result<std::string> CopyProfile(const std::filesystem::path& folder,
                                const std::vector<ProfileEntry>& list, const ProfileEntry& source) {
    if (list.size() >= kMaxProfiles)
        return Error{std::string(kTooManyProfilesText)};
    if (Status inside = CheckInsideFolder(folder, source); !inside)
        return inside.error();
    auto file = ReadProfileFile(source.path);
    if (!file)
        return file.error();
    auto name = NextCopyName(source.name, TakenIn(folder, list));
    if (!name)
        return name.error();
    if (Status created = CreateFileAtomically(ProfilePath(folder, *name), {file->bytes}); !created)
        return created.error();
    return name;
}

Status SaveIntoProfile(const std::filesystem::path& folder, const ProfileEntry& target,
                       const AppState& state) {
    if (Status inside = CheckInsideFolder(folder, target); !inside)
        return inside;
    return WriteFileAtomically(target.path, {BlockBytes(state.image), BlockBytes(state.keys)});
}

Status ExportProfile(const std::filesystem::path& target, const AppState& state) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(target, ec);
    const std::uintmax_t size =
        std::filesystem::is_regular_file(status) ? std::filesystem::file_size(target, ec) : 0;
    if (ec || !std::filesystem::is_regular_file(status) ||
        (size != kProfileFileSize && size != kImageOnlyProfileSize))
        return Error{target.string() + " is not a profile file; it was left unchanged."};
    return WriteFileAtomically(target, {BlockBytes(state.image), BlockBytes(state.keys)});
}

Status OpenProfile(const std::filesystem::path& chosen, const std::filesystem::path& folder,
                   const ProfileEntry& selected, AppState& state) {
    if (Status inside = CheckInsideFolder(folder, selected); !inside)
        return inside;
    auto file = ReadProfileFile(chosen);
    if (!file)
        return file.error();
    if (file->ImageIsEmpty())
        return Error{chosen.string() +
                     " holds no configuration yet (a new profile is empty until something is "
                     "saved into it); nothing was loaded."};
    DeviceImage image;
    std::copy_n(file->Image().begin(), image::kSize, image.bytes.begin());
    // 196 KB: kept off the stack.
    auto keys = std::make_unique<KeyTable>(state.keys);
    if (file->HasKeyTable()) {
        const auto source = file->Keys();
        std::copy(source.begin(), source.end(), reinterpret_cast<std::uint8_t*>(keys.get()));
    }
    StampDefaultKeyCodes(*keys);
    if (Status stored = WriteFileAtomically(selected.path, {BlockBytes(image), BlockBytes(*keys)});
        !stored)
        return stored;
    state.image = image;
    state.keys = *keys;
    return Status::Ok();
}

Status DeleteProfile(const std::filesystem::path& folder, const ProfileEntry& target) {
    if (Status inside = CheckInsideFolder(folder, target); !inside)
        return inside;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(target.path, ec)))
        return Error{target.path.string() + " is not a plain file; it was left alone."};
    if (!std::filesystem::remove(target.path, ec) || ec)
        return Error{"Cannot delete " + target.path.string() + ": " +
                     (ec ? ec.message() : std::string("it is gone"))};
    return Status::Ok();
}

Result<std::optional<std::filesystem::path>> RenameTarget(const std::filesystem::path& folder,
                                                          const std::vector<ProfileEntry>& list,
                                                          std::size_t index,
                                                          std::string_view typed) {
    if (index >= list.size())
        return Error{"The renamed profile is no longer listed."};
    if (Status inside = CheckInsideFolder(folder, list[index]); !inside)
        return inside.error();
    const std::string name = NormaliseTypedName(typed);
    if (std::any_of(list.begin(), list.end(),
                    [&](const ProfileEntry& e) { return e.name == name; }))
        return std::optional<std::filesystem::path>();
    if (Status valid = ValidateProfileName(name); !valid)
        return valid.error();
    if (ProfileNameTaken(folder, list, name))
        return Error{"\"" + name + std::string(kProfileExtension) +
                     "\" is already in the profile folder; nothing was renamed."};
    return std::optional<std::filesystem::path>(ProfilePath(folder, name));
}

Status MoveProfile(const std::filesystem::path& folder, const ProfileEntry& entry,
                   const std::filesystem::path& target) {
    if (Status inside = CheckInsideFolder(folder, entry); !inside)
        return inside;
    if (target.parent_path() != folder || target.extension() != kProfileExtension ||
        !ValidateProfileName(target.stem().string()))
        return Error{target.string() + " is not a profile of " + folder.string() + "."};
    return RenameWithoutReplacing(entry.path, target);
}

} // namespace hx
