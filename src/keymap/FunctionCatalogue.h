#pragma once

#include "keymap/DefaultRemapTable.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace hx {

// A basic function of the assignment dialog's tree: stored as the same four bytes in the key
// record's data bytes 0..3 and in its remap entry.
struct FunctionEntry {
    std::u16string_view name;
    RemapBytes bytes;
};

inline constexpr std::size_t kFunctionCount = 23;
extern const std::array<FunctionEntry, kFunctionCount> kFunctionCatalogue;

// The first function whose name equals `name` exactly, or nullptr.
const FunctionEntry* FindFunctionByName(std::u16string_view name);
// The first function stored as `bytes` (the dialog preselects it when reopened), or nullptr.
const FunctionEntry* FindFunctionByBytes(const RemapBytes& bytes);

// The dialog's function tree in insertion order: roots, the three categories and their
// children. Every non-category item is a FunctionCatalogue name.
struct FunctionTreeItem {
    std::u16string_view text;
    bool child;    // inserted under the category before it
    bool category; // has children; choosing it gives "Please select Sub item"
};
inline constexpr std::size_t kFunctionTreeSize = 26;
extern const std::array<FunctionTreeItem, kFunctionTreeSize> kFunctionTree;

bool IsFunctionCategory(std::u16string_view text);

} // namespace hx
