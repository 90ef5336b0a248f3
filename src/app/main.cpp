#include "app/Options.h"
#include "app/ProgramFolders.h"
#include "config/LocalFiles.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

std::filesystem::path ExecutableDir(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

std::optional<std::string> Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Report(const hx::Result<hx::LoadOutcome>& outcome) {
    if (!outcome)
        std::cerr << "hxtr720: " << outcome.error().message << '\n';
    else if (outcome->notice)
        std::cerr << "hxtr720: " << *outcome->notice << '\n';
}

} // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 0 ? argv[0] : "hxtr720";
    auto options = hx::ParseOptions({argv + 1, argv + argc});
    if (!options) {
        std::cerr << "hxtr720: " << options.error().message << '\n';
        return 2;
    }
    if (options->help) {
        std::cout << hx::UsageText(program);
        return 0;
    }
    if (options->version) {
        std::cout << hx::kVersionText << '\n';
        return 0;
    }

    const std::filesystem::path exeDir = ExecutableDir(program.c_str());
    auto folders = hx::ResolveFolders({exeDir, exeDir.parent_path() / "share" / "hxtr720",
                                       options->dataDir, Env("XDG_DATA_HOME"), Env("HOME")});
    if (!folders) {
        std::cerr << "hxtr720: " << folders.error().message << '\n';
        return 1;
    }
    auto state = std::make_unique<hx::AppState>();
    state->folders = *folders;
    state->expectedVersion = hx::ReadVersionFile(state->folders.resources);
    Report(hx::LoadOrCreateMacroLibrary(*state));
    Report(hx::LoadKeymap(*state));
    state->TakeSnapshot();
    state->TakeKeySnapshot();
    return 0;
}
