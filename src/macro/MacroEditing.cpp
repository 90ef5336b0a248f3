// Editing the selected macro's events: keys from the hook, mouse-button events, delays, deleting.
#include "macro/MacroManager.h"

#include "keymap/KeyCatalogue.h"
#include "macro/MacroTexts.h"

#include <algorithm>

namespace hx {
namespace {

constexpr std::uint8_t kPressFlag = eventlist::kNoDelay;
constexpr std::uint8_t kReleaseFlag = eventlist::kReleaseBit | eventlist::kNoDelay;
// What "insert delay" gives the event below the selected line.
constexpr std::uint16_t kInsertedDelay = 50;

} // namespace

bool MacroManager::IsDelayLine(int line) const {
    return line >= 0 && static_cast<std::size_t>(line) < lineRefs_.size() &&
           lineRefs_[static_cast<std::size_t>(line)].delayLine;
}

bool MacroManager::InsertEventAt(int line, std::uint8_t flag, std::uint8_t vk) {
    const std::size_t position = EventLineWalk(work_.device, static_cast<std::size_t>(line));
    if (!InsertEventBytes(work_, position, flag, vk, DeviceCodeOf(vk)))
        return false;
    RefreshEventLines();
    // The list box keeps the selection on its line when a line goes in above it.
    if (selectedEvent_ >= line)
        ++selectedEvent_;
    return true;
}

void MacroManager::BeginInsertKeys(bool after) {
    const int s = selectedEvent_;
    if (s < 0)
        return;
    const int last = static_cast<int>(eventLines_.size()) - 1;
    if (after)
        insertLine_ = s == last ? s + 1 : IsDelayLine(s) ? s + 2 : s + 1;
    else
        insertLine_ = s == 0 ? 0 : IsDelayLine(s) ? s : IsDelayLine(s - 1) ? s - 1 : s;
    insertKeyMode_ = true;
    if (!hookInstalled_) {
        hook_.Install();
        hookInstalled_ = true;
    }
}

void MacroManager::InsertKeyFromHook(std::uint8_t vk, bool release) {
    // A key the keyboard has no code for cannot be played; its 0 would also end the list.
    if (DeviceCodeOf(vk) == 0)
        return;
    if (release) {
        // The first release ends the insertion.
        EndInsertKeyMode();
        InsertEventAt(insertLine_, kReleaseFlag, vk);
        return;
    }
    if (InsertEventAt(insertLine_, kPressFlag, vk))
        ++insertLine_;
}

void MacroManager::InsertMouse(std::uint8_t keyByte, int action) {
    const int s = selectedEvent_;
    if (selectedMacro_ < 0 || s < 0)
        return;
    const int line = IsDelayLine(s) ? s + 2 : s + 1;
    switch (static_cast<MouseAction>(action)) {
    case MouseAction::kPress:
        InsertEventAt(line, kPressFlag, keyByte);
        break;
    case MouseAction::kRelease:
        InsertEventAt(line, kReleaseFlag, keyByte);
        break;
    case MouseAction::kClick:
        // Both or neither: a click cut to its press would leave the button held.
        if (work_.HasRoomFor(2 * eventlist::kShortEventSize)) {
            InsertEventAt(line, kPressFlag, keyByte);
            InsertEventAt(line + 1, kReleaseFlag, keyByte);
        }
        break;
    }
    EndInsertKeyMode();
    StoreWorkingMacro();
}

void MacroManager::InsertDelay() {
    const int s = selectedEvent_;
    if (s < 0 || s == static_cast<int>(eventLines_.size()) - 1)
        return;
    if (IsDelayLine(s)) {
        ui_.ShowMessage(std::string(kEditCurrentDelayText), std::string(kMacroCaption),
                        MessageButtons::kOk);
        return;
    }
    // The event just below the selected key line; a long delay there becomes the short one too.
    const std::size_t position = EventLineWalk(work_.device, static_cast<std::size_t>(s) + 1);
    SetEventDelay(work_, position, kInsertedDelay);
    ReloadAfterEdit();
}

void MacroManager::DeleteLine() {
    const int s = selectedEvent_;
    if (selectedMacro_ < 0 || s < 0 || static_cast<std::size_t>(s) >= lineRefs_.size())
        return;
    const EventLineRef ref = lineRefs_[static_cast<std::size_t>(s)];
    if (ref.delayLine)
        RemoveDelayAt(work_, ref.position);
    else
        RemoveEventAt(work_, ref.position);
    ReloadAfterEdit();
}

void MacroManager::ReloadAfterEdit() {
    EndInsertKeyMode();
    StoreWorkingMacro();
    selectedEvent_ = -1;
    if (selectedMacro_ >= 0)
        LoadMacroEvents(selectedMacro_);
}

void MacroManager::EditDelay(int line, int value) {
    if (!IsDelayLine(line)) {
        // Nothing to change; the lines are shown again as they are.
        RefreshEventLines();
        return;
    }
    const int delay = std::clamp<int>(value, eventlist::kNoDelay + 1, eventlist::kMaxDelay);
    // Refused when the list is too full for the long form: the delay stays as it was.
    SetEventDelay(work_, lineRefs_[static_cast<std::size_t>(line)].position,
                  static_cast<std::uint16_t>(delay));
    EndInsertKeyMode();
    StoreWorkingMacro();
    RefreshEventLines();
    selectedEvent_ = line < static_cast<int>(eventLines_.size()) ? line : -1;
}

void MacroManager::RunMenuCommand(int id) {
    switch (id) {
    case kCmdInsertBefore:
        BeginInsertKeys(false);
        return;
    case kCmdInsertAfter:
        BeginInsertKeys(true);
        return;
    case kCmdInsertDelay:
        InsertDelay();
        return;
    case kCmdDeleteLine:
        DeleteLine();
        return;
    default:
        break;
    }
    for (const MouseButtonMenu& button : kMouseButtonMenus) {
        const auto found = std::ranges::find(button.ids, id);
        if (found != button.ids.end()) {
            InsertMouse(button.keyByte, static_cast<int>(found - button.ids.begin()));
            return;
        }
    }
}

} // namespace hx
