#include "keymap/FunctionCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace hx {
namespace {

TEST(FunctionCatalogue, EveryNameAndEncodingIsFoundBothWays) {
    std::set<RemapBytes> encodings;
    for (const FunctionEntry& f : kFunctionCatalogue) {
        EXPECT_EQ(FindFunctionByName(f.name), &f);
        EXPECT_EQ(FindFunctionByBytes(f.bytes), &f);
        encodings.insert(f.bytes);
    }
    EXPECT_EQ(encodings.size(), kFunctionCount); // the dialog can preselect every one
}

TEST(FunctionCatalogue, KnownVectors) {
    struct Case {
        std::u16string_view name;
        RemapBytes bytes;
    };
    const Case cases[] = {
        {u"Пошук", {0x00, 0xE3, 0x09, 0x00}},
        {u"Мультимедійний програвач", {0x03, 0x00, 0x83, 0x01}},
        {u"Play/Pause (Відтворення / Пауза)", {0x03, 0x00, 0xCD, 0x00}},
        {u"Розгорнути", {0x00, 0xE2, 0x2C, 0x1B}},
        {u"Мій комп'ютер", {0x03, 0x00, 0x94, 0x01}},
        {u"Закрити вікно", {0x00, 0xE2, 0x3D, 0x00}},
    };
    for (const Case& c : cases) {
        const FunctionEntry* f = FindFunctionByName(c.name);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->bytes, c.bytes);
    }
    EXPECT_EQ(kFunctionCatalogue.front().name, u"Пошук");
    EXPECT_EQ(kFunctionCatalogue.back().name, u"Закрити вікно");
}

TEST(FunctionCatalogue, NoMatch) {
    EXPECT_EQ(FindFunctionByName(u""), nullptr);
    EXPECT_EQ(FindFunctionByName(u"Пошук "), nullptr);
    EXPECT_EQ(FindFunctionByName(u"Windows"), nullptr);
    EXPECT_EQ(FindFunctionByBytes({0x00, 0x00, 0x04, 0x00}), nullptr);
}

TEST(FunctionTree, CategoriesAndChildren) {
    std::size_t functions = 0;
    for (const FunctionTreeItem& item : kFunctionTree) {
        if (item.category) {
            EXPECT_FALSE(item.child);
            EXPECT_TRUE(IsFunctionCategory(item.text));
            EXPECT_EQ(FindFunctionByName(item.text), nullptr);
        } else {
            // Every function of the tree is in the catalogue, in the catalogue's order.
            ASSERT_LT(functions, kFunctionCount);
            EXPECT_EQ(item.text, kFunctionCatalogue[functions].name);
            ++functions;
        }
    }
    EXPECT_EQ(functions, kFunctionCount);
    EXPECT_TRUE(IsFunctionCategory(u"Мультимедіа"));
    EXPECT_TRUE(IsFunctionCategory(u"Клавіша швидкого вибору команд"));
    EXPECT_TRUE(IsFunctionCategory(u"Windows"));
    EXPECT_FALSE(IsFunctionCategory(u"Пошук"));
}

} // namespace
} // namespace hx
