#include "macro/MacroLibrary.h"

#include "common/Utf16.h"

#include <algorithm>

namespace hx {

std::u16string MacroRecord::Name() const {
    return ReadUtf16Le(span(macrorecord::kName));
}

void MacroRecord::SetName(std::u16string_view name) {
    WriteUtf16Le(name.substr(0, macrorecord::kNameMaxChars), span(macrorecord::kName));
}

MacroSlot MakeMacroSlot(const MacroRecord& record) {
    MacroSlot slot;
    // The record keeps the count little-endian, the keyboard wants it big-endian.
    slot.bytes[macroslot::kRepeatHigh.offset] = record.at(macrorecord::kRepeatCount, 1);
    slot.bytes[macroslot::kRepeatLow.offset] = record.at(macrorecord::kRepeatCount, 0);
    const auto events = record.DeviceEvents();
    std::copy(events.begin(), events.end(), slot.bytes.begin() + macroslot::kDeviceEvents.offset);
    return slot;
}

std::size_t NamedMacroCount(const MacroLibrary& library) {
    std::size_t n = 0;
    while (n < library.records.size() && library[n].HasName())
        ++n;
    return n;
}

std::vector<std::u16string> MacroListNames(const MacroLibrary& library) {
    const std::size_t n = std::min(NamedMacroCount(library), macrolib::kMaxMacros);
    std::vector<std::u16string> names;
    names.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        names.push_back(library[i].Name());
    return names;
}

std::size_t FillDeviceMacroSlots(const MacroLibrary& library, DeviceImage& image) {
    const std::size_t n = std::min(NamedMacroCount(library), image::kMacroSlotCount);
    for (std::size_t i = 0; i < n; ++i) {
        const MacroSlot slot = MakeMacroSlot(library[i]);
        std::ranges::copy(slot.bytes, image.span(image::MacroSlot(i)).begin());
    }
    return n;
}

} // namespace hx
