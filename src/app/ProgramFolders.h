#pragma once

#include "common/Result.h"
#include "config/AppState.h"

#include <filesystem>
#include <optional>
#include <string>

namespace hx {

struct FolderInputs {
    std::filesystem::path executableDir;
    std::filesystem::path installedShareDir; // <prefix>/share/hxtr720
    std::optional<std::string> dataDirOption;
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> home;
};

// Resources (skins, VER.bin, updater) sit beside the executable when its skin folder is there,
// else in the installed share folder. Data goes to --data-dir, else beside the executable when
// that folder is writable, else to $XDG_DATA_HOME/hxtr720. The data folder is created.
Result<Folders> ResolveFolders(const FolderInputs& in);

} // namespace hx
