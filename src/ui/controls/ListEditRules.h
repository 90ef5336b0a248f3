#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hx {

// How a transparent list edits its lines in place and what it reports.
enum ListEditMode : int {
    kEditPlainText = 0,
    kEditDelays = 1,      // macro event lines: only delay lines edit, as numbers
    kEditParentBacked = 3 // plain text over the parent's pixels, reporting the line's new index
};

inline constexpr int kMinDelay = 2;
inline constexpr int kMaxDelay = 60000;

// Whether a double-click on a line with this text opens the editor. In delay mode key press and
// release lines are not editable.
bool CanEditLine(int editMode, std::string_view lineText);

// The text the editor starts with: in delay mode the line without its " ms".
std::string EditorStartText(int editMode, std::string_view lineText);

// The leading number of an edited delay (0 when there is none), clamped to kMinDelay ...
// kMaxDelay. Any number of digits is accepted: a value too large for an int still clamps to
// kMaxDelay.
int ParseDelay(std::string_view text);

// What committing an edit does.
struct EditCommit {
    std::string newText;           // the line's text after the commit
    std::optional<int> delayValue; // delay mode: the value reported to the parent
    bool replaceLine = false;      // the text changed: the line is replaced
};
EditCommit PlanEditCommit(int editMode, std::string_view oldText, std::string_view editorText);

} // namespace hx
