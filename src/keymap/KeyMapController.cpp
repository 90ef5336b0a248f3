#include "keymap/KeyMapController.h"

#include "common/Utf16.h"
#include "keymap/FunctionCatalogue.h"
#include "keymap/KeyCatalogue.h"
#include "keymap/KeyLayout.h"
#include "keymap/ShortcutChooser.h"
#include "keymap/ShortcutKinds.h"
#include "macro/MacroLibrary.h"

#include <algorithm>
#include <string>

namespace hx {
namespace {

// The keyboard sends at most three keys together.
constexpr std::uint32_t kMaxComboKeys = 3;
// Byte 0 of a macro assignment's data.
constexpr std::uint8_t kMacroDataKind = 4;
constexpr std::size_t kMacroDataSlot = 2;

std::span<std::uint8_t> Data(KeyRecord& record) {
    return {record.bytes.data() + keyrecord::kChosenCodes.offset, keyrecord::kChosenCodes.size};
}

} // namespace

std::u16string ComboText(std::span<const std::uint8_t> codes) {
    std::u16string text;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (i > 0)
            text += u"+ ";
        text += KeyName(codes[i]);
    }
    return text;
}

KeyMapController::KeyMapController(AppState& state, UiServices& ui, AssignmentResult& result)
    : state_(state), ui_(ui), result_(result) {}

void KeyMapController::ClearKeys() {
    result_.chosenKeys.fill(0);
    result_.chosenLength = 0;
}

KeyMapEffects KeyMapController::Open(std::size_t key) {
    KeyMapEffects effects;
    key_ = std::min(key, kKeyCount - 1);
    record_ = state_.keys[key_];
    buttonStates_.fill(0);
    lastHovered_ = kNoButton;
    page_ = KeyMapPage::kKeys;
    hookInstalled_ = false;
    focusOnce_ = false;
    browseHoverRow_.reset();
    singleKeyText_.clear();
    comboText_.clear();
    const std::uint8_t type = record_.at(keyrecord::kAssignType);
    const auto data = Data(record_);

    // The tree shows the stored function; other kinds keep the last choice.
    if (type == ASSIGN_FUNCTION) {
        const FunctionEntry* f = FindFunctionByBytes({data[0], data[1], data[2], data[3]});
        result_.chosenFunction = f ? std::u16string(f->name) : std::u16string();
    }
    treeSelection_.reset();
    expandedCategory_.reset();
    std::optional<std::size_t> category;
    for (std::size_t i = 0; i < kFunctionTree.size(); ++i) {
        if (!kFunctionTree[i].child)
            category = kFunctionTree[i].category ? std::optional(i) : std::nullopt;
        if (kFunctionTree[i].text == result_.chosenFunction) {
            treeSelection_ = i;
            expandedCategory_ = kFunctionTree[i].child ? category : std::nullopt;
        }
    }

    macroNames_ = MacroListNames(state_.macroLibrary);
    macroSelection_ = -1;

    ClearKeys();
    shortcutRow_ = kNoCell;
    radioCell_ = kNoCell;

    result_.assignType = type;
    result_.chosenLength = record_.at(keyrecord::kChosenCount);
    switch (type) {
    case ASSIGN_KEY:
        result_.chosenKeys[0] = data[0];
        result_.chosenLength = 1;
        singleKeyText_ = KeyName(data[0]);
        std::copy(data.begin(), data.end(), result_.chosenKeys.begin());
        effects.focus = KeyMapFocus::kSingleKeyEdit;
        focusOnce_ = true;
        break;
    case ASSIGN_COMBO: {
        std::vector<std::uint8_t> present;
        std::copy_if(data.begin(), data.begin() + kMaxComboKeys, std::back_inserter(present),
                     [](std::uint8_t code) { return code != 0; });
        comboText_ = ComboText(present);
        std::copy(data.begin(), data.end(), result_.chosenKeys.begin());
        effects.focus = KeyMapFocus::kComboEdit;
        focusOnce_ = true;
        break;
    }
    case ASSIGN_MACRO:
        if (data[0] == kMacroDataKind) {
            page_ = KeyMapPage::kMacro;
            effects.focus = KeyMapFocus::kMacroList;
            if (data[kMacroDataSlot] < macroNames_.size())
                macroSelection_ = data[kMacroDataSlot];
        }
        break;
    case ASSIGN_FUNCTION:
        page_ = KeyMapPage::kFunction;
        break;
    default:
        if (const auto row = ShortcutRowOf(type)) {
            page_ = KeyMapPage::kAdvanced;
            result_.chosenPath = StoredShortcutPath(record_);
            shortcutRow_ = static_cast<std::uint8_t>(*row);
        }
        break;
    }

    const bool enabled = state_.image.EnableBit(kKeyLayout[key_].enableBit());
    disableTicked_ = !enabled;
    result_.keyEnabled = enabled ? 1 : 0;
    effects.repaint = KeyMapRepaint::kWhole;
    return effects;
}

