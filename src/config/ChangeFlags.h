#pragma once

#include "config/DeviceImage.h"

#include <array>

namespace hx {

// Which parts of the image differ from the snapshot, each compared byte for byte.
struct ChangeFlags {
    bool colours = false;
    bool gameMode = false;
    bool reportRate = false;
    bool responseTime = false;
    bool remap = false;
    bool bitmap = false;
    std::array<bool, image::kMacroSlotCount> slots{};
    std::array<bool, image::kColourTableCount> tables{};
    bool lighting = false;

    // Anything that needs the lighting to be paused (stage 1) while it is sent.
    bool SomethingElse() const;
    bool Any() const { return lighting || SomethingElse(); }
};

ChangeFlags ComputeChangeFlags(const DeviceImage& live, const DeviceImage& snapshot);

// The Windows-key lock travels as bit 1 of the enable bitmap: clear while locked.
void StampWinLockBit(DeviceImage& image);

} // namespace hx
