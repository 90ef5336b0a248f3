#pragma once

#include "device/DeviceLink.h"

namespace hx {

// The start-up read: game mode on, firmware version, every setting and table, and the report
// rate once more at the end. Stops at the first failed step and names it.
Status ReadEverything(DeviceLink::Session& session, DeviceImage& image, FirmwareVersion& firmware);

// The read after a factory reset or a reconnection: no version, no yields between slots.
Status ReadAllSettings(DeviceLink::Session& session, DeviceImage& image);

// SET_GAME_MODE with 1, which every full read and a factory reset begin with.
FeatureReport GameModeOnReport();

} // namespace hx
