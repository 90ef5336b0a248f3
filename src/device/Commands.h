#pragma once

#include "config/ByteField.h"
#include "config/DeviceImage.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hx {

// Command bytes of the 9-byte feature reports. A read command is its write twin with bit 7 set.
inline constexpr std::uint8_t GET_FIRMWARE_VERSION = 0x80;
inline constexpr std::uint8_t SET_REPORT_RATE = 0x01;
inline constexpr std::uint8_t GET_REPORT_RATE = 0x81;
inline constexpr std::uint8_t SET_RESPONSE_TIME = 0x04;
inline constexpr std::uint8_t GET_RESPONSE_TIME = 0x84;
inline constexpr std::uint8_t SET_LIGHTING = 0x08;
inline constexpr std::uint8_t GET_LIGHTING = 0x88;
inline constexpr std::uint8_t SET_GAME_MODE = 0x09;
inline constexpr std::uint8_t GET_GAME_MODE = 0x89;
inline constexpr std::uint8_t SET_EFFECT_COLOUR = 0x14;
inline constexpr std::uint8_t GET_EFFECT_COLOUR = 0x94;
inline constexpr std::uint8_t RESET_TO_FACTORY = 0x13;
inline constexpr std::uint8_t WRITE_REMAP_TABLE = 0x0D;
inline constexpr std::uint8_t READ_REMAP_TABLE = 0x8D;
inline constexpr std::uint8_t WRITE_KEY_BITMAP = 0x0E;
inline constexpr std::uint8_t READ_KEY_BITMAP = 0x8E;
inline constexpr std::uint8_t WRITE_MACRO_SLOT = 0x11;
inline constexpr std::uint8_t READ_MACRO_SLOT = 0x91;
inline constexpr std::uint8_t WRITE_COLOUR_TABLE = 0x12;
inline constexpr std::uint8_t READ_COLOUR_TABLE = 0x92;

inline constexpr std::uint8_t kReadBit = 0x80;
inline constexpr std::uint8_t kResetToFactoryParam = 0xFF;

using std::chrono::milliseconds;
// "No pause at all", as opposed to 0 ms, which yields the processor.
inline constexpr milliseconds kNoPause{-1};

struct CommandSpec {
    std::uint8_t code;
    std::string_view name;
    milliseconds afterSet;
    milliseconds afterGet; // kNoPause also for commands that fetch no reply
    bool fetchesReply;
};

// The pauses after each step are part of the protocol.
inline constexpr std::array<CommandSpec, 20> kCommandTable{{
    {GET_FIRMWARE_VERSION, "GET_FIRMWARE_VERSION", milliseconds{10}, milliseconds{10}, true},
    {SET_REPORT_RATE, "SET_REPORT_RATE", milliseconds{10}, kNoPause, false},
    {GET_REPORT_RATE, "GET_REPORT_RATE", milliseconds{10}, milliseconds{10}, true},
    {SET_RESPONSE_TIME, "SET_RESPONSE_TIME", milliseconds{10}, kNoPause, false},
    {GET_RESPONSE_TIME, "GET_RESPONSE_TIME", milliseconds{10}, milliseconds{10}, true},
    {SET_LIGHTING, "SET_LIGHTING", milliseconds{10}, kNoPause, false},
    {GET_LIGHTING, "GET_LIGHTING", milliseconds{10}, kNoPause, true},
    {SET_GAME_MODE, "SET_GAME_MODE", milliseconds{20}, kNoPause, false},
    {GET_GAME_MODE, "GET_GAME_MODE", milliseconds{5}, kNoPause, true},
    {SET_EFFECT_COLOUR, "SET_EFFECT_COLOUR", milliseconds{20}, kNoPause, false},
    {GET_EFFECT_COLOUR, "GET_EFFECT_COLOUR", milliseconds{1}, milliseconds{1}, true},
    {RESET_TO_FACTORY, "RESET_TO_FACTORY", milliseconds{300}, kNoPause, false},
    {WRITE_REMAP_TABLE, "WRITE_REMAP_TABLE", milliseconds{50}, kNoPause, false},
    {READ_REMAP_TABLE, "READ_REMAP_TABLE", kNoPause, kNoPause, true},
    {WRITE_KEY_BITMAP, "WRITE_KEY_BITMAP", milliseconds{10}, kNoPause, false},
    {READ_KEY_BITMAP, "READ_KEY_BITMAP", kNoPause, kNoPause, true},
    {WRITE_MACRO_SLOT, "WRITE_MACRO_SLOT", milliseconds{1}, kNoPause, false},
    {READ_MACRO_SLOT, "READ_MACRO_SLOT", kNoPause, kNoPause, true},
    {WRITE_COLOUR_TABLE, "WRITE_COLOUR_TABLE", milliseconds{5}, kNoPause, false},
    {READ_COLOUR_TABLE, "READ_COLOUR_TABLE", milliseconds{5}, milliseconds{5}, true},
}};

