#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyLayout.h"
#include "support/FakeServices.h"
#include "support/RecordingCanvas.h"
#include "ui/main/KeyRects.h"
#include "ui/main/KeyboardPicture.h"

#include <gtest/gtest.h>

#include <memory>

namespace hx {
namespace {

// A state whose remap table and bitmap are the factory ones: nothing customised.
std::unique_ptr<AppState> FactoryState() {
    auto s = std::make_unique<AppState>();
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        const RemapBytes& e = DefaultRemapOf(k);
        for (std::size_t i = 0; i < 4; ++i)
            s->image.at(image::kKeyRemapTable, 4 * kKeyLayout[k].remapEntry() + i) = e[i];
        s->keys[k].at(keyrecord::kDefaultVk) = kKeyLayout[k].defaultVk;
    }
    auto bitmap = s->image.span(image::kKeyEnableBitmap);
    std::fill(bitmap.begin(), bitmap.end(), std::uint8_t{0xFF});
    return s;
}

TEST(KeyboardPicture, HitTestEdgesGapsAndLockedKeys) {
    const KeyRect& esc = kKeyRects[kEscKey];
    const KeyRect& f1 = kKeyRects[1];
    struct Case {
        const char* name;
        int x, y;
        bool perKey;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {"Esc top-left corner", 307 + esc.left, 211 + esc.top, false, 0},
        {"Esc bottom-right corner, inclusive", 307 + esc.right, 211 + esc.bottom, false, 0},
        {"just past Esc", 307 + esc.right + 1, 211 + esc.top, false, kNone},
        {"left of F1", 307 + f1.left - 1, 211 + f1.top, false, kNone},
        {"Windows key in keymap mode", 307 + kKeyRects[kLeftWinKey].left + 2,
         211 + kKeyRects[kLeftWinKey].top + 2, false, kNone},
        {"Windows key in colour mode", 307 + kKeyRects[kLeftWinKey].left + 2,
         211 + kKeyRects[kLeftWinKey].top + 2, true, static_cast<std::uint8_t>(kLeftWinKey)},
        {"Fn key in keymap mode", 307 + kKeyRects[kFnKey].left + 2, 211 + kKeyRects[kFnKey].top + 2,
         false, kNone},
        {"Fn key in colour mode", 307 + kKeyRects[kFnKey].left + 2, 211 + kKeyRects[kFnKey].top + 2,
         true, static_cast<std::uint8_t>(kFnKey)},
        {"outside the picture", 10, 10, true, kNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyHitTest(c.x, c.y, c.perKey), c.expected) << c.name;
    // Every key's neighbour gap: one pixel right of each key belongs to no key.
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        const KeyRect& r = kKeyRects[k];
        if (r.onPicture()) {
            EXPECT_EQ(KeyHitTest(307 + r.right + 1, 211 + r.top, true), kNone) << "key " << k;
        }
    }
}

TEST(KeyboardPicture, ColourOverlaySkipsBlackKeysAndInvertsCaptions) {
    auto s = FactoryState();
    s->image.at(image::kLightingSettings, image::kLightingMode) = 52; // table 1
    const std::size_t q = 42;                                         // "Q"
    const ByteField entry{image::ColourTable(1).offset + kKeyLayout[q].matrixOffset(), 4};
    s->image.at(entry, 1) = 0x10;
    s->image.at(entry, 2) = 0x20;
    s->image.at(entry, 3) = 0xF0;
    test::RecordingCanvas canvas;
    PaintColourOverlay(canvas, static_cast<std::uint8_t>(kEscKey), *s);

    const KeyRect& r = kKeyRects[q];
    const KeyRect& esc = kKeyRects[kEscKey];
    char fill[64], label[64], outline[64];
    std::snprintf(fill, sizeof fill, "fill %d %d %d %d #1020F0", 307 + r.left, 211 + r.top,
                  307 + r.right, 211 + r.bottom);
    std::snprintf(label, sizeof label, "label \"%s\" %d %d 10 #EFDF0F",
                  std::string(r.caption).c_str(), 302 + r.captionX, 206 + r.captionY);
    std::snprintf(outline, sizeof outline, "outline %d %d %d %d", 305 + esc.left, 209 + esc.top,
                  esc.right - esc.left + 3, esc.bottom - esc.top + 3);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{fill, label, outline}));
}

