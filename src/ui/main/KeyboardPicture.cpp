#include "ui/main/KeyboardPicture.h"

#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyLayout.h"
#include "ui/main/KeyRects.h"

namespace hx {
namespace {

constexpr const char* kHighlightImage = "kb_hl.png";
constexpr int kCaptionHeight = 10;

bool IsPerKeyMode(std::uint8_t mode) {
    return mode >= image::kFirstPerKeyColourMode &&
           mode < image::kFirstPerKeyColourMode + image::kColourTableCount;
}

std::uint8_t EffectMode(const AppState& s) {
    return s.image.at(image::kLightingSettings, image::kLightingMode);
}

void CopyHighlight(Canvas& canvas, const KeyRect& r) {
    canvas.DrawSkinImagePart(kHighlightImage, {r.left, r.top, r.right - r.left, r.bottom - r.top},
                             kKeyPictureX + r.left, kKeyPictureY + r.top);
}

bool IsKey(std::uint8_t k) {
    return k < kKeyCount && kKeyRects[k].onPicture();
}

ByteField PerKeyEntry(std::uint8_t mode, std::size_t key) {
    const ByteField table = image::ColourTable(mode - image::kFirstPerKeyColourMode);
    return {table.offset + kKeyLayout[key].matrixOffset(), image::kColourEntrySize};
}

} // namespace

std::uint8_t KeyHitTest(int x, int y, bool perKeyColourMode) {
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        if (!kKeyRects[k].contains(x - kKeyPictureX, y - kKeyPictureY))
            continue;
        if (!perKeyColourMode && (k == kLeftWinKey || k == kFnKey))
            return kNone;
        return static_cast<std::uint8_t>(k);
    }
    return kNone;
}

void PaintKeymapOverlay(Canvas& canvas, std::uint8_t selectedKey, AppState& state) {
    if (IsKey(selectedKey))
        CopyHighlight(canvas, kKeyRects[selectedKey]);
    state.keyCustomised[kLeftWinKey] = 0;
    for (std::size_t k = 0; k < kKeyCount; ++k)
        if (state.keyCustomised[k] == 1 && kKeyRects[k].onPicture())
            CopyHighlight(canvas, kKeyRects[k]);
}

std::uint32_t PerKeyColour(const DeviceImage& image, std::uint8_t mode, std::size_t key) {
    const ByteField e = PerKeyEntry(mode, key);
    return (std::uint32_t{image.at(e, 1)} << 16) | (std::uint32_t{image.at(e, 2)} << 8) |
           image.at(e, 3);
}

void PaintColourOverlay(Canvas& canvas, std::uint8_t selectedKey, AppState& state) {
    state.keyCustomised[kLeftWinKey] = 0;
    const std::uint8_t mode = EffectMode(state);
    if (IsPerKeyMode(mode)) {
        for (std::size_t k = 0; k < kKeyCount; ++k) {
            const KeyRect& r = kKeyRects[k];
            const std::uint32_t colour = PerKeyColour(state.image, mode, k);
            if (!r.onPicture() || colour == 0)
                continue;
            canvas.FillCell(kKeyPictureX + r.left, kKeyPictureY + r.top, kKeyPictureX + r.right,
                            kKeyPictureY + r.bottom, colour);
            canvas.DrawLabel(r.caption, kKeyCaptionOriginX + r.captionX,
                             kKeyCaptionOriginY + r.captionY, kCaptionHeight, 0xFFFFFF - colour);
        }
    }
    if (IsKey(selectedKey)) {
        const KeyRect& r = kKeyRects[selectedKey];
        canvas.DrawOutline(kKeyPictureX - 2 + r.left, kKeyPictureY - 2 + r.top,
                           r.right - r.left + 3, r.bottom - r.top + 3);
    }
}

void PerKeyColourClick(std::size_t key, AppState& state, UiServices& ui) {
    const std::uint8_t mode = EffectMode(state);
    if (!IsPerKeyMode(mode) || key >= kKeyCount)
        return;
    const auto chosen = ui.ChooseColour(0x000000);
    if (!chosen)
        return;
    auto entry = state.image.span(PerKeyEntry(mode, key));
    entry[0] = 0;
    entry[1] = static_cast<std::uint8_t>(*chosen >> 16);
    entry[2] = static_cast<std::uint8_t>(*chosen >> 8);
    entry[3] = static_cast<std::uint8_t>(*chosen);
}

void RecomputeCustomised(AppState& state) {
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        const KeyPosition& pos = kKeyLayout[k];
        const auto e = state.image.span(
            {image::kKeyRemapTable.offset + image::kRemapEntrySize * pos.remapEntry(),
             image::kRemapEntrySize});
        const KeyRecord& r = state.keys[k];
        bool customised = e[0] == REMAP_MACRO;
        if (!customised) {
            customised = e[2] != DefaultRemapOf(k)[2] || r.at(keyrecord::kAssignType) != 0 ||
                         (r.at(keyrecord::kChosenCodes) != r.at(keyrecord::kDefaultVk) &&
                          r.at(keyrecord::kChosenCount) == 1);
        }
        if (!state.image.EnableBit(pos.enableBit()))
            customised = true;
        state.keyCustomised[k] = customised ? 1 : 0;
    }
    state.keyCustomised[kFnKey] = 0;
}

} // namespace hx
