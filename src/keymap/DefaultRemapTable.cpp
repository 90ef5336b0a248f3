#include "keymap/DefaultRemapTable.h"

#include "keymap/KeyCatalogue.h"
#include "keymap/KeyLayout.h"

namespace hx {
namespace {

struct FactoryException {
    std::size_t keyIndex;
    RemapBytes entry;
};

// Keys whose factory entry is not "kind 0 with the catalogue's device code".
constexpr std::array<FactoryException, 6> kKeyExceptions{{
    {16, {REMAP_CONSUMER, 0x00, 0xEA, 0x00}}, // Volume DOWN
    {17, {REMAP_CONSUMER, 0x00, 0x83, 0x01}}, // Media (consumer usage 0x0183)
    {18, {REMAP_CONSUMER, 0x00, 0xCD, 0x00}}, // Play/Pause
    {19, {REMAP_CONSUMER, 0x00, 0xE9, 0x00}}, // Volume UP
    {kBackslashKey, {REMAP_KEYS, 0x00, 0x31, 0x00}},
    {kFnKey, {REMAP_FN, 0x00, 0x00, 0x00}},
}};

struct UnoccupiedEntry {
    std::size_t matrixOffset;
    RemapBytes entry;
};

// Matrix places without a key that still hold a factory entry.
constexpr std::array<UnoccupiedEntry, 6> kUnoccupiedEntries{{
    {44, {0x00, 0x00, 0x32, 0x00}},
    {72, {0x00, 0x00, 0x91, 0x00}},
    {192, {0x00, 0x00, 0x90, 0x00}},
    {316, {0x00, 0x00, 0x28, 0x00}},
    {504, {0x00, 0xE0, 0x00, 0x00}},
    {508, {0x00, 0xE1, 0x00, 0x00}},
}};

DefaultRemapTable MakeDefaultRemapTable() {
    DefaultRemapTable table{};
    for (std::size_t k = 0; k < kKeyCount; ++k)
        table[kKeyLayout[k].matrixOffset() / 4] = {REMAP_KEYS, 0,
                                                   DeviceCodeOf(kKeyLayout[k].defaultVk), 0};
    for (const FactoryException& e : kKeyExceptions)
        table[kKeyLayout[e.keyIndex].matrixOffset() / 4] = e.entry;
    for (const UnoccupiedEntry& e : kUnoccupiedEntries)
        table[e.matrixOffset / 4] = e.entry;
    return table;
}

} // namespace

const DefaultRemapTable kDefaultRemapTable = MakeDefaultRemapTable();

const RemapBytes& DefaultRemapOf(std::size_t keyIndex) {
    return kDefaultRemapTable[kKeyLayout[keyIndex].matrixOffset() / 4];
}

} // namespace hx
