#include "macro/MacroManager.h"

#include "macro/MacroTexts.h"

#include <algorithm>

namespace hx {
namespace {

constexpr std::size_t kRepeatDigits = 3;

std::u16string DecimalText(unsigned value) {
    std::u16string text;
    for (char c : std::to_string(value))
        text += static_cast<char16_t>(c);
    return text;
}

} // namespace

MacroManager::MacroManager(UiServices& ui, MacroHookControl& hook, const Clock& clock)
    : ui_(ui), hook_(hook), clock_(clock) {}

void MacroManager::Open(const MacroLibrary& library) {
    editLibrary_ = library;
    CompactMacroLibrary(editLibrary_);
    lastEventText_.clear();
    hookInstalled_ = delayMode_ = repeatEnabled_ = recordingOn_ = insertKeyMode_ = false;
    insertLine_ = 0;
    macroLines_.clear();
    selectedMacro_ = -1;
    eventLines_.clear();
    lineRefs_.clear();
    selectedEvent_ = -1;
    work_.Clear();
    appendPos_ = 0;
    repeatText_.clear();
    for (const MacroRecord& record : editLibrary_.records) {
        if (record.HasName())
            macroLines_.push_back(record.Name());
    }
    if (!macroLines_.empty())
        SelectMacro(0);
}

void MacroManager::Close() {
    RemoveHook();
}

void MacroManager::Ok(MacroLibrary& library) {
    RemoveHook();
    if (repeatEnabled_ && selectedMacro_ >= 0)
        editLibrary_[static_cast<std::size_t>(selectedMacro_)].SetRepeatCount(RepeatNumber());
    library = editLibrary_;
}

void MacroManager::SelectMacro(int line) {
    if (line < 0 || static_cast<std::size_t>(line) >= macroLines_.size())
        return;
    // A pending key insertion belongs to the macro that was shown.
    if (insertKeyMode_)
        EndInsertKeyMode();
    selectedMacro_ = line;
    eventLines_.clear();
    selectedEvent_ = -1;
    const MacroRecord& record = editLibrary_[static_cast<std::size_t>(line)];
    delayMode_ = record.HasDelays();
    unsigned repeat = record.RepeatCount();
    // 0 is shown as 1 with repeating off; only a count above 1 switches it on.
    repeatEnabled_ = repeat > 1;
    if (repeat == 0)
        repeat = 1;
    SetRepeatTextByProgram(DecimalText(repeat));
    LoadMacroEvents(line);
}

void MacroManager::NewMacro() {
    if (macroLines_.size() >= macrolib::kMaxMacros)
        return;
    const std::u16string name = NextMacroName(macroLines_);
    const std::size_t i = macroLines_.size();
    macroLines_.push_back(name);
    selectedMacro_ = static_cast<int>(i);
    editLibrary_[i] = MacroRecord{};
    editLibrary_[i].SetName(name);
    eventLines_.clear();
    lineRefs_.clear();
    selectedEvent_ = -1;
    work_.Clear();
    appendPos_ = 0;
    recordingOn_ = false;
    delayMode_ = false;
    SetRepeatTextByProgram(u"1");
    RemoveHook();
    repeatEnabled_ = false;
}

void MacroManager::DeleteMacro() {
    if (ui_.ShowMessage(std::string(kConfirmDeleteText), std::string(kMacroCaption),
                        MessageButtons::kOkCancel) != MessageAnswer::kOk)
        return;
    if (selectedMacro_ < 0) {
        ui_.ShowMessage(std::string(kSelectToDeleteMacroText), std::string(kMacroCaption),
                        MessageButtons::kOk);
        return;
    }
    const auto i = static_cast<std::size_t>(selectedMacro_);
    macroLines_.erase(macroLines_.begin() + selectedMacro_);
    eventLines_.clear();
    lineRefs_.clear();
    selectedEvent_ = -1;
    // The macros behind move down one place, so their numbers (and device slots) go down too.
    auto& records = editLibrary_.records;
    std::copy(records.begin() + static_cast<std::ptrdiff_t>(i) + 1, records.end(),
              records.begin() + static_cast<std::ptrdiff_t>(i));
    records.back() = MacroRecord{};
    selectedMacro_ = -1;
    if (!macroLines_.empty())
        SelectMacro(std::min(static_cast<int>(i), static_cast<int>(macroLines_.size()) - 1));
    RemoveHook();
    recordingOn_ = false;
}

void MacroManager::RenameMacro(int line, std::u16string_view text) {
    if (line < 0 || static_cast<std::size_t>(line) >= macroLines_.size())
        return;
    // An empty name would mark the record unused and break the library's order.
    if (text.empty())
        return;
    const std::u16string name(text.substr(0, macrorecord::kNameMaxChars));
    macroLines_[static_cast<std::size_t>(line)] = name;
    // Stored at once, so an OK right after the edit keeps it.
    editLibrary_[static_cast<std::size_t>(line)].SetName(name);
}

void MacroManager::RecordButton() {
    if (selectedMacro_ < 0) {
        ui_.ShowMessage(std::string(kSelectToRecordText), std::string(kMacroCaption),
                        MessageButtons::kOk);
        return;
    }
    recordingOn_ = !recordingOn_;
    if (!recordingOn_) {
        RemoveHook();
        return;
    }
    // Recording takes the hook over from a key insertion that has not seen its key yet.
    insertKeyMode_ = false;
    InstallHookIfNeeded();
    work_.Clear();
    lastEventText_.clear();
    eventLines_.clear();
    selectedEvent_ = -1;
    RefreshEventLines();
    MacroRecord& record = editLibrary_[static_cast<std::size_t>(selectedMacro_)];
    std::ranges::fill(record.DeviceEvents(), std::uint8_t{0});
    std::ranges::fill(record.KeyEvents(), std::uint8_t{0});
}

void MacroManager::ToggleDelayMode() {
    delayMode_ = !delayMode_;
}

void MacroManager::ToggleRepeat() {
    repeatEnabled_ = !repeatEnabled_;
    if (!repeatEnabled_)
        SetRepeatTextByProgram(u"1");
}

void MacroManager::SetRepeatText(std::u16string_view text) {
    std::u16string digits;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9' && digits.size() < kRepeatDigits)
            digits += c;
    }
    SetRepeatTextByProgram(std::move(digits));
}

