#include "ui/main/KeyRects.h"

#include "ui/controls/SkinManifest.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

constexpr SkinImageEntry PictureEntry() {
    for (const auto& item : kSkinImages) {
        if (item.name == "kb_BK.png") {
            return item;
        }
    }
    return {};
}

TEST(KeyRects, KeysOffThePictureAreExactlyRows16To19) {
    for (std::size_t k = 0; k < kKeyRects.size(); ++k) {
        const bool offPicture = k >= 16 && k <= 19;
        EXPECT_EQ(kKeyRects[k].onPicture(), !offPicture) << "key " << k;
        EXPECT_EQ(kKeyRects[k].caption.empty(), offPicture) << "key " << k;
    }
}

TEST(KeyRects, EveryKeyLiesInsideThePictureWithItsCaptionPoint) {
    const SkinImageEntry picture = PictureEntry();
    for (std::size_t k = 0; k < kKeyRects.size(); ++k) {
        const KeyRect& key = kKeyRects[k];
        if (!key.onPicture()) {
            continue;
        }
        EXPECT_GE(key.left, 0) << k;
        EXPECT_GE(key.top, 0) << k;
        // Hit testing includes right and bottom, so they too must be picture pixels.
        EXPECT_LT(key.right, picture.width) << k;
        EXPECT_LT(key.bottom, picture.height) << k;
        EXPECT_TRUE(key.left <= key.captionX && key.captionX < key.right) << k;
        EXPECT_TRUE(key.top <= key.captionY && key.captionY < key.bottom) << k;
    }
}

TEST(KeyRects, AdjacentKeysLeaveAtLeastOneFreePixelBetweenThem) {
    // Inclusive rectangles separated by a pixel that belongs to neither key.
    for (std::size_t a = 0; a < kKeyRects.size(); ++a) {
        for (std::size_t b = a + 1; b < kKeyRects.size(); ++b) {
            const KeyRect& p = kKeyRects[a];
            const KeyRect& q = kKeyRects[b];
            if (!p.onPicture() || !q.onPicture()) {
                continue;
            }
            const bool apartInX = p.right + 1 < q.left || q.right + 1 < p.left;
            const bool apartInY = p.bottom + 1 < q.top || q.bottom + 1 < p.top;
            EXPECT_TRUE(apartInX || apartInY) << "keys " << a << " and " << b;
        }
    }
}

} // namespace
} // namespace hx
