#pragma once

#include "config/AppState.h"
#include "config/KeyTable.h"
#include "keymap/AssignmentResult.h"
#include "keymap/KeyMapLayout.h"
#include "platform/UiServices.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hx {

// The dialog's four pages, chosen by its tabs.
enum class KeyMapPage : int { kKeys = 0, kMacro = 1, kFunction = 2, kAdvanced = 3 };

// What the window has to do after the dialog's logic handled an event.
enum class KeyMapRepaint {
    kNone,
    kWhole,         // compose the whole dialog again
    kPageContent,   // draw the tab strip and the page over what is shown
    kTickBox,       // draw the tick box and its label over what is shown
    kBrowseButtons, // draw the advanced page's browse buttons over what is shown
};
enum class KeyMapEnd { kNone, kOk, kCancel };
enum class KeyMapFocus { kNone, kSingleKeyEdit, kComboEdit, kMacroList };
enum class KeyMapEdit { kSingleKey, kCombo };

struct KeyMapEffects {
    KeyMapRepaint repaint = KeyMapRepaint::kNone;
    KeyMapEnd end = KeyMapEnd::kNone;
    KeyMapFocus focus = KeyMapFocus::kNone;
    // Hand a held left button to the window manager, which moves the dialog.
    bool startMove = false;
};

// The key-assignment dialog without its window: pages, buttons, key capture, the macro list's
// and the function tree's choice, the advanced page, and what it leaves in `result` for the
// encoder. One opening edits one key; the window forwards its events and shows the state.
//
// The key's record is not touched while the dialog is open: the changes a tab click makes to
// it are kept aside and written only when the dialog ends with OK, so Cancel leaves the key
// table as it was.
class KeyMapController {
public:
    KeyMapController(AppState& state, UiServices& ui, AssignmentResult& result);

    // Sets everything up for `key` (a keyIndex below kKeyCount) from its record, its enable
    // bit and the macro library. The hook is not installed yet.
    KeyMapEffects Open(std::size_t key);
    void SetHookInstalled(bool installed) { hookInstalled_ = installed; }

    KeyMapEffects MouseMove(int x, int y);
    KeyMapEffects LeftButtonUp(int x, int y);
    // A WM_HOOK_KEY report of virtual-key code `vk`.
    void CaptureKey(std::uint8_t vk);
    // The user moved the keyboard focus into one of the two edits.
    void EditFocused(KeyMapEdit edit);
    // The macro list's selected line (-1 none) and the function tree's selected item (an
    // index of kFunctionTree), as the user changed them.
    void SetMacroSelection(int line);
    void SetTreeSelection(std::optional<std::size_t> item);

    std::size_t key() const { return key_; }
    KeyMapPage page() const { return page_; }
    bool hookInstalled() const { return hookInstalled_; }
    std::uint8_t buttonState(std::size_t button) const { return buttonStates_[button]; }
    bool disableTicked() const { return disableTicked_; }
    std::uint8_t shortcutRow() const { return shortcutRow_; }
    std::uint8_t radioCell() const { return radioCell_; }
    // The row whose browse button the pointer is over, for the browse buttons' redraw.
    std::optional<std::size_t> browseHoverRow() const { return browseHoverRow_; }
    const std::u16string& singleKeyText() const { return singleKeyText_; }
    const std::u16string& comboText() const { return comboText_; }
    const std::vector<std::u16string>& macroNames() const { return macroNames_; }
    int macroSelection() const { return macroSelection_; }
    std::optional<std::size_t> treeSelection() const { return treeSelection_; }
    // The category opened at opening to show the preselected function.
    std::optional<std::size_t> expandedCategory() const { return expandedCategory_; }
    const AssignmentResult& result() const { return result_; }

private:
    void ClearKeys();
    void SelectTab(KeyMapPage target, KeyMapEffects& effects);
    void Save(KeyMapEffects& effects);
    void AdvancedClick(int x, int y, KeyMapEffects& effects);
    void Finish(KeyMapEnd end, KeyMapEffects& effects);
    std::uint8_t TickBoxKeyEnabled() const { return disableTicked_ ? 0 : 1; }

    AppState& state_;
    UiServices& ui_;
    AssignmentResult& result_;

    std::size_t key_ = 0;
    KeyRecord record_{}; // the key's record with the dialog's pending changes
    KeyMapPage page_ = KeyMapPage::kKeys;
    bool hookInstalled_ = false;
    std::array<std::uint8_t, kDialogButtonCount> buttonStates_{};
    std::uint8_t lastHovered_ = kNoButton;
    bool disableTicked_ = false;
    std::uint8_t shortcutRow_ = kNoCell;
    std::uint8_t radioCell_ = kNoCell;
    bool focusOnce_ = false;
    std::optional<std::size_t> browseHoverRow_;
    std::u16string singleKeyText_;
    std::u16string comboText_;
    std::vector<std::u16string> macroNames_;
    int macroSelection_ = -1;
    std::optional<std::size_t> treeSelection_;
    std::optional<std::size_t> expandedCategory_;
};

// The names of `codes` joined by "+ ", each name as the catalogue spells it.
std::u16string ComboText(std::span<const std::uint8_t> codes);

} // namespace hx
