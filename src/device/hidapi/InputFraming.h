#pragma once

#include <cstdint>
#include <span>

namespace hx::hid {

enum class InputFit {
    kAccept, // `out` now holds the report, byte 0 the report id
    kSkip,   // a report of another collection; `out` is untouched
};

// Whether an interface is known to put a report id before each report. HID requires ids when
// an interface has more than one top-level collection; with one, either is possible.
enum class Numbering { kNumbered, kUnknown };

// Fits what a hidraw read returned into the caller's buffer, whose byte 0 is preset to the
// report id expected (0 when the interface does not number its reports).
// - Full length: a numbered report. When a non-zero id is expected and another id came, it is
//   another top-level collection of the same interface (hidraw opens the whole interface, where
//   Windows opens one collection), so it is skipped.
// - One byte short: an unnumbered report; hidraw leaves out the id, so the data moves up one
//   byte and byte 0 keeps the preset id. On a numbered interface this length is another
//   collection's report instead, and is skipped.
// - Any other length belongs to another report of the interface and is skipped.
InputFit FitInputReport(std::span<const std::uint8_t> raw, std::span<std::uint8_t> out,
                        Numbering numbering);

} // namespace hx::hid
