#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace hx {

// One row of the effect list: the mode it stores and the name it shows.
struct EffectRow {
    std::uint8_t mode;
    std::string_view name;
};

// The effect list in list order; row i is drawn at y = 173 + 20 i. The names are shown exactly
// as they stand, their own quotes and the unmatched parenthesis of row 7 included.
inline constexpr std::array<EffectRow, 16> kEffects{{
    {1, "Постійний режим"},
    {2, "Режим дихання"},
    {3, "Режим хвиля"},
    {4, "Режим on/off"},
    {5, "режим \"хвильового потоку\""},
    {6, "Режим швидкої вибірки"},
    {8, "Режим \"режим притемнення\""},
    {10, "Режим крапкового підсвічування)"},
    {11, "Режим \"кільцевого підсвічування\""},
    {12, "Режим \"зустрічного підсвічування\""},
    {13, "Режим Radar"},
    {51, "DIY1"},
    {52, "DIY2"},
    {53, "DIY3"},
    {54, "DIY4"},
    {55, "DIY5"},
}};

// The name of the first row with this mode; empty for a mode the list does not offer.
constexpr std::string_view EffectName(std::uint8_t mode) {
    for (const EffectRow& row : kEffects) {
        if (row.mode == mode) {
            return row.name;
        }
    }
    return {};
}

} // namespace hx
