// The recorder: hooked key strokes appended to the selected macro with their delays.
#include "macro/MacroManager.h"

#include "keymap/KeyCatalogue.h"

#include <algorithm>
#include <chrono>

namespace hx {

void MacroManager::HookKey(std::uint8_t vk, bool release) {
    if (insertKeyMode_)
        InsertKeyFromHook(vk, release);
    else if (hookInstalled_ && recordingOn_)
        RecordKey(vk, release);
    StoreWorkingMacro();
}

void MacroManager::RecordKey(std::uint8_t vk, bool release) {
    // A key the keyboard has no code for cannot be played; its 0 would also end the list.
    if (DeviceCodeOf(vk) == 0)
        return;
    const std::u16string line = KeyLine(vk, release);
    const std::uint16_t delay = MeasureDelay(release, line);
    // Held-key auto-repeat arrives as the same press again.
    if (line == lastEventText_)
        return;
    if (release) {
        // Releases are not refused at the press limit, but they must still fit in the list.
        if (!InsertMacroToList(vk, delay, true))
            RemoveHook();
        return;
    }
    if (appendPos_ >= eventlist::kLastPressPosition) {
        // Full: recording ends, the button keeps its recording caption until pressed again.
        RemoveHook();
        return;
    }
    InsertMacroToList(vk, delay, false);
}

std::uint16_t MacroManager::MeasureDelay(bool release, const std::u16string& line) {
    Clock::Duration interval{};
    if (release || (!eventLines_.empty() && line != lastEventText_)) {
        const Clock::Duration now = clock_.Now();
        interval = now - lastTime_;
        lastTime_ = now;
    } else if (eventLines_.empty()) {
        lastTime_ = clock_.Now();
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(interval).count();
    // Under 1 ms would be a delay of 0, which the lists cannot show: it is stored as 1.
    return ClampDelay(static_cast<std::uint64_t>(std::max<decltype(ms)>(ms, 0)));
}

bool MacroManager::InsertMacroToList(std::uint8_t vk, std::uint16_t delay, bool release) {
    // The first event of a recording, and every event outside delay mode, has no delay.
    const bool first = eventLines_.empty();
    const MacroEvent event{release, !delayMode_ || first ? eventlist::kNoDelay : delay, vk};
    if (WriteEventAt(work_, appendPos_, event, DeviceCodeOf(vk)) == 0)
        return false;
    RefreshEventLines();
    lastEventText_ = eventLines_.back();
    selectedEvent_ = static_cast<int>(eventLines_.size()) - 1;
    return true;
}

} // namespace hx
