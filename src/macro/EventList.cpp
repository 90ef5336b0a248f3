#include "macro/EventList.h"

#include "keymap/KeyCatalogue.h"

#include <algorithm>

namespace hx {

std::optional<StoredEvent> EventAt(std::span<const std::uint8_t> list, std::size_t position) {
    if (position + eventlist::kShortEventSize > list.size() || list[position + 1] == 0)
        return std::nullopt;
    StoredEvent e;
    e.position = position;
    e.delayField = list[position] & eventlist::kDelayMask;
    e.event.release = (list[position] & eventlist::kReleaseBit) != 0;
    e.event.key = list[position + 1];
    if (e.delayField != eventlist::kLongFormMarker) {
        e.event.delay = e.delayField;
        e.size = eventlist::kShortEventSize;
        return e;
    }
    if (position + eventlist::kLongEventSize > list.size())
        return std::nullopt;
    e.event.delay = static_cast<std::uint16_t>((list[position + 2] << 8) | list[position + 3]);
    e.size = eventlist::kLongEventSize;
    return e;
}

std::vector<StoredEvent> StoredEvents(std::span<const std::uint8_t> list) {
    std::vector<StoredEvent> events;
    std::size_t at = 0;
    while (auto e = EventAt(list, at)) {
        events.push_back(*e);
        at += e->size;
    }
    return events;
}

std::vector<MacroEvent> DecodeEvents(std::span<const std::uint8_t> list) {
    std::vector<MacroEvent> events;
    for (const StoredEvent& e : StoredEvents(list))
        events.push_back(e.event);
    return events;
}

std::size_t EventListEnd(std::span<const std::uint8_t> list) {
    std::size_t at = 0;
    while (auto e = EventAt(list, at))
        at += e->size;
    return at;
}

std::uint16_t ClampDelay(std::uint64_t ms) {
    return static_cast<std::uint16_t>(
        std::clamp<std::uint64_t>(ms, eventlist::kNoDelay, eventlist::kMaxDelay));
}

std::size_t EncodedSize(const MacroEvent& event) {
    return ClampDelay(event.delay) > eventlist::kMaxShortDelay ? eventlist::kLongEventSize
                                                               : eventlist::kShortEventSize;
}

std::size_t WriteEvent(const MacroEvent& event, std::span<std::uint8_t> out) {
    const std::size_t size = EncodedSize(event);
    if (out.size() < size)
        return 0;
    const std::uint16_t delay = ClampDelay(event.delay);
    const std::uint8_t release = event.release ? eventlist::kReleaseBit : 0;
    out[1] = event.key;
    if (size == eventlist::kShortEventSize) {
        out[0] = static_cast<std::uint8_t>(release | delay);
    } else {
        out[0] = static_cast<std::uint8_t>(release | eventlist::kLongFormMarker);
        out[2] = static_cast<std::uint8_t>(delay >> 8);
        out[3] = static_cast<std::uint8_t>(delay & 0xFF);
    }
    return size;
}

bool EncodeEvents(std::span<const MacroEvent> events, std::span<std::uint8_t> list) {
    std::size_t total = 0;
    for (const MacroEvent& e : events) {
        if (e.key == 0)
            return false;
        total += EncodedSize(e);
    }
    if (total > list.size())
        return false;
    std::ranges::fill(list, std::uint8_t{0});
    std::size_t at = 0;
    for (const MacroEvent& e : events)
        at += WriteEvent(e, list.subspan(at));
    return true;
}

void ResetFirstDelay(std::span<std::uint8_t> list) {
    const auto first = EventAt(list, 0);
    if (!first)
        return;
    list[0] = static_cast<std::uint8_t>((list[0] & eventlist::kReleaseBit) | eventlist::kNoDelay);
    if (first->size == eventlist::kLongEventSize) {
        std::copy(list.begin() + eventlist::kLongEventSize, list.end(),
                  list.begin() + eventlist::kShortEventSize);
        std::fill(list.end() - (eventlist::kLongEventSize - eventlist::kShortEventSize), list.end(),
                  std::uint8_t{0});
    }
}

std::u16string DelayLine(std::uint16_t delay) {
    std::u16string line;
    for (char c : std::to_string(delay))
        line += static_cast<char16_t>(c);
    return line + u" ms";
}

std::u16string KeyLine(std::uint8_t vk, bool release) {
    return std::u16string(KeyName(vk)) + (release ? u" up" : u" dn");
}

std::size_t LinesOf(const StoredEvent& event) {
    return event.delayField > eventlist::kNoDelay ? 2 : 1;
}

std::vector<std::u16string> EventLines(std::span<const std::uint8_t> deviceEvents,
                                       std::span<const std::uint8_t> keyEvents) {
    std::vector<std::u16string> lines;
    for (const StoredEvent& e : StoredEvents(deviceEvents)) {
        if (LinesOf(e) == 2)
            lines.push_back(DelayLine(e.event.delay));
        const std::uint8_t vk = e.position + 1 < keyEvents.size() ? keyEvents[e.position + 1] : 0;
        lines.push_back(KeyLine(vk, e.event.release));
    }
    return lines;
}

std::size_t EventLineCount(std::span<const std::uint8_t> list) {
    std::size_t lines = 0;
    for (const StoredEvent& e : StoredEvents(list))
        lines += LinesOf(e);
    return lines;
}

std::size_t EventLineWalk(std::span<const std::uint8_t> list, std::size_t line) {
    std::size_t firstLine = 0;
    std::size_t at = 0;
    while (auto e = EventAt(list, at)) {
        if (firstLine == line)
            return at;
        firstLine += LinesOf(*e);
        at += e->size;
    }
    return firstLine == line ? at : 0;
}

} // namespace hx
