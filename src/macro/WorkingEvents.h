#pragma once

#include "macro/EventList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace hx {

// The two event lists of the macro being edited. They hold the same events at the same byte
// positions and differ only in their key bytes: device codes in `device`, virtual-key codes in
// `key`. Every edit below changes both the same way, and the end of the macro is where `device`
// ends, as the keyboard sees it.
struct WorkingEvents {
    std::array<std::uint8_t, eventlist::kSize> device{};
    std::array<std::uint8_t, eventlist::kSize> key{};

    void Clear() { *this = {}; }
    // The byte just after the last event.
    std::size_t End() const { return EventListEnd(device); }
    bool HasRoomFor(std::size_t bytes) const { return End() + bytes <= eventlist::kSize; }

    friend bool operator==(const WorkingEvents&, const WorkingEvents&) = default;
};

// What one display line of a macro stands for: the event at `position`, by its delay line or
// by its key line.
struct EventLineRef {
    std::size_t position = 0;
    bool delayLine = false;
    friend bool operator==(const EventLineRef&, const EventLineRef&) = default;
};
std::vector<EventLineRef> EventLineRefs(std::span<const std::uint8_t> deviceEvents);

// Inserts a 2-byte event (flag byte `flag`, delay 1 or a release bit) at `position`, moving the
// rest towards the end. Refused (false, nothing changed) when the lists have no room for it:
// cutting the last event instead would leave half an event behind. The first event's delay is
// reset to 1 afterwards.
bool InsertEventBytes(WorkingEvents& events, std::size_t position, std::uint8_t flag,
                      std::uint8_t vk, std::uint8_t deviceCode);

// Writes `event` (its delay clamped to 1 ... 60000) at `position` over whatever is there, as the
// recorder appends at the end. Returns the bytes written, or 0 when it does not fit.
std::size_t WriteEventAt(WorkingEvents& events, std::size_t position, const MacroEvent& event,
                         std::uint8_t deviceCode);

// Takes out the whole event at `position`, closing up and zero-filling the end.
void RemoveEventAt(WorkingEvents& events, std::size_t position);
// The event at `position` keeps its key and direction but loses its delay: short form, delay 1.
void RemoveDelayAt(WorkingEvents& events, std::size_t position);
// Gives the event at `position` the delay `delay` (2 ... 60000), changing between the short and
// the long form as needed. Refused (false, nothing changed) when a short event has no room to
// grow into the long form, or when no event starts there.
bool SetEventDelay(WorkingEvents& events, std::size_t position, std::uint16_t delay);

} // namespace hx
