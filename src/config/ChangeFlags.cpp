#include "config/ChangeFlags.h"

#include <algorithm>

namespace hx {

bool ChangeFlags::SomethingElse() const {
    const auto any = [](const auto& flags) {
        return std::any_of(flags.begin(), flags.end(), [](bool b) { return b; });
    };
    return colours || gameMode || reportRate || responseTime || remap || bitmap || any(slots) ||
           any(tables);
}

ChangeFlags ComputeChangeFlags(const DeviceImage& live, const DeviceImage& snapshot) {
    const auto differs = [&](ByteField f) { return !live.SameField(snapshot, f); };
    ChangeFlags f;
    f.colours = differs(image::kEffectColours);
    f.gameMode = differs(image::kGameMode);
    f.reportRate = differs(image::kReportRate);
    f.responseTime = differs(image::kResponseTime);
    f.remap = differs(image::kKeyRemapTable);
    f.bitmap = differs(image::kKeyEnableBitmap);
    for (std::size_t k = 0; k < f.slots.size(); ++k)
        f.slots[k] = differs(image::MacroSlot(k));
    for (std::size_t t = 0; t < f.tables.size(); ++t)
        f.tables[t] = differs(image::ColourTable(t));
    f.lighting = differs(image::kLightingSettings);
    return f;
}

void StampWinLockBit(DeviceImage& image) {
    image.SetEnableBit(image::kWinKeySendBit, image.at(image::kWinLock) == 0);
}

} // namespace hx