void MacroManager::SetRepeatTextByProgram(std::u16string text) {
    repeatText_ = std::move(text);
    if (selectedMacro_ >= 0)
        editLibrary_[static_cast<std::size_t>(selectedMacro_)].SetRepeatCount(RepeatNumber());
}

std::uint16_t MacroManager::RepeatNumber() const {
    unsigned value = 0;
    for (char16_t c : repeatText_) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + static_cast<unsigned>(c - u'0');
        if (value > 0xFFFF)
            return 0xFFFF;
    }
    return static_cast<std::uint16_t>(value);
}

void MacroManager::SelectEventLine(int line) {
    selectedEvent_ = line >= 0 && static_cast<std::size_t>(line) < eventLines_.size() ? line : -1;
}

void MacroManager::EditStart() {
    RemoveHook();
    recordingOn_ = false;
}

void MacroManager::LoadMacroEvents(int macro) {
    const MacroRecord& record = editLibrary_[static_cast<std::size_t>(macro)];
    std::ranges::copy(record.DeviceEvents(), work_.device.begin());
    std::ranges::copy(record.KeyEvents(), work_.key.begin());
    // Whatever a file left behind the end would turn into events once something is appended.
    const std::size_t end = work_.End();
    std::fill(work_.device.begin() + static_cast<std::ptrdiff_t>(end), work_.device.end(),
              std::uint8_t{0});
    std::fill(work_.key.begin() + static_cast<std::ptrdiff_t>(end), work_.key.end(),
              std::uint8_t{0});
    RefreshEventLines();
}

void MacroManager::StoreWorkingMacro() {
    if (selectedMacro_ < 0 || static_cast<std::size_t>(selectedMacro_) >= macroLines_.size())
        return;
    MacroRecord& record = editLibrary_[static_cast<std::size_t>(selectedMacro_)];
    record.SetName(macroLines_[static_cast<std::size_t>(selectedMacro_)]);
    record.SetRepeatCount(repeatEnabled_ ? RepeatNumber() : 1);
    record.SetHasDelays(delayMode_);
    std::ranges::copy(work_.device, record.DeviceEvents().begin());
    std::ranges::copy(work_.key, record.KeyEvents().begin());
}

void MacroManager::RefreshEventLines() {
    eventLines_ = hx::EventLines(work_.device, work_.key);
    lineRefs_ = EventLineRefs(work_.device);
    appendPos_ = work_.End();
    if (selectedEvent_ >= static_cast<int>(eventLines_.size()))
        selectedEvent_ = -1;
}

void MacroManager::InstallHookIfNeeded() {
    if (!hookInstalled_)
        hookInstalled_ = hook_.Install();
}

void MacroManager::RemoveHook() {
    // Without the hook no key can end an insertion, so none stays pending.
    insertKeyMode_ = false;
    if (!hookInstalled_)
        return;
    hook_.Remove();
    hookInstalled_ = false;
}

void MacroManager::EndInsertKeyMode() {
    insertKeyMode_ = false;
    if (!recordingOn_)
        RemoveHook();
}

std::u16string NextMacroName(const std::vector<std::u16string>& lines) {
    for (unsigned k = 1;; ++k) {
        const std::u16string name =
            std::u16string(k <= 9 ? kNewMacroPrefixOneDigit : kNewMacroPrefixTwoDigits) +
            DecimalText(k);
        if (std::ranges::find(lines, name) == lines.end())
            return name;
    }
}

void CompactMacroLibrary(MacroLibrary& library) {
    auto& records = library.records;
    const auto unnamed = std::stable_partition(records.begin(), records.end(),
                                               [](const MacroRecord& r) { return r.HasName(); });
    std::fill(unnamed, records.end(), MacroRecord{});
}

} // namespace hx
