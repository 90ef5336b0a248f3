#include "device/FirmwareUpdate.h"

namespace hx {
namespace {

constexpr const char* kUpdaterNames[] = {"HXTR-720_Update", "HXTR-720_Update.exe"};

} // namespace

bool ShouldOfferUpdate(const FirmwareVersion& keyboard, const ExpectedVersion& expected) {
    if (keyboard.major() == 1 && keyboard.minor() < 10)
        return false;
    if (expected.major != keyboard.major())
        return expected.major > keyboard.major();
    return expected.minor > keyboard.minor();
}

std::optional<std::filesystem::path> FindUpdater(const std::filesystem::path& resourceDir) {
    for (const char* name : kUpdaterNames) {
        std::error_code ec;
        const auto path = resourceDir / name;
        if (std::filesystem::is_regular_file(path, ec))
            return path;
    }
    return std::nullopt;
}

std::string MissingUpdaterText(const std::filesystem::path& resourceDir) {
    return "The firmware updater HXTR-720_Update was not found in " + resourceDir.string() + ".";
}

void LaunchUpdater(const std::filesystem::path& resourceDir, UiServices& ui, Shell& shell) {
    const auto updater = FindUpdater(resourceDir);
    if (!updater) {
        ui.ShowMessage(MissingUpdaterText(resourceDir), kUpdateOfferCaption, MessageButtons::kOk);
        return;
    }
    if (Status started = shell.StartProgram(*updater, resourceDir); !started)
        ui.ShowMessage(started.error().message, kUpdateOfferCaption, MessageButtons::kOk);
}

void OfferFirmwareUpdate(const AppState& state, UiServices& ui, Shell& shell) {
    if (!ShouldOfferUpdate(state.firmwareVersion, state.expectedVersion))
        return;
    if (ui.ShowMessage(kUpdateOfferText, kUpdateOfferCaption, MessageButtons::kOkCancel) !=
        MessageAnswer::kOk)
        return;
    LaunchUpdater(state.folders.resources, ui, shell);
}

} // namespace hx
