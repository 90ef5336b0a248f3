#include "app/CZadeDevuzoveApp.h"
#include "app/Options.h"
#include "app/ProgramFolders.h"
#include "app/SingleInstance.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

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

    QApplication app(argc, argv);
    app.setApplicationName("hxtr720");
    app.setQuitOnLastWindowClosed(false); // the program lives on in the tray

    // A screenshot run is a one-off that must not hand over to, or block, a running program.
    hx::SingleInstance instance(hx::SingleInstance::DefaultName());
    if (!options->screenshot && !instance.Claim())
        return 0;

    const std::filesystem::path exeDir = ExecutableDir(program.c_str());
    auto folders = hx::ResolveFolders({exeDir, exeDir.parent_path() / "share" / "hxtr720",
                                       options->dataDir, Env("XDG_DATA_HOME"), Env("HOME")});
    if (!folders) {
        std::cerr << "hxtr720: " << folders.error().message << '\n';
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(folders->data / "Configure", ec);

    hx::CZadeDevuzoveApp program_(*options, *folders);
    instance.OnRaiseRequest([&program_] { program_.RaiseWindow(); });
    return program_.Run();
}