// nullptr for a byte that is no command.
constexpr const CommandSpec* FindCommand(std::uint8_t code) {
    for (const CommandSpec& c : kCommandTable)
        if (c.code == code)
            return &c;
    return nullptr;
}

// The four records that travel as 64-byte chunks after a stream command.
enum class StreamRecord { kRemapTable, kKeyBitmap, kMacroSlot, kColourTable };

inline constexpr std::size_t kChunkSize = 64;

struct StreamSpec {
    StreamRecord record;
    std::uint8_t writeCommand;
    std::uint8_t readCommand;
    ByteField first;         // where record 0 lies in DeviceImage
    std::size_t count;       // records of this kind (slots, tables)
    std::size_t chunks;      // data reports per record
    bool indexed;            // byte 3 of the announcement carries the record index
    std::uint8_t writeByte4; // chunk count, or the record length for the bitmap
    std::uint8_t readByte4;  // repeated on the read side only by some streams
    milliseconds betweenWrites;
    milliseconds afterLastWrite;
    milliseconds afterEachRead;
};

inline constexpr std::array<StreamSpec, 4> kStreamTable{{
    {StreamRecord::kRemapTable, WRITE_REMAP_TABLE, READ_REMAP_TABLE, image::kKeyRemapTable, 1, 8,
     false, 8, 0, kNoPause, milliseconds{60}, kNoPause},
    {StreamRecord::kKeyBitmap, WRITE_KEY_BITMAP, READ_KEY_BITMAP, image::kKeyEnableBitmap, 1, 1,
     false, 0x12, 0x12, kNoPause, kNoPause, kNoPause},
    {StreamRecord::kMacroSlot, WRITE_MACRO_SLOT, READ_MACRO_SLOT, image::MacroSlot(0),
     image::kMacroSlotCount, 3, true, 3, 0, milliseconds{0}, kNoPause, kNoPause},
    {StreamRecord::kColourTable, WRITE_COLOUR_TABLE, READ_COLOUR_TABLE, image::ColourTable(0),
     image::kColourTableCount, 8, true, 8, 8, milliseconds{5}, milliseconds{5}, milliseconds{5}},
}};

constexpr const StreamSpec& SpecOf(StreamRecord record) {
    return kStreamTable[static_cast<std::size_t>(record)];
}

// nullptr when the command announces no stream.
constexpr const StreamSpec* FindStream(std::uint8_t command) {
    for (const StreamSpec& s : kStreamTable)
        if (s.writeCommand == command || s.readCommand == command)
            return &s;
    return nullptr;
}

// Where record `index` of a stream lies in DeviceImage.
constexpr ByteField RecordField(const StreamSpec& s, std::size_t index) {
    return {s.first.offset + s.first.size * index, s.first.size};
}

// The keyboard confirms every write command and every completed write stream with one notify
// report; stream announcements and reads are not confirmed.
constexpr bool IsConfirmedCommand(std::uint8_t code) {
    const CommandSpec* spec = FindCommand(code);
    return spec && !spec->fetchesReply && !FindStream(code);
}

// Pauses of a whole full read at start-up; the benchmark compares wall time against it.
inline constexpr milliseconds kFullReadPauses{379};

// Acknowledgement report on the notify interface.
inline constexpr std::uint8_t kNotifyReportId = 4;
inline constexpr std::uint8_t kNotifyKindAck = 4;
inline constexpr std::size_t kNotifyKindByte = 1;
inline constexpr std::size_t kNotifyKeyByte = 2;

} // namespace hx
