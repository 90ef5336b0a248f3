#include "device/ReadAll.h"

namespace hx {
namespace {

// Everything between the version and the tables, in the keyboard's expected order.
Status ReadSettingsAndStreams(DeviceLink::Session& s, DeviceImage& image, FirmwareVersion& fw,
                              bool yieldAfterSlots) {
    if (Status r = s.Read(GET_LIGHTING, image, fw); !r)
        return r;
    for (std::size_t i = 0; i < image::kEffectColourCount; ++i)
        if (Status r = s.Read(GET_EFFECT_COLOUR, image, fw, i); !r)
            return r;
    for (const std::uint8_t command : {GET_GAME_MODE, GET_REPORT_RATE, GET_RESPONSE_TIME})
        if (Status r = s.Read(command, image, fw); !r)
            return r;
    for (const StreamRecord record : {StreamRecord::kRemapTable, StreamRecord::kKeyBitmap})
        if (Status r = s.ReadStream(record, 0, image); !r)
            return r;
    for (std::size_t slot = 0; slot < image::kMacroSlotCount; ++slot) {
        if (Status r = s.ReadStream(StreamRecord::kMacroSlot, slot, image); !r)
            return r;
        if (yieldAfterSlots)
            s.Pause(std::chrono::milliseconds{0});
    }
    for (std::size_t table = 0; table < image::kColourTableCount; ++table)
        if (Status r = s.ReadStream(StreamRecord::kColourTable, table, image); !r)
            return r;
    return Status::Ok();
}

} // namespace

FeatureReport GameModeOnReport() {
    return BuildValueReport(SET_GAME_MODE, 1);
}

Status ReadEverything(DeviceLink::Session& s, DeviceImage& image, FirmwareVersion& firmware) {
    if (Status r = s.Send(GameModeOnReport()); !r)
        return r;
    if (Status r = s.Read(GET_FIRMWARE_VERSION, image, firmware); !r)
        return r;
    if (Status r = ReadSettingsAndStreams(s, image, firmware, true); !r)
        return r;
    return s.Read(GET_REPORT_RATE, image, firmware);
}

Status ReadAllSettings(DeviceLink::Session& s, DeviceImage& image) {
    if (Status r = s.Send(GameModeOnReport()); !r)
        return r;
    s.Pause(std::chrono::milliseconds{10});
    FirmwareVersion unused;
    return ReadSettingsAndStreams(s, image, unused, false);
}

} // namespace hx
