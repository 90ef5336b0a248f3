#include "app/ProgramFolders.h"

#include <unistd.h>

namespace hx {
namespace {

bool IsWritableDir(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

Result<std::filesystem::path> DefaultDataDir(const FolderInputs& in) {
    if (IsWritableDir(in.executableDir))
        return in.executableDir;
    if (in.xdgDataHome && !in.xdgDataHome->empty())
        return std::filesystem::path(*in.xdgDataHome) / "hxtr720";
    if (in.home && !in.home->empty())
        return std::filesystem::path(*in.home) / ".local" / "share" / "hxtr720";
    return Error{"no data folder: the program's folder is not writable and neither "
                 "XDG_DATA_HOME nor HOME is set (use --data-dir)"};
}

} // namespace

Result<Folders> ResolveFolders(const FolderInputs& in) {
    Folders folders;
    std::error_code ec;
    folders.resources = std::filesystem::is_directory(in.executableDir / "png" / "english", ec)
                            ? in.executableDir
                            : in.installedShareDir;
    if (in.dataDirOption) {
        folders.data = *in.dataDirOption;
    } else {
        auto data = DefaultDataDir(in);
        if (!data)
            return data.error();
        folders.data = *data;
    }
    std::filesystem::create_directories(folders.data, ec);
    if (!std::filesystem::is_directory(folders.data))
        return Error{"cannot use data folder " + folders.data.string() +
                     (ec ? ": " + ec.message() : std::string(": not a folder"))};
    return folders;
}

} // namespace hx
