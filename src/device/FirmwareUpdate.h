#pragma once

#include "config/AppState.h"
#include "platform/Shell.h"
#include "platform/UiServices.h"

#include <filesystem>
#include <optional>

namespace hx {

inline constexpr const char* kUpdateOfferText = "Update new firmware\uFF1F";
inline constexpr const char* kUpdateOfferCaption = "Firmware Update";

// Whether a keyboard with this firmware is offered the updater's version. Keyboards on 1.x
// below 1.10 are never offered one; a missing VER.bin (0.0) offers nothing.
bool ShouldOfferUpdate(const FirmwareVersion& keyboard, const ExpectedVersion& expected);

// The updater in the resource folder: "HXTR-720_Update", or the ".exe" name when only that
// one is there.
std::optional<std::filesystem::path> FindUpdater(const std::filesystem::path& resourceDir);

// The missing-updater message, naming where it was looked for.
std::string MissingUpdaterText(const std::filesystem::path& resourceDir);

// Asks the user and, on OK, starts the updater; a missing updater is said, not ignored.
void OfferFirmwareUpdate(const AppState& state, UiServices& ui, Shell& shell);

// Starts the updater or says that it is missing; shared with the help window.
void LaunchUpdater(const std::filesystem::path& resourceDir, UiServices& ui, Shell& shell);

} // namespace hx
