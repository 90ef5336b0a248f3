#include "profile/ProfileManager.h"

#include "profile/ProfileNames.h"
#include "profile/ProfileOperations.h"

#include <algorithm>
#include <iostream>
#include <string>

namespace hx {

ProfileManager::ProfileManager(AppState& state, UiServices& ui)
    : state_(state), ui_(ui), folder_(ProfileFolderOf(state.folders)) {}

void ProfileManager::Refresh() {
    auto scanned = ScanProfiles(folder_);
    if (!scanned) {
        profiles_.clear();
        Tell(scanned.error().message);
        return;
    }
    profiles_ = std::move(*scanned);
}

int ProfileManager::RefreshAndFind(const std::string& name) {
    Refresh();
    const auto it = std::find_if(profiles_.begin(), profiles_.end(),
                                 [&](const ProfileEntry& e) { return e.name == name; });
    return it == profiles_.end() ? -1 : static_cast<int>(it - profiles_.begin());
}

const ProfileEntry* ProfileManager::Selected(int selected) const {
    if (selected < 0 || selected >= static_cast<int>(profiles_.size()))
        return nullptr;
    return &profiles_[static_cast<std::size_t>(selected)];
}

void ProfileManager::Tell(std::string_view text) {
    ui_.ShowMessage(std::string(text), std::string(kProfileCaption), MessageButtons::kOk);
}

void ProfileManager::TellIfFailed(const Status& status) {
    if (!status)
        Tell(status.error().message);
}

FileDialogRequest ProfileManager::DialogRequest(FileDialogMode mode) const {
    FileDialogRequest r;
    r.mode = mode;
    r.folder = state_.folders.data;
    r.initialName = std::string(kProfileFilterPattern);
    r.filter = std::string(kProfileFilterName);
    r.defaultSuffix = std::string(kProfileDefaultSuffix);
    r.mustExist = true;
    return r;
}

int ProfileManager::Run(ProfileCommand command, int selected) {
    switch (command) {
    case ProfileCommand::kNew:
        return New();
    case ProfileCommand::kCopy:
        return Copy(selected);
    case ProfileCommand::kSave:
        return Save(selected);
    case ProfileCommand::kOpen:
        return Open(selected);
    case ProfileCommand::kDelete:
        return Delete(selected);
    }
    return -1;
}

int ProfileManager::New() {
    auto created = CreateProfile(folder_, profiles_);
    if (!created) {
        Tell(created.error().message);
        Refresh();
        return -1;
    }
    return RefreshAndFind(*created);
}

int ProfileManager::Copy(int selected) {
    const ProfileEntry* source = Selected(selected);
    if (!source) {
        Tell(kSelectToCopyText);
        return -1;
    }
    // A seventh profile is refused without a word, as the list is simply full.
    if (profiles_.size() >= kMaxProfiles)
        return selected;
    auto copied = CopyProfile(folder_, profiles_, *source);
    if (!copied) {
        const std::string name = source->name;
        Tell(copied.error().message);
        return RefreshAndFind(name);
    }
    return RefreshAndFind(*copied);
}

int ProfileManager::Save(int selected) {
    const ProfileEntry* target = Selected(selected);
    if (!target) {
        Tell(kSelectToSaveText);
        return -1;
    }
    const ProfileEntry entry = *target;
    // The dialog only offers a second, optional place; the profile itself is saved either way.
    const auto chosen = ui_.ChooseFile(DialogRequest(FileDialogMode::kSave));
    TellIfFailed(SaveIntoProfile(folder_, entry, state_));
    if (chosen && *chosen != entry.path)
        TellIfFailed(ExportProfile(*chosen, state_));
    return RefreshAndFind(entry.name);
}

int ProfileManager::Open(int selected) {
    const ProfileEntry* target = Selected(selected);
    if (!target) {
        Tell(kSelectToOpenText);
        return -1;
    }
    const ProfileEntry entry = *target;
    // Without a confirmed file nothing is loaded, and the profile keeps what it holds.
    if (const auto chosen = ui_.ChooseFile(DialogRequest(FileDialogMode::kOpen))) {
        const Status opened = OpenProfile(*chosen, folder_, entry, state_);
        TellIfFailed(opened);
        loaded_ = loaded_ || opened.ok();
    }
    return RefreshAndFind(entry.name);
}

int ProfileManager::Delete(int selected) {
    if (profiles_.size() == 1) {
        Tell(kKeepOneProfileText);
        return selected;
    }
    const ProfileEntry* target = Selected(selected);
    if (!target) {
        Tell(kSelectToDeleteText);
        return -1;
    }
    const ProfileEntry entry = *target;
    if (ui_.ShowMessage(std::string(kDeleteQuestion), std::string(kProfileCaption),
                        MessageButtons::kOkCancel) == MessageAnswer::kOk) {
        TellIfFailed(DeleteProfile(folder_, entry));
        Refresh();
        return -1;
    }
    return RefreshAndFind(entry.name);
}

int ProfileManager::Rename(int index, std::string_view typed) {
    if (index < 0 || index >= static_cast<int>(profiles_.size())) {
        Refresh();
        return -1;
    }
    const ProfileEntry entry = profiles_[static_cast<std::size_t>(index)];
    auto target = RenameTarget(folder_, profiles_, static_cast<std::size_t>(index), typed);
    if (!target) {
        Tell(target.error().message);
        return RefreshAndFind(entry.name);
    }
    if (!*target)
        return RefreshAndFind(entry.name);
    if (Status moved = MoveProfile(folder_, entry, **target); !moved) {
        // The manager's own short answer; the reason goes to the terminal.
        std::cerr << "hxtr720: " << moved.error().message << '\n';
        ui_.ShowMessage(std::string(kRenameFailedText), "", MessageButtons::kOk);
        return RefreshAndFind(entry.name);
    }
    return RefreshAndFind(NormaliseTypedName(typed));
}

} // namespace hx
