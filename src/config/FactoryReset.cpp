#include "config/FactoryReset.h"

#include "config/LocalFiles.h"
#include "device/ReadAll.h"

#include <algorithm>

namespace hx {
namespace {

// The keyboard rewrites its memory after a reset; commands sent sooner are lost.
constexpr std::chrono::milliseconds kSettle{300};

} // namespace

Status FactoryReset(DeviceLink::Session& s) {
    const FeatureReport steps[] = {BuildValueReport(RESET_TO_FACTORY, kResetToFactoryParam),
                                   GameModeOnReport(), GameModeOnReport()};
    for (const FeatureReport& report : steps) {
        if (Status sent = s.Send(report); !sent)
            return sent;
        s.Pause(kSettle);
    }
    return Status::Ok();
}

ResetOutcome ResetKeyboardAndState(DeviceLink& link, AppState& state) {
    ResetOutcome outcome;
    if (!link.DeviceOpen()) {
        outcome.connected = false;
        outcome.device = Error{"the keyboard is not connected"};
        return outcome;
    }
    {
        DeviceLink::Session session = link.Begin();
        outcome.device = FactoryReset(session);
        if (outcome.device)
            outcome.device = ReadAllSettings(session, state.image);
        if (!outcome.device)
            return outcome;
        state.keyCustomised.fill(0);
        // Whatever the keyboard returns replaces this; a failed read leaves every key enabled.
        auto bitmap = state.image.span(image::kKeyEnableBitmap);
        std::fill(bitmap.begin(), bitmap.end(), std::uint8_t{0xFF});
        outcome.device = session.ReadStream(StreamRecord::kKeyBitmap, 0, state.image);
    }
    state.keys = KeyTable{};
    StampDefaultKeyCodes(state.keys);
    outcome.keymapFile = SaveKeymapFromLive(state);
    if (outcome.keymapFile) {
        state.TakeSnapshot();
        state.TakeKeySnapshot();
    }
    return outcome;
}

} // namespace hx
