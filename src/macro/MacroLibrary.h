#pragma once

#include "config/ByteField.h"
#include "config/DeviceImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace hx {

// One named macro as the program keeps it. MacroDefine.bin is 190 of these byte for byte, so
// every offset below is a file format. Multi-byte integers are little-endian.
namespace macrorecord {

inline constexpr std::size_t kSize = 894;

// UTF-16, zero-terminated, at most 254 characters; an empty name marks an unused record.
inline constexpr ByteField kName{0, 510};
inline constexpr std::size_t kNameMaxChars = 254;
// How many times the keyboard plays the macro; 1 = once. Unsigned 16-bit.
inline constexpr ByteField kRepeatCount{510, 2};
inline constexpr ByteField kFlags{512, 1};
// Bit 0 of the flags: recorded in delay mode. The other bits stay 0.
inline constexpr std::uint8_t kHasDelaysBit = 0x01;
// Event lists (EventList.h): key bytes are device codes here ...
inline constexpr ByteField kDeviceEvents{513, 190};
// ... and virtual-key codes (KeyCatalogue indexes) here, otherwise the same bytes.
inline constexpr ByteField kKeyEvents{703, 190};
inline constexpr ByteField kReserved{893, 1};

inline constexpr std::array kAllFields{kName,         kRepeatCount, kFlags,
                                       kDeviceEvents, kKeyEvents,   kReserved};

constexpr bool FieldsTileTheRecord() {
    std::size_t next = 0;
    for (const ByteField& f : kAllFields) {
        if (f.offset != next)
            return false;
        next = f.end();
    }
    return next == kSize;
}
static_assert(FieldsTileTheRecord(), "MacroRecord fields must tile the 894-byte record");
static_assert(kName.size == 2 * (kNameMaxChars + 1));
static_assert(kDeviceEvents.size == kKeyEvents.size);

} // namespace macrorecord

struct MacroRecord : ByteBlock<macrorecord::kSize> {

    // The first UTF-16 unit is not zero.
    bool HasName() const {
        return at(macrorecord::kName, 0) != 0 || at(macrorecord::kName, 1) != 0;
    }
    std::u16string Name() const;
    // Cut to 254 characters; the rest of the field is zeroed.
    void SetName(std::u16string_view name);

    std::uint16_t RepeatCount() const {
        return static_cast<std::uint16_t>(at(macrorecord::kRepeatCount, 0) |
                                          (at(macrorecord::kRepeatCount, 1) << 8));
    }
    void SetRepeatCount(std::uint16_t count) {
        at(macrorecord::kRepeatCount, 0) = static_cast<std::uint8_t>(count & 0xFF);
        at(macrorecord::kRepeatCount, 1) = static_cast<std::uint8_t>(count >> 8);
    }

    bool HasDelays() const { return (at(macrorecord::kFlags) & macrorecord::kHasDelaysBit) != 0; }
    // Writes the whole flags byte: the other bits are always 0.
    void SetHasDelays(bool on) { at(macrorecord::kFlags) = on ? macrorecord::kHasDelaysBit : 0; }

    std::span<std::uint8_t> DeviceEvents() { return span(macrorecord::kDeviceEvents); }
    std::span<const std::uint8_t> DeviceEvents() const { return span(macrorecord::kDeviceEvents); }
    std::span<std::uint8_t> KeyEvents() { return span(macrorecord::kKeyEvents); }
    std::span<const std::uint8_t> KeyEvents() const { return span(macrorecord::kKeyEvents); }

    friend bool operator==(const MacroRecord&, const MacroRecord&) = default;
};
static_assert(sizeof(MacroRecord) == macrorecord::kSize);

// The device form of one macro, as it sits in DeviceMacroSlots. Name, flags and keyEvents never
// reach the keyboard.
namespace macroslot {

inline constexpr std::size_t kSize = 192;
// The repeat count big-endian, unlike the record.
inline constexpr ByteField kRepeatHigh{0, 1};
inline constexpr ByteField kRepeatLow{1, 1};
inline constexpr ByteField kDeviceEvents{2, 190};

static_assert(kDeviceEvents.end() == kSize);
static_assert(kSize == image::kMacroSlotSize);
static_assert(kDeviceEvents.size == macrorecord::kDeviceEvents.size);

} // namespace macroslot

struct MacroSlot {
    std::array<std::uint8_t, macroslot::kSize> bytes{};

    friend bool operator==(const MacroSlot&, const MacroSlot&) = default;
};
static_assert(sizeof(MacroSlot) == macroslot::kSize);

// The slot the keyboard gets for a record: repeat count (0 stays 0) and deviceEvents unchanged.
MacroSlot MakeMacroSlot(const MacroRecord& record);

// The whole library; MacroDefine.bin holds it byte for byte. Only the first 32 records can be
// macros (the keyboard has 32 slots); the others exist because the file has room for them.
namespace macrolib {
inline constexpr std::size_t kRecordCount = 190;
inline constexpr std::size_t kSize = 169860;
inline constexpr std::size_t kMaxMacros = image::kMacroSlotCount;
static_assert(kRecordCount * macrorecord::kSize == kSize);
} // namespace macrolib

struct MacroLibrary {
    std::array<MacroRecord, macrolib::kRecordCount> records{};

    MacroRecord& operator[](std::size_t index) { return records[index]; }
    const MacroRecord& operator[](std::size_t index) const { return records[index]; }

    // The object representation, as the file holds it (records follow each other without
    // padding, see the static_assert below).
    std::span<std::uint8_t, macrolib::kSize> bytes() {
        return std::span<std::uint8_t, macrolib::kSize>(reinterpret_cast<std::uint8_t*>(this),
                                                        macrolib::kSize);
    }
    std::span<const std::uint8_t, macrolib::kSize> bytes() const {
        return std::span<const std::uint8_t, macrolib::kSize>(
            reinterpret_cast<const std::uint8_t*>(this), macrolib::kSize);
    }

    friend bool operator==(const MacroLibrary&, const MacroLibrary&) = default;
};
static_assert(sizeof(MacroLibrary) == macrolib::kSize);
static_assert(std::is_standard_layout_v<MacroLibrary> &&
              std::is_trivially_copyable_v<MacroLibrary>);

// Records before the first one without a name (0..190). While the library is compact these are
// all its macros.
std::size_t NamedMacroCount(const MacroLibrary& library);

// The names the key-assignment dialog lists, line i = macro i: up to the first unnamed record,
// and never more than the 32 that have a device slot, so a key cannot be given a macro the
// keyboard cannot hold.
std::vector<std::u16string> MacroListNames(const MacroLibrary& library);

// Writes the slot of record i into DeviceMacroSlots slot i for i = 0, 1, ... while record i has a
// name, at most 32 slots. Later slots keep what they held. Returns the number of slots written.
std::size_t FillDeviceMacroSlots(const MacroLibrary& library, DeviceImage& image);

} // namespace hx
