#include "ui/controls/ListEditRules.h"

#include <cstddef>

namespace hx {
namespace {

std::string RemoveAll(std::string_view text, std::string_view what) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, from)) {
        out.append(text.substr(from, at - from));
        from = at + what.size();
    }
    out.append(text.substr(from));
    return out;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

bool CanEditLine(int editMode, std::string_view lineText) {
    if (editMode != kEditDelays) {
        return true;
    }
    return lineText.find("up") == std::string_view::npos &&
           lineText.find("dn") == std::string_view::npos;
}

std::string EditorStartText(int editMode, std::string_view lineText) {
    if (editMode != kEditDelays) {
        return std::string(lineText);
    }
    return RemoveAll(lineText, " ms");
}

int ParseDelay(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturate as soon as the value passes the upper bound, so no digit string can overflow.
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kMaxDelay) {
            value = kMaxDelay + 1;
        }
    }
    if (negative || value < kMinDelay) {
        return kMinDelay;
    }
    return value > kMaxDelay ? kMaxDelay : static_cast<int>(value);
}

EditCommit PlanEditCommit(int editMode, std::string_view oldText, std::string_view editorText) {
    EditCommit commit;
    if (editMode == kEditDelays) {
        const int value = ParseDelay(editorText);
        commit.delayValue = value;
        commit.newText = std::to_string(value) + " ms";
    } else {
        commit.newText = std::string(editorText);
    }
    commit.replaceLine = commit.newText != oldText;
    return commit;
}

} // namespace hx
