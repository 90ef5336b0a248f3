#include "keymap/FunctionCatalogue.h"

#include <algorithm>

namespace hx {

// Key combinations are Left Windows / Ctrl / Alt device codes with one or two keys; the rest are
// consumer usages, low byte first.
const std::array<FunctionEntry, kFunctionCount> kFunctionCatalogue{{
    {u"Пошук", {0x00, 0xE3, 0x09, 0x00}},                            // LWin + F
    {u"Функціонування", {0x00, 0xE3, 0x15, 0x00}},                   // LWin + R
    {u"Мультимедійний програвач", {0x03, 0x00, 0x83, 0x01}},         // usage 0x0183
    {u"Попередній", {0x03, 0x00, 0xB6, 0x00}},                       // usage 0x00B6
    {u"Далі", {0x03, 0x00, 0xB5, 0x00}},                             // usage 0x00B5
    {u"Play/Pause (Відтворення / Пауза)", {0x03, 0x00, 0xCD, 0x00}}, // usage 0x00CD
    {u"Stop (Стоп)", {0x03, 0x00, 0xB7, 0x00}},                      // usage 0x00B7
    {u"Vol+ (збільшити гучність)", {0x03, 0x00, 0xE9, 0x00}},        // usage 0x00E9
    {u"Vol- (зменшити гучність)", {0x03, 0x00, 0xEA, 0x00}},         // usage 0x00EA
    {u"Вимкнути звук", {0x03, 0x00, 0xE2, 0x00}},                    // usage 0x00E2
    {u"Новий", {0x00, 0xE0, 0x11, 0x00}},                            // LCtrl + N
    {u"Вирізати", {0x00, 0xE0, 0x1B, 0x00}},                         // LCtrl + X
    {u"Скопіювати", {0x00, 0xE0, 0x06, 0x00}},                       // LCtrl + C
    {u"Вставити", {0x00, 0xE0, 0x19, 0x00}},                         // LCtrl + V
    {u"Зберегти", {0x00, 0xE0, 0x16, 0x00}},                         // LCtrl + S
    {u"Друкувати", {0x00, 0xE0, 0x13, 0x00}},                        // LCtrl + P
    {u"Вибрати все", {0x00, 0xE0, 0x04, 0x00}},                      // LCtrl + A
    {u"Розгорнути", {0x00, 0xE2, 0x2C, 0x1B}},                       // LAlt + Space + X
    {u"Згорнути", {0x00, 0xE2, 0x2C, 0x11}},                         // LAlt + Space + N
    {u"Мій комп'ютер", {0x03, 0x00, 0x94, 0x01}},                    // usage 0x0194
    {u"Управління", {0x00, 0xE0, 0xE2, 0x4C}},                       // LCtrl + LAlt + Delete
    {u"Головна сторінка", {0x03, 0x00, 0x23, 0x02}},                 // usage 0x0223
    {u"Закрити вікно", {0x00, 0xE2, 0x3D, 0x00}},                    // LAlt + F4
}};

const std::array<FunctionTreeItem, kFunctionTreeSize> kFunctionTree{{
    {u"Пошук", false, false},
    {u"Функціонування", false, false},
    {u"Мультимедіа", false, true},
    {u"Мультимедійний програвач", true, false},
    {u"Попередній", true, false},
    {u"Далі", true, false},
    {u"Play/Pause (Відтворення / Пауза)", true, false},
    {u"Stop (Стоп)", true, false},
    {u"Vol+ (збільшити гучність)", true, false},
    {u"Vol- (зменшити гучність)", true, false},
    {u"Вимкнути звук", true, false},
    {u"Клавіша швидкого вибору команд", false, true},
    {u"Новий", true, false},
    {u"Вирізати", true, false},
    {u"Скопіювати", true, false},
    {u"Вставити", true, false},
    {u"Зберегти", true, false},
    {u"Друкувати", true, false},
    {u"Вибрати все", true, false},
    {u"Windows", false, true},
    {u"Розгорнути", true, false},
    {u"Згорнути", true, false},
    {u"Мій комп'ютер", false, false},
    {u"Управління", false, false},
    {u"Головна сторінка", false, false},
    {u"Закрити вікно", false, false},
}};

const FunctionEntry* FindFunctionByName(std::u16string_view name) {
    const auto it = std::ranges::find(kFunctionCatalogue, name, &FunctionEntry::name);
    return it == kFunctionCatalogue.end() ? nullptr : &*it;
}

const FunctionEntry* FindFunctionByBytes(const RemapBytes& bytes) {
    const auto it = std::ranges::find(kFunctionCatalogue, bytes, &FunctionEntry::bytes);
    return it == kFunctionCatalogue.end() ? nullptr : &*it;
}

bool IsFunctionCategory(std::u16string_view text) {
    return std::ranges::any_of(kFunctionTree, [&](const FunctionTreeItem& item) {
        return item.category && item.text == text;
    });
}

} // namespace hx
