#pragma once

#include "config/AppState.h"
#include "keymap/KeyLayout.h"
#include "keymap/KeyMapController.h"
#include "keymap/ShortcutKinds.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

namespace hx::test {

// The assignment dialog's logic over a state whose keys are all enabled and on their own
// function, with a few named macros.
class KeyMapFixture : public ::testing::Test {
protected:
    static constexpr std::size_t kKey = kEscKey;

    KeyMapFixture() {
        for (std::size_t k = 0; k < kKeyCount; ++k) {
            state->image.SetEnableBit(kKeyLayout[k].enableBit(), true);
            state->keys[k].at(keyrecord::kDefaultVk) = kKeyLayout[k].defaultVk;
        }
        for (const char16_t* name : {u"Один", u"Два", u"Три"})
            state->macroLibrary[NamedMacros()].SetName(name);
    }

    std::size_t NamedMacros() const { return NamedMacroCount(state->macroLibrary); }

    // Stores a record for kKey: its kind, its first data bytes and its count.
    void Store(std::uint8_t type, std::initializer_list<std::uint8_t> data,
               std::uint8_t length = 0) {
        KeyRecord& r = state->keys[kKey];
        r.at(keyrecord::kAssignType) = type;
        std::size_t i = 0;
        for (std::uint8_t b : data)
            r.at(keyrecord::kChosenCodes, i++) = b;
        r.at(keyrecord::kChosenCount) = length;
    }

    KeyMapEffects Click(std::uint8_t button) {
        const DialogButtonSpec& b = kDialogButtons[button];
        return dialog.LeftButtonUp((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    KeyMapEffects ClickCell(std::size_t row, std::size_t column) {
        static constexpr int kColumnX[] = {20, 50, 150, 280};
        return dialog.LeftButtonUp(kColumnX[column], AdvancedRowTop(row) + 8);
    }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    ScriptedUi ui;
    AssignmentResult result;
    KeyMapController dialog{*state, ui, result};
};

} // namespace hx::test
