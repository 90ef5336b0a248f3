#pragma once

#include "config/AppState.h"
#include "platform/UiServices.h"
#include "profile/ProfileList.h"
#include "profile/ProfileTexts.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace hx {

// What the profile manager does for each command, with its questions and messages; the dialog
// keeps only the list's selection and drawing. Every command ends with a rescan, so the list
// always shows the folder.
class ProfileManager {
public:
    ProfileManager(AppState& state, UiServices& ui);

    const std::filesystem::path& folder() const { return folder_; }
    const std::vector<ProfileEntry>& profiles() const { return profiles_; }
    // Whether a profile was loaded into the live blocks since the manager was made.
    bool loaded() const { return loaded_; }

    // Rescans the folder; one that cannot be read is reported and lists nothing.
    void Refresh();

    // Runs a command on the profile at list position `selected` (-1: none). Returns the position
    // to select afterwards: the profile made or acted on, or -1.
    int Run(ProfileCommand command, int selected);

    // The list's editor committed `typed` for the profile at list position `index`. Returns the
    // position to select afterwards.
    int Rename(int index, std::string_view typed);

private:
    int New();
    int Copy(int selected);
    int Save(int selected);
    int Open(int selected);
    int Delete(int selected);

    const ProfileEntry* Selected(int selected) const;
    FileDialogRequest DialogRequest(FileDialogMode mode) const;
    void Tell(std::string_view text);
    void TellIfFailed(const Status& status);
    // Rescans and finds `name` in the new list.
    int RefreshAndFind(const std::string& name);

    AppState& state_;
    UiServices& ui_;
    std::filesystem::path folder_;
    std::vector<ProfileEntry> profiles_;
    bool loaded_ = false;
};

} // namespace hx
