// The skin the build draws: every image the windows name, at the size their coordinates need,
// and keyboard pictures that match the key rectangle table.
#include "ui/controls/SkinLookup.h"
#include "ui/controls/SkinManifest.h"
#include "ui/main/KeyRects.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace hx {
namespace {

const std::filesystem::path kSkin = HX_SKIN_DIR;

std::filesystem::path FolderOf(SkinFolder folder) {
    const std::string_view sub = SubfolderName(folder);
    return sub.empty() ? kSkin : kSkin / std::string(sub);
}

QImage LoadSkin(SkinFolder folder, std::string_view name) {
    const auto path = FindSkinFile(FolderOf(folder), name);
    return path ? QImage(QString::fromStdString(path->string())) : QImage();
}

TEST(SkinFiles, EveryNamedImageExistsAtItsSizeAndDecodes) {
    for (const SkinImageEntry& item : kSkinImages) {
        const std::string name(item.name);
        const auto path = FindSkinFile(FolderOf(item.folder), item.name);
        ASSERT_TRUE(path.has_value()) << name;
        QImageReader reader(QString::fromStdString(path->string()));
        EXPECT_EQ(reader.size(), QSize(item.width, item.height)) << name;
        EXPECT_FALSE(reader.read().isNull()) << name;
    }
}

TEST(SkinFiles, NamesTheDialogsSpellInLowerCaseFindTheSameFiles) {
    const std::filesystem::path custom = FolderOf(SkinFolder::Custom);
    EXPECT_EQ(FindSkinFile(custom, "disable.png"), FindSkinFile(custom, "Disable.png"));
    EXPECT_EQ(FindSkinFile(custom, "enable.png"), FindSkinFile(custom, "Enable.png"));
    EXPECT_TRUE(FindSkinFile(custom, "disable.png").has_value());
}

// Where the main paint puts images on the main window's background; each must lie inside it.
struct Placement {
    const char* name;
    int x, y;
};
constexpr Placement kMainPlacements[] = {
    {"button-help-normal.png", 936, 5},
    {"button-min-normal.png", 957, 5},
    {"button-close-normal.png", 978, 5},
    {"logo.png", 19, 35},
    {"kb_BK.png", 307, 211},
    {"button-cancel-normal.png", 862, 605},
    {"button-save-normal.png", 924, 605},
    {"Config.png", 17, 603},
    {"HelpWindow.png", 830, 22},
    {"reportrate_Open.png", 19, 520},
};

TEST(SkinFiles, MainBackgroundHoldsEveryHotSpotAndEveryImagePlacedOnIt) {
    const QImage main = LoadSkin(SkinFolder::Main, "main.png");
    ASSERT_FALSE(main.isNull());
    // Rightmost hot spot: the close button's right edge 994; lowest: the buttons' bottom 635.
    EXPECT_GT(main.width(), 994);
    EXPECT_GT(main.height(), 635);
    for (const Placement& p : kMainPlacements) {
        const QImage image = LoadSkin(SkinFolder::Main, p.name);
        ASSERT_FALSE(image.isNull()) << p.name;
        EXPECT_TRUE(main.rect().contains(QRect(p.x, p.y, image.width(), image.height()))) << p.name;
    }
}

TEST(SkinFiles, ChannelsSpanTheThumbAndTheRateSectionHoldsItsTrackbar) {
    const QImage thumb = LoadSkin(SkinFolder::Main, "Thumb.png");
    const QImage rate = LoadSkin(SkinFolder::Main, "reportrate_Open.png");
    // The trackbar sits at (28, R + 23) in a section drawn at (19, R).
    EXPECT_GE(rate.width(), 28 - 19 + 220);
    EXPECT_GE(rate.height(), 23 + 17);
    EXPECT_GE(thumb.width(), 15);
    EXPECT_GE(thumb.height(), 14);
}

class KeyboardPictures : public ::testing::Test {
protected:
    void SetUp() override {
        rest = LoadSkin(SkinFolder::Main, "kb_BK.png").convertToFormat(QImage::Format_RGB32);
        lit = LoadSkin(SkinFolder::Main, "kb_hl.png").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(rest.isNull());
        ASSERT_EQ(rest.size(), lit.size());
    }

    static bool InsideSomeKey(int x, int y) {
        for (const KeyRect& key : kKeyRects) {
            if (key.onPicture() && key.left <= x && x < key.right && key.top <= y &&
                y < key.bottom) {
                return true;
            }
        }
        return false;
    }

    QImage rest;
    QImage lit;
};

TEST_F(KeyboardPictures, OnlyKeyPixelsDifferBetweenRestAndLit) {
    // Copying a key's rectangle from the lit picture must never change a pixel beside the key.
    int differing = 0;
    for (int y = 0; y < rest.height(); ++y) {
        for (int x = 0; x < rest.width(); ++x) {
            if (!InsideSomeKey(x, y)) {
                ASSERT_EQ(rest.pixel(x, y), lit.pixel(x, y)) << x << "," << y;
            } else if (rest.pixel(x, y) != lit.pixel(x, y)) {
                ++differing;
            }
        }
    }
    EXPECT_GT(differing, 0);
}

TEST_F(KeyboardPictures, EveryKeyFillsExactlyItsRectangle) {
    // The plate between "~" and "1"; every pixel just outside a key shows it.
    const QRgb plate = rest.pixel(41, 64);
    for (std::size_t k = 0; k < kKeyRects.size(); ++k) {
        const KeyRect& key = kKeyRects[k];
        if (!key.onPicture()) {
            continue;
        }
        const int cx = (key.left + key.right) / 2;
        const int cy = (key.top + key.bottom) / 2;
        const QPoint inside[] = {{key.left, key.top},
                                 {key.right - 1, key.top},
                                 {key.left, key.bottom - 1},
                                 {key.right - 1, key.bottom - 1},
                                 {cx, key.top + 4}};
        for (const QPoint& p : inside) {
            EXPECT_NE(rest.pixel(p), plate) << "key " << k << " at " << p.x() << "," << p.y();
            EXPECT_NE(rest.pixel(p), lit.pixel(p))
                << "key " << k << " at " << p.x() << "," << p.y();
        }
        const QPoint outside[] = {
            {key.left - 1, cy}, {key.right, cy}, {cx, key.top - 1}, {cx, key.bottom}};
        for (const QPoint& p : outside) {
            EXPECT_EQ(rest.pixel(p), plate) << "key " << k << " at " << p.x() << "," << p.y();
        }
    }
}

} // namespace
} // namespace hx
