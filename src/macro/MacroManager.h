#pragma once

#include "common/Clock.h"
#include "macro/MacroLibrary.h"
#include "macro/WorkingEvents.h"
#include "platform/UiServices.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hx {

// The key hook as the macro manager uses it: reporting every press and release to its window.
class MacroHookControl {
public:
    virtual ~MacroHookControl() = default;
    virtual bool Install() = 0;
    virtual void Remove() = 0;
};

// The macro manager's working state and every command of it: the working copy of the library,
// the macro list and the event list as lines with their selections, the repeat edit's text, the
// recorder and the editing commands. The window shows these lines and forwards the user's
// actions here; nothing reaches the program's library before Ok().
class MacroManager {
public:
    MacroManager(UiServices& ui, MacroHookControl& hook, const Clock& clock);

    // Starts a session on a copy of `library`: lists its macros, selects the first one.
    void Open(const MacroLibrary& library);
    // The window closes: the hook goes.
    void Close();
    // OK: stores the repeat count and writes the working copy into `library`.
    void Ok(MacroLibrary& library);

    // The macro list: line i is record i's name.
    void SelectMacro(int line);
    void NewMacro();
    void DeleteMacro();
    // A committed in-place edit of macro-list line `line`. An empty text is refused (the line
    // keeps its name); a longer one is cut to the record's 254 characters.
    void RenameMacro(int line, std::u16string_view text);

    // Buttons and the repeat edit.
    void RecordButton();
    void ToggleDelayMode();
    void ToggleRepeat();
    // The user changed the repeat edit's text.
    void SetRepeatText(std::u16string_view text);

    // The event list.
    void SelectEventLine(int line);
    // A list is about to edit a line in place.
    void EditStart();
    // A delay line was committed with `value`.
    void EditDelay(int line, int value);
    // A command of the event list's context menu (MacroCommand ids).
    void RunMenuCommand(int id);

    // WM_HOOK_KEY.
    void HookKey(std::uint8_t vk, bool release);

    const MacroLibrary& EditLibrary() const { return editLibrary_; }
    const std::vector<std::u16string>& MacroLines() const { return macroLines_; }
    int SelectedMacro() const { return selectedMacro_; }
    const std::vector<std::u16string>& EventLines() const { return eventLines_; }
    int SelectedEventLine() const { return selectedEvent_; }
    const WorkingEvents& Working() const { return work_; }
    std::size_t AppendPos() const { return appendPos_; }
    const std::u16string& RepeatText() const { return repeatText_; }
    bool DelayMode() const { return delayMode_; }
    bool RepeatEnabled() const { return repeatEnabled_; }
    bool RecordingOn() const { return recordingOn_; }
    bool HookInstalled() const { return hookInstalled_; }
    bool InsertKeyMode() const { return insertKeyMode_; }
    int InsertLine() const { return insertLine_; }

private:
    // Working-copy routines.
    void LoadMacroEvents(int macro);
    void StoreWorkingMacro();
    void RefreshEventLines();
    void SetRepeatTextByProgram(std::u16string text);
    std::uint16_t RepeatNumber() const;

    // The hook.
    void InstallHookIfNeeded();
    void RemoveHook();
    // An edit ended insert-key mode: the hook stays only while recording needs it.
    void EndInsertKeyMode();

    // Recorder.
    void RecordKey(std::uint8_t vk, bool release);
    std::uint16_t MeasureDelay(bool release, const std::u16string& line);
    bool InsertMacroToList(std::uint8_t vk, std::uint16_t delay, bool release);

    // Editing.
    void InsertKeyFromHook(std::uint8_t vk, bool release);
    void BeginInsertKeys(bool after);
    void InsertMouse(std::uint8_t keyByte, int action);
    void InsertDelay();
    void DeleteLine();
    bool IsDelayLine(int line) const;
    bool InsertEventAt(int line, std::uint8_t flag, std::uint8_t vk);
    void ReloadAfterEdit();

    UiServices& ui_;
    MacroHookControl& hook_;
    const Clock& clock_;

    MacroLibrary editLibrary_{};
    std::vector<std::u16string> macroLines_;
    int selectedMacro_ = -1;
    std::vector<std::u16string> eventLines_;
    std::vector<EventLineRef> lineRefs_;
    int selectedEvent_ = -1;
    WorkingEvents work_;
    std::size_t appendPos_ = 0;
    std::u16string lastEventText_;
    std::u16string repeatText_;
    bool delayMode_ = false;
    bool repeatEnabled_ = false;
    bool recordingOn_ = false;
    bool hookInstalled_ = false;
    bool insertKeyMode_ = false;
    int insertLine_ = 0;
    Clock::Duration lastTime_{};
};

// "Macro_00k" / "Macro_0k" for the first k = 1, 2, ... that names no line of `lines`.
std::u16string NextMacroName(const std::vector<std::u16string>& lines);

// Moves the named records to the front, keeping their order, so line i of the macro list is
// record i; the library stays as it is when it already is compact.
void CompactMacroLibrary(MacroLibrary& library);

} // namespace hx
