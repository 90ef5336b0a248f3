#include "keymap/EncodeAssignment.h"

#include "config/LocalFiles.h"
#include "keymap/FunctionCatalogue.h"
#include "keymap/KeyCatalogue.h"
#include "keymap/KeyLayout.h"
#include "keymap/RemapEntry.h"
#include "keymap/ShortcutKinds.h"
#include "macro/MacroLibrary.h"

#include <algorithm>

namespace hx {
namespace {

// Data bytes 0..3 written for every shortcut; the launch does not read them.
constexpr RemapBytes kShortcutData{0x03, 0x00, 0x23, 0x02};

void SetData(KeyRecord& r, const RemapBytes& four) {
    std::ranges::copy(four, r.bytes.begin() + keyrecord::kChosenCodes.offset);
}

void SetChosenKeys(KeyRecord& r, const AssignmentResult& result) {
    std::ranges::copy(result.chosenKeys, r.bytes.begin() + keyrecord::kChosenCodes.offset);
    r.at(keyrecord::kChosenCount) = static_cast<std::uint8_t>(result.chosenLength);
}

// The key's own function as far as the record goes: type 0, no keys.
void ClearRecord(KeyRecord& r) {
    r.at(keyrecord::kAssignType) = ASSIGN_KEY;
    r.at(keyrecord::kChosenCount) = 0;
    std::fill_n(r.bytes.begin() + keyrecord::kChosenCodes.offset, keyrecord::kChosenCodes.size,
                std::uint8_t{0});
}

// Byte 0 of the record as it stands, normally the key's defaultVk (a record whose byte 0 is 0
// gives the entry 00 00 00 00).
RemapBytes OwnFunctionEntry(const KeyRecord& r) {
    return SingleKeyEntry(DeviceCodeOf(r.at(keyrecord::kDefaultVk)));
}

void EncodeMacro(AppState& state, std::size_t key, const AssignmentResult& result) {
    KeyRecord& r = state.keys[key];
    const auto slot = static_cast<std::uint8_t>(result.chosenMacro & 0xFF);
    r.at(keyrecord::kAssignType) = ASSIGN_MACRO;
    SetData(r, MacroEntry(slot));
    // -1 is "none"; a number without a device slot would make the keyboard play a slot it does
    // not have, so it counts as none too.
    if (result.chosenMacro < 0 ||
        result.chosenMacro >= static_cast<std::int32_t>(image::kMacroSlotCount))
        return;
    WriteRemapEntry(state.image, key, MacroEntry(slot));
    state.keyCustomised[key] = 1;
    if (state.macroLibrary[0].HasName())
        FillDeviceMacroSlots(state.macroLibrary, state.image);
}

void EncodeShortcut(AppState& state, std::size_t key, const AssignmentResult& result) {
    KeyRecord& r = state.keys[key];
    state.keyCustomised[key] = 1;
    r.at(keyrecord::kAssignType) = result.assignType;
    // The entry takes byte 0 as it stands, before it is re-stamped: after a load both agree.
    WriteRemapEntry(state.image, key, ReportEntry(r.at(keyrecord::kDefaultVk)));
    r.at(keyrecord::kDefaultVk) = kKeyLayout[key].defaultVk;
    SetData(r, kShortcutData);
    StoreShortcutPath(r, result.chosenPath);
}

} // namespace

void EncodeAssignment(AppState& state, std::size_t key, AssignmentResult& result) {
    if (key >= kKeyCount)
        return;
    KeyRecord& r = state.keys[key];

    if (result.chosenLength == assignment::kResetLength) {
        ClearRecord(r);
        WriteRemapEntry(state.image, key, OwnFunctionEntry(r));
        state.image.SetEnableBit(kKeyLayout[key].enableBit(), true);
        result.keyEnabled = 1;
        return;
    }

    switch (result.assignType) {
    case ASSIGN_KEY: {
        r.at(keyrecord::kAssignType) = ASSIGN_KEY;
        SetChosenKeys(r, result);
        if (result.chosenLength != 1)
            break;
        const std::uint8_t vk = result.chosenKeys[0];
        if (vk == kKeyLayout[key].defaultVk) {
            ClearRecord(r);
            state.keyCustomised[key] = 0;
        } else {
            state.keyCustomised[key] = 1;
        }
        WriteRemapEntry(state.image, key, SingleKeyEntry(DeviceCodeOf(vk)));
        break;
    }
    case ASSIGN_COMBO: {
        r.at(keyrecord::kAssignType) = ASSIGN_COMBO;
        SetChosenKeys(r, result);
        // Capture order; consumer codes inside a combination are not treated specially.
        const auto& k = result.chosenKeys;
        WriteRemapEntry(state.image, key,
                        {REMAP_KEYS, DeviceCodeOf(k[0]), DeviceCodeOf(k[1]), DeviceCodeOf(k[2])});
        if (result.chosenLength > 1)
            state.keyCustomised[key] = 1;
        break;
    }
    case ASSIGN_MACRO:
        EncodeMacro(state, key, result);
        break;
    case ASSIGN_FUNCTION:
        r.at(keyrecord::kAssignType) = ASSIGN_FUNCTION;
        state.keyCustomised[key] = 1;
        if (const FunctionEntry* f = FindFunctionByName(result.chosenFunction)) {
            SetData(r, f->bytes);
            WriteRemapEntry(state.image, key, f->bytes);
        }
        break;
    case ASSIGN_PLAY_SOUND:
    case ASSIGN_RUN_PROGRAM:
    case ASSIGN_OPEN_FILE:
    case ASSIGN_OPEN_FOLDER:
        EncodeShortcut(state, key, result);
        break;
    case ASSIGN_DEFAULT:
        // keyCustomised stays as the main window set it; the enable rule decides it afterwards.
        ClearRecord(r);
        WriteRemapEntry(state.image, key, OwnFunctionEntry(r));
        break;
    default: // ASSIGN_NONE: nothing was chosen
        break;
    }
}

Status CommitKeyAssignment(AppState& state, std::size_t key, AssignmentResult& result) {
    if (key >= kKeyCount)
        return Status::Ok();
    state.keyCustomised[key] = 0;
    EncodeAssignment(state, key, result);
    const bool enabled = result.keyEnabled == 1;
    state.image.SetEnableBit(kKeyLayout[key].enableBit(), enabled);
    if (!enabled)
        state.keyCustomised[key] = 1;
    return SaveKeymapFromLive(state);
}

} // namespace hx
