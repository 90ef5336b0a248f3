#include "macro/WorkingEvents.h"

#include <algorithm>

namespace hx {
namespace {

constexpr std::size_t kLongExtra = eventlist::kLongEventSize - eventlist::kShortEventSize;

// Moves bytes from `position` on towards the end by `count`; the bytes pushed past the end are
// lost (callers check the room first), the gap is left for the caller to fill.
void OpenGap(std::span<std::uint8_t> list, std::size_t position, std::size_t count) {
    std::copy_backward(list.begin() + position, list.end() - count, list.end());
}

// Takes `count` bytes out at `position` and zero-fills the end.
void CloseGap(std::span<std::uint8_t> list, std::size_t position, std::size_t count) {
    std::copy(list.begin() + position + count, list.end(), list.begin() + position);
    std::fill(list.end() - count, list.end(), std::uint8_t{0});
}

std::uint8_t WithDelayField(std::uint8_t flag, std::uint8_t field) {
    return static_cast<std::uint8_t>((flag & eventlist::kReleaseBit) | field);
}

void ResetFirstDelays(WorkingEvents& events) {
    ResetFirstDelay(events.device);
    ResetFirstDelay(events.key);
}

} // namespace

std::vector<EventLineRef> EventLineRefs(std::span<const std::uint8_t> deviceEvents) {
    std::vector<EventLineRef> refs;
    for (const StoredEvent& e : StoredEvents(deviceEvents)) {
        if (LinesOf(e) == 2)
            refs.push_back({e.position, true});
        refs.push_back({e.position, false});
    }
    return refs;
}

bool InsertEventBytes(WorkingEvents& events, std::size_t position, std::uint8_t flag,
                      std::uint8_t vk, std::uint8_t deviceCode) {
    if (vk == 0 || deviceCode == 0 || position > events.End() ||
        !events.HasRoomFor(eventlist::kShortEventSize))
        return false;
    for (auto [list, keyByte] :
         {std::pair{std::span(events.device), deviceCode}, std::pair{std::span(events.key), vk}}) {
        OpenGap(list, position, eventlist::kShortEventSize);
        list[position] = flag;
        list[position + 1] = keyByte;
    }
    ResetFirstDelays(events);
    return true;
}

std::size_t WriteEventAt(WorkingEvents& events, std::size_t position, const MacroEvent& event,
                         std::uint8_t deviceCode) {
    if (event.key == 0 || deviceCode == 0 || position > events.device.size())
        return 0;
    MacroEvent onDevice = event;
    onDevice.key = deviceCode;
    const std::size_t written = WriteEvent(onDevice, std::span(events.device).subspan(position));
    if (written != 0)
        WriteEvent(event, std::span(events.key).subspan(position));
    return written;
}

void RemoveEventAt(WorkingEvents& events, std::size_t position) {
    const auto e = EventAt(events.device, position);
    if (!e)
        return;
    CloseGap(events.device, position, e->size);
    CloseGap(events.key, position, e->size);
    ResetFirstDelays(events);
}

void RemoveDelayAt(WorkingEvents& events, std::size_t position) {
    const auto e = EventAt(events.device, position);
    if (!e)
        return;
    for (std::span<std::uint8_t> list : {std::span(events.device), std::span(events.key)}) {
        list[position] = WithDelayField(list[position], eventlist::kNoDelay);
        if (e->size == eventlist::kLongEventSize)
            CloseGap(list, position + eventlist::kShortEventSize, kLongExtra);
    }
    ResetFirstDelays(events);
}

bool SetEventDelay(WorkingEvents& events, std::size_t position, std::uint16_t delay) {
    const auto e = EventAt(events.device, position);
    if (!e)
        return false;
    delay = std::clamp<std::uint16_t>(delay, eventlist::kNoDelay + 1, eventlist::kMaxDelay);
    const bool isLong = e->size == eventlist::kLongEventSize;
    if (delay <= eventlist::kMaxShortDelay) {
        for (std::span<std::uint8_t> list : {std::span(events.device), std::span(events.key)}) {
            list[position] = WithDelayField(list[position], static_cast<std::uint8_t>(delay));
            if (isLong)
                CloseGap(list, position + eventlist::kShortEventSize, kLongExtra);
        }
    } else {
        if (!isLong && !events.HasRoomFor(kLongExtra))
            return false;
        for (std::span<std::uint8_t> list : {std::span(events.device), std::span(events.key)}) {
            if (!isLong)
                OpenGap(list, position + eventlist::kShortEventSize, kLongExtra);
            list[position] = WithDelayField(list[position], eventlist::kLongFormMarker);
            list[position + 2] = static_cast<std::uint8_t>(delay >> 8);
            list[position + 3] = static_cast<std::uint8_t>(delay & 0xFF);
        }
    }
    ResetFirstDelays(events);
    return true;
}

} // namespace hx