KeyMapEffects KeyMapController::MouseMove(int x, int y) {
    KeyMapEffects effects;
    const std::uint8_t hit = KeyMapButtonHitTest(x, y);
    if (hit == lastHovered_) {
        effects.startMove = hit == kNoButton;
        return effects;
    }
    if (hit == kNoButton) {
        for (std::size_t i = 0; i < buttonStates_.size(); ++i) {
            if (i != kButtonTickBox)
                buttonStates_[i] = 0;
        }
    }
    lastHovered_ = hit;
    if (hit != kNoButton && hit != kButtonTickBox)
        buttonStates_[hit] = 1;
    if (page_ == KeyMapPage::kAdvanced) {
        const std::uint8_t cell = AdvancedCellHitTest(x, y);
        browseHoverRow_.reset();
        if (cell != kNoCell && cell % 4 == kBrowseColumn)
            browseHoverRow_ = cell / 4;
        effects.repaint = KeyMapRepaint::kBrowseButtons;
    }
    effects.startMove = true;
    return effects;
}

void KeyMapController::SelectTab(KeyMapPage target, KeyMapEffects& effects) {
    const bool changed = page_ != target;
    switch (target) {
    case KeyMapPage::kKeys:
        if (changed) {
            result_.chosenKeys[0] = 0;
            result_.chosenLength = 0;
            singleKeyText_.clear();
            comboText_.clear();
            record_.at(keyrecord::kAssignType) = ASSIGN_KEY;
            record_.at(keyrecord::kChosenCount) = 0;
            std::ranges::fill(Data(record_), 0);
            result_.assignType = ASSIGN_KEY;
            effects.focus = KeyMapFocus::kSingleKeyEdit;
        }
        radioCell_ = kNoCell;
        shortcutRow_ = kNoCell;
        break;
    case KeyMapPage::kMacro:
        // The macro and function tabs set the kind one below their page's; harmless, as Save
        // on either page sets the real kind.
        result_.assignType = ASSIGN_COMBO;
        radioCell_ = kNoCell;
        shortcutRow_ = kNoCell;
        break;
    case KeyMapPage::kFunction:
        if (changed)
            treeSelection_ = 0;
        result_.assignType = ASSIGN_MACRO;
        radioCell_ = kNoCell;
        shortcutRow_ = kNoCell;
        break;
    case KeyMapPage::kAdvanced:
        radioCell_ = kNoCell;
        if (changed) {
            result_.chosenKeys[0] = 0;
            result_.chosenLength = 0;
            record_.at(keyrecord::kAssignType) = ASSIGN_NONE;
            std::ranges::fill(Data(record_), 0);
            singleKeyText_.clear();
            comboText_.clear();
            result_.assignType = ASSIGN_NONE;
            shortcutRow_ = kNoCell;
        }
        break;
    }
    page_ = target;
    // Drawn over the shown picture, a new page would keep the old page's labels and rows
    // where its own controls do not cover them: a new page is composed whole.
    effects.repaint = changed ? KeyMapRepaint::kWhole : KeyMapRepaint::kPageContent;
}

void KeyMapController::Save(KeyMapEffects& effects) {
    switch (page_) {
    case KeyMapPage::kKeys: {
        result_.keyEnabled = TickBoxKeyEnabled();
        const auto first_zero =
            std::find(result_.chosenKeys.begin(), result_.chosenKeys.end(), std::uint8_t{0});
        result_.chosenLength =
            static_cast<std::uint32_t>(std::distance(result_.chosenKeys.begin(), first_zero));
        if (result_.chosenLength == 0)
            result_.assignType = ASSIGN_DEFAULT;
        effects.end = KeyMapEnd::kOk;
        break;
    }
    case KeyMapPage::kMacro:
        result_.assignType = ASSIGN_MACRO;
        result_.chosenMacro = macroSelection_;
        if (macroSelection_ < 0) {
            result_.keyEnabled = 1;
            result_.assignType = ASSIGN_DEFAULT;
        } else {
            result_.keyEnabled = TickBoxKeyEnabled();
        }
        effects.end = KeyMapEnd::kOk;
        break;
    case KeyMapPage::kFunction:
        result_.assignType = ASSIGN_FUNCTION;
        // A category, or nothing selected at all, names no function: ask for one.
        if (!treeSelection_ || *treeSelection_ >= kFunctionTree.size() ||
            kFunctionTree[*treeSelection_].category) {
            ui_.ShowMessage(std::string(kNoSubItemMessage), std::string(kKeyMapMessageCaption),
                            MessageButtons::kOk);
            break;
        }
        result_.chosenFunction = std::u16string(kFunctionTree[*treeSelection_].text);
        result_.keyEnabled = TickBoxKeyEnabled();
        effects.end = KeyMapEnd::kOk;
        break;
    case KeyMapPage::kAdvanced:
        result_.keyEnabled = TickBoxKeyEnabled();
        effects.end = KeyMapEnd::kOk;
        break;
    }
}

