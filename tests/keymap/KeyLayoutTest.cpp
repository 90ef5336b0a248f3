#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyCatalogue.h"
#include "keymap/KeyLayout.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(KeyLayout, RowsStartWhereTheTableSays) {
    struct Row {
        std::size_t keyIndex;
        std::uint8_t vk, row, column;
    };
    const Row rows[] = {
        {0, 0x1B, 5, 0},   {1, 0x70, 5, 2},    {19, 0xAF, 5, 20},  {20, 0xC0, 4, 0},
        {40, 0x6D, 4, 20}, {41, 0x09, 3, 0},   {60, 0x69, 3, 19},  {61, 0x6B, 2, 20},
        {62, 0x14, 2, 0},  {74, 0x0D, 2, 13},  {77, 0x66, 2, 19},  {78, 0xA0, 1, 0},
        {89, 0xA1, 1, 12}, {93, 0x63, 1, 19},  {94, 0x6C, 0, 20},  {95, 0xA2, 0, 0},
        {98, 0x20, 0, 5},  {100, 0x5D, 0, 10}, {101, 0x5D, 0, 11}, {107, 0x6E, 0, 19},
    };
    for (const Row& r : rows) {
        const KeyPosition& k = kKeyLayout[r.keyIndex];
        EXPECT_EQ(k.defaultVk, r.vk) << "key " << r.keyIndex;
        EXPECT_EQ(k.row, r.row) << "key " << r.keyIndex;
        EXPECT_EQ(k.column, r.column) << "key " << r.keyIndex;
    }
}

TEST(DefaultRemapTable, ExceptionsAndUnoccupiedPlaces) {
    struct Row {
        const char* guards;
        std::size_t matrixOffset;
        RemapBytes entry;
    };
    const Row rows[] = {
        {"Esc is kind 0 with its code", kKeyLayout[kEscKey].matrixOffset(), {0, 0, 0x29, 0}},
        {"Volume DOWN", kKeyLayout[16].matrixOffset(), {3, 0, 0xEA, 0}},
        {"Media", kKeyLayout[17].matrixOffset(), {3, 0, 0x83, 1}},
        {"Play/Pause", kKeyLayout[18].matrixOffset(), {3, 0, 0xCD, 0}},
        {"Volume UP", kKeyLayout[19].matrixOffset(), {3, 0, 0xE9, 0}},
        {"backslash differs from the catalogue",
         kKeyLayout[kBackslashKey].matrixOffset(),
         {0, 0, 0x31, 0}},
        {"Fn is kind 2", kKeyLayout[kFnKey].matrixOffset(), {2, 0, 0, 0}},
        {"Apps keeps its code", kKeyLayout[kAppsKey].matrixOffset(), {0, 0, 0x65, 0}},
        {"unoccupied 44", 44, {0, 0, 0x32, 0}},
        {"unoccupied 72", 72, {0, 0, 0x91, 0}},
        {"unoccupied 192", 192, {0, 0, 0x90, 0}},
        {"unoccupied 316", 316, {0, 0, 0x28, 0}},
        {"unoccupied 504", 504, {0, 0xE0, 0, 0}},
        {"unoccupied 508", 508, {0, 0xE1, 0, 0}},
        {"other unoccupied places are zero", 4 * (4 * 6 + 0), {0, 0, 0, 0}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(kDefaultRemapTable[r.matrixOffset / 4], r.entry) << r.guards;
    EXPECT_EQ(DefaultRemapOf(kFnKey), (RemapBytes{2, 0, 0, 0}));
}

TEST(DefaultRemapTable, EveryOrdinaryKeyCarriesItsCatalogueCode) {
    int nonZeroPlaces = 0;
    for (const RemapBytes& e : kDefaultRemapTable)
        nonZeroPlaces += e != RemapBytes{};
    EXPECT_EQ(nonZeroPlaces, 108 + 6);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        if ((k >= 16 && k <= 19) || k == kBackslashKey || k == kFnKey)
            continue;
        EXPECT_EQ(DefaultRemapOf(k), (RemapBytes{0, 0, DeviceCodeOf(kKeyLayout[k].defaultVk), 0}))
            << "key " << k;
    }
}

} // namespace
} // namespace hx
