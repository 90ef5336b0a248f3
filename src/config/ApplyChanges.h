#pragma once

#include "config/AppState.h"
#include "device/DeviceLink.h"

#include <string>

namespace hx {

enum class ApplyStatus {
    kNothingToSend,
    kApplied,
    kNotConnected,
    kNotAcknowledged, // the keyboard did not confirm a write in time
    kTransferFailed,  // a report could not be sent
};

struct ApplyResult {
    ApplyStatus status = ApplyStatus::kNothingToSend;
    std::string step;   // which step failed, e.g. "WRITE_MACRO_SLOT 3"
    std::string detail; // the transport's words, when it said any

    bool ok() const {
        return status == ApplyStatus::kNothingToSend || status == ApplyStatus::kApplied;
    }
};

// Sends every part of the image that differs from the snapshot, in the keyboard's fixed order,
// waiting for its acknowledgement after each write, then takes the snapshot. On any failure it
// stops at once: nothing more is sent, the snapshot is left alone and the edits stay, so a
// later call sends everything that still differs.
ApplyResult ApplyChanges(DeviceLink& link, AppState& state);

} // namespace hx