TEST(KeyboardPicture, KeymapOverlayHighlightsHoverAndCustomisedKeys) {
    auto s = FactoryState();
    s->keyCustomised[3] = 1;
    s->keyCustomised[kLeftWinKey] = 1; // never shown
    test::RecordingCanvas canvas;
    PaintKeymapOverlay(canvas, 0, *s);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].rfind("part kb_hl.png 15 17 25 26 -> 322 228", 0), 0u)
        << canvas.calls[0];
    EXPECT_EQ(s->keyCustomised[kLeftWinKey], 0);
}

std::uint8_t& Remap(AppState& s, std::size_t key, std::size_t byte) {
    return s.image.at(image::kKeyRemapTable, 4 * kKeyLayout[key].remapEntry() + byte);
}

TEST(KeyboardPicture, RecomputeCustomisedRules) {
    struct Case {
        const char* name;
        void (*edit)(AppState&, std::size_t key);
        bool customised;
    };
    const Case cases[] = {
        {"factory key", [](AppState&, std::size_t) {}, false},
        {"macro entry", [](AppState& s, std::size_t k) { Remap(s, k, 0) = REMAP_MACRO; }, true},
        {"changed code", [](AppState& s, std::size_t k) { Remap(s, k, 2) ^= 1; }, true},
        {"assignment kind set",
         [](AppState& s, std::size_t k) { s.keys[k].at(keyrecord::kAssignType) = 2; }, true},
        {"one other chosen key",
         [](AppState& s, std::size_t k) {
             s.keys[k].at(keyrecord::kChosenCodes) = 0x41;
             s.keys[k].at(keyrecord::kChosenCount) = 1;
         },
         true},
        {"one chosen key equal to its own",
         [](AppState& s, std::size_t k) {
             s.keys[k].at(keyrecord::kChosenCodes) = s.keys[k].at(keyrecord::kDefaultVk);
             s.keys[k].at(keyrecord::kChosenCount) = 1;
         },
         false},
        {"disabled",
         [](AppState& s, std::size_t k) { s.image.SetEnableBit(kKeyLayout[k].enableBit(), false); },
         true},
    };
    for (const Case& c : cases) {
        auto s = FactoryState();
        c.edit(*s, 5);
        RecomputeCustomised(*s);
        EXPECT_EQ(s->keyCustomised[5], c.customised ? 1 : 0) << c.name;
    }
    auto s = FactoryState();
    s->image.SetEnableBit(kKeyLayout[kFnKey].enableBit(), false);
    RecomputeCustomised(*s);
    EXPECT_EQ(s->keyCustomised[kFnKey], 0) << "the Fn key never shows as customised";
}

TEST(KeyboardPicture, ColourClickWritesTheEntryOnlyOnOkAndInDiyModes) {
    auto s = FactoryState();
    test::ScriptedUi ui;
    const ByteField entry{image::ColourTable(4).offset + kKeyLayout[7].matrixOffset(), 4};

    s->image.at(image::kLightingSettings, image::kLightingMode) = 56; // outside 51..55
    ui.colours = {0x123456};
    PerKeyColourClick(7, *s, ui);
    EXPECT_TRUE(ui.colourDialogInitial.empty());

    s->image.at(image::kLightingSettings, image::kLightingMode) = 55;
    ui.colours = {std::nullopt, 0xABCDEF};
    PerKeyColourClick(7, *s, ui);
    EXPECT_EQ(s->image.at(entry, 1), 0);
    PerKeyColourClick(7, *s, ui);
    EXPECT_EQ(ui.colourDialogInitial, (std::vector<std::uint32_t>{0, 0}));
    EXPECT_EQ(PerKeyColour(s->image, 55, 7), 0xABCDEFu);
    EXPECT_EQ(s->image.at(entry, 0), 0);
}

} // namespace
} // namespace hx