void KeyMapController::AdvancedClick(int x, int y, KeyMapEffects& effects) {
    const std::uint8_t cell = AdvancedCellHitTest(x, y);
    if (cell == kNoCell) {
        if (shortcutRow_ == kNoCell) {
            radioCell_ = kNoCell;
            result_.assignType = ASSIGN_DEFAULT;
        }
        effects.repaint = KeyMapRepaint::kWhole;
        return;
    }
    const std::size_t row = cell / 4;
    switch (cell % 4) {
    case kRadioColumn:
        radioCell_ = cell;
        shortcutRow_ = static_cast<std::uint8_t>(row);
        result_.chosenPath.clear();
        effects.repaint = KeyMapRepaint::kWhole;
        break;
    case kBrowseColumn:
        radioCell_ = RadioCellOf(row);
        if (ChooseShortcutPath(row, ui_, result_)) {
            shortcutRow_ = static_cast<std::uint8_t>(row);
            effects.repaint = KeyMapRepaint::kWhole;
        }
        break;
    default:
        break;
    }
}

void KeyMapController::Finish(KeyMapEnd end, KeyMapEffects& effects) {
    effects.end = end;
    if (end != KeyMapEnd::kOk)
        return;
    // A shortcut row without a path would make the key report itself and open nothing, and
    // would lose the path the key had: without a path the key gets its own function back.
    if (page_ == KeyMapPage::kAdvanced && IsShortcutType(result_.assignType) &&
        result_.chosenPath.empty())
        result_.assignType = ASSIGN_DEFAULT;
    state_.keys[key_] = record_;
}

KeyMapEffects KeyMapController::LeftButtonUp(int x, int y) {
    KeyMapEffects effects;
    KeyMapEnd end = KeyMapEnd::kNone;
    const std::uint8_t hit = KeyMapButtonHitTest(x, y);
    switch (hit) {
    case kButtonClose:
        end = KeyMapEnd::kCancel;
        break;
    case kButtonFirstTab:
    case kButtonFirstTab + 1:
    case kButtonFirstTab + 2:
    case kButtonFirstTab + 3:
        SelectTab(static_cast<KeyMapPage>(hit - kButtonFirstTab), effects);
        break;
    case kButtonTickBox:
        disableTicked_ = !disableTicked_;
        effects.repaint = KeyMapRepaint::kTickBox;
        break;
    case kButtonReset:
        result_.chosenLength = assignment::kResetLength;
        end = KeyMapEnd::kOk;
        break;
    case kButtonCancel:
        ClearKeys();
        end = KeyMapEnd::kCancel;
        break;
    case kButtonSave:
        Save(effects);
        end = effects.end;
        break;
    default:
        break;
    }
    // Also for the Save that has just ended the dialog: on the advanced page with no row
    // chosen, it gives the key its own function.
    if (page_ == KeyMapPage::kAdvanced)
        AdvancedClick(x, y, effects);
    if (end != KeyMapEnd::kNone)
        Finish(end, effects);
    return effects;
}

void KeyMapController::CaptureKey(std::uint8_t vk) {
    if (!hookInstalled_)
        return;
    if (result_.assignType == ASSIGN_KEY) {
        result_.chosenKeys[0] = vk;
        result_.chosenLength = 1;
        singleKeyText_ = KeyName(vk);
    } else if (result_.assignType == ASSIGN_COMBO) {
        // A fourth key starts a new combination; so does a stored count that is out of range.
        if (result_.chosenLength >= kMaxComboKeys) {
            ClearKeys();
            comboText_.clear();
        }
        result_.chosenKeys[result_.chosenLength] = vk;
        ++result_.chosenLength;
        comboText_ = ComboText(std::span(result_.chosenKeys).first(result_.chosenLength));
    }
}

void KeyMapController::EditFocused(KeyMapEdit edit) {
    const std::uint8_t type = edit == KeyMapEdit::kSingleKey ? ASSIGN_KEY : ASSIGN_COMBO;
    // The focus the dialog itself gave at opening keeps the stored keys.
    if (focusOnce_ && result_.assignType == type) {
        focusOnce_ = false;
        return;
    }
    result_.assignType = type;
    ClearKeys();
    if (edit == KeyMapEdit::kSingleKey)
        comboText_.clear();
    else
        singleKeyText_.clear();
}

void KeyMapController::SetMacroSelection(int line) {
    macroSelection_ = line >= 0 && static_cast<std::size_t>(line) < macroNames_.size() ? line : -1;
}

void KeyMapController::SetTreeSelection(std::optional<std::size_t> item) {
    treeSelection_ = item && *item < kFunctionTree.size() ? item : std::nullopt;
}

} // namespace hx
