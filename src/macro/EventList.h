#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hx {

// The event-list format of a macro, shared by MacroRecord::deviceEvents, keyEvents and the
// device slots. An event is 2 or 4 bytes and events follow each other from byte 0:
//   byte 0  bit 7: 1 release, 0 press; bits 0..6: delay before the event in ms (1..126), or 127
//           for the long form
//   byte 1  key byte: device code (deviceEvents) or virtual-key code (keyEvents)
//   byte 2, 3  long form only: the delay, big-endian (127..60000)
// The list ends at the first event position whose key byte is 0; everything from there on is 0.
namespace eventlist {

inline constexpr std::size_t kSize = 190;
inline constexpr std::uint8_t kReleaseBit = 0x80;
inline constexpr std::uint8_t kDelayMask = 0x7F;
inline constexpr std::uint8_t kLongFormMarker = 127;
inline constexpr std::size_t kShortEventSize = 2;
inline constexpr std::size_t kLongEventSize = 4;
// A delay of 1 means none: such an event shows no delay line.
inline constexpr std::uint16_t kNoDelay = 1;
inline constexpr std::uint16_t kMaxShortDelay = 126;
inline constexpr std::uint16_t kMaxDelay = 60000;
// The recorder refuses a press from this position on, so the releases still to come fit.
inline constexpr std::size_t kLastPressPosition = 144;

// Mouse buttons carry the same number in both lists; KeyCatalogue names them MsLB, MsRB, MsMB.
inline constexpr std::uint8_t kMouseLeft = 0xF0;
inline constexpr std::uint8_t kMouseRight = 0xF1;
inline constexpr std::uint8_t kMouseMiddle = 0xF2;

} // namespace eventlist

struct MacroEvent {
    bool release = false;
    std::uint16_t delay = eventlist::kNoDelay; // ms
    std::uint8_t key = 0;

    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

// One event as stored at a byte position.
struct StoredEvent {
    MacroEvent event;
    // Bits 0..6 of byte 0: the short delay, or 127 for the long form. The display rule looks at
    // this field, not at the delay it stands for.
    std::uint8_t delayField = 0;
    std::size_t position = 0;
    std::size_t size = 0; // 2 or 4
};

// The event starting at `position`, or nothing when the list ends there: a key byte of 0, the
// end of the bytes, or a long-form event whose delay bytes would lie past the end (the list is
// distrusted, it comes from a file).
std::optional<StoredEvent> EventAt(std::span<const std::uint8_t> list, std::size_t position);

// Every event in order, up to the end of the list.
std::vector<StoredEvent> StoredEvents(std::span<const std::uint8_t> list);
std::vector<MacroEvent> DecodeEvents(std::span<const std::uint8_t> list);

// The byte position just after the last event (0 for an empty list).
std::size_t EventListEnd(std::span<const std::uint8_t> list);

// A delay as the lists can hold it: 0 becomes 1 (an interval under 1 ms), anything above 60000
// becomes 60000.
std::uint16_t ClampDelay(std::uint64_t ms);

// 2 for a delay of up to 126 ms, 4 above.
std::size_t EncodedSize(const MacroEvent& event);

// Writes one event (its delay clamped) at the start of `out`. Returns the bytes written, or 0
// without writing anything when `out` is too short.
std::size_t WriteEvent(const MacroEvent& event, std::span<std::uint8_t> out);

// Replaces the whole list with `events`, zero-filling the rest. Refuses (returns false, list
// unchanged) when the events do not fit in the list or one has key byte 0, which would end the
// list early.
bool EncodeEvents(std::span<const MacroEvent> events, std::span<std::uint8_t> list);

// Every edit leaves the first event with delay 1. A first event in the long form becomes a short
// one: its two delay bytes are taken out, the rest moves up and the end is zero-filled (only
// resetting bits 0..6 would leave those two bytes behind as a bogus event).
void ResetFirstDelay(std::span<std::uint8_t> list);

// Display lines.
std::u16string DelayLine(std::uint16_t delay);         // "%d ms"
std::u16string KeyLine(std::uint8_t vk, bool release); // "%s dn" / "%s up", catalogue name
// 2 when the delay field is above 1 (the long-form marker included), else 1.
std::size_t LinesOf(const StoredEvent& event);

// The lines of a macro: events, delays and the end come from `deviceEvents` (what the keyboard
// plays), names from the key bytes of `keyEvents` at the same positions.
std::vector<std::u16string> EventLines(std::span<const std::uint8_t> deviceEvents,
                                       std::span<const std::uint8_t> keyEvents);
std::size_t EventLineCount(std::span<const std::uint8_t> list);

// EventLineWalk: the byte position of the event whose first line is `line`; the position just
// after the last event when `line` equals the line count; 0 when no event begins at `line`.
std::size_t EventLineWalk(std::span<const std::uint8_t> list, std::size_t line);

} // namespace hx
