#include "ui/controls/SkinCache.h"

#include "support/TempDir.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>

namespace hx {
namespace {

using test::TempDir;

void WritePng(const std::filesystem::path& path, int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "PNG"));
}

TEST(SkinCache, DecodesOnceAndServesTheImageFromMemory) {
    TempDir dir;
    WritePng(dir / "main.png", 30, 20, 0xFF112233);
    SkinCache cache;
    for (int paint = 0; paint < 3; ++paint) {
        const QImage image = cache.Load(dir.path(), "MAIN.png");
        ASSERT_EQ(image.size(), QSize(30, 20));
        EXPECT_EQ(image.pixel(0, 0), 0xFF112233);
    }
    EXPECT_EQ(cache.decodeCount(), 1);
}

TEST(SkinCache, PicksUpAReplacedFileAtTheNextLoad) {
    TempDir dir;
    const auto path = dir / "Thumb.png";
    WritePng(path, 15, 14, 0xFF0000FF);
    SkinCache cache;
    ASSERT_EQ(cache.Load(dir.path(), "Thumb.png").size(), QSize(15, 14));

    // Another size.
    WritePng(path, 16, 16, 0xFF00FF00);
    QImage image = cache.Load(dir.path(), "Thumb.png");
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00);

    // Same size, new content, a later modification time.
    const auto before = std::filesystem::last_write_time(path);
    WritePng(path, 16, 16, 0xFFFF0000);
    std::filesystem::last_write_time(path, before + std::chrono::seconds(3));
    image = cache.Load(dir.path(), "Thumb.png");
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(cache.decodeCount(), 3);
}

TEST(SkinCache, MissingRemovedOrBrokenFilesGiveNoImage) {
    TempDir dir;
    SkinCache cache;
    EXPECT_TRUE(cache.Load(dir.path(), "absent.png").isNull());

    WritePng(dir / "gone.png", 4, 4, 0xFFFFFFFF);
    ASSERT_FALSE(cache.Load(dir.path(), "gone.png").isNull());
    std::filesystem::remove(dir / "gone.png");
    EXPECT_TRUE(cache.Load(dir.path(), "gone.png").isNull());

    test::WriteAll(dir / "broken.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
    EXPECT_TRUE(cache.Load(dir.path(), "broken.png").isNull());
    EXPECT_TRUE(cache.Load(dir.path(), "broken.png").isNull());
    // A broken file is not decoded again until it changes.
    const int decodes = cache.decodeCount();
    EXPECT_TRUE(cache.Load(dir.path(), "broken.png").isNull());
    EXPECT_EQ(cache.decodeCount(), decodes);
    // Repaired in place: found at the next load.
    WritePng(dir / "broken.png", 2, 2, 0xFF010203);
    EXPECT_EQ(cache.Load(dir.path(), "broken.png").size(), QSize(2, 2));
}

TEST(SkinCache, TransparentPixelsKeepTheColourTheDecoderLeftAndBecomeOpaque) {
    TempDir dir;
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x12, 0x34, 0x56, 0));
    image.setPixel(1, 0, qRgba(0xAA, 0xBB, 0xCC, 0x80));
    ASSERT_TRUE(image.save(QString::fromStdString((dir / "alpha.png").string()), "PNG"));
    SkinCache cache;
    const QImage loaded = cache.Load(dir.path(), "alpha.png");
    ASSERT_FALSE(loaded.isNull());
    EXPECT_FALSE(loaded.hasAlphaChannel());
    EXPECT_EQ(loaded.pixel(1, 0), 0xFFAABBCC);
    EXPECT_EQ(qAlpha(loaded.pixel(0, 0)), 0xFF);
}

TEST(SkinCache, CompiledInBitmapsHaveTheirSizes) {
    SkinCache cache;
    EXPECT_EQ(cache.Bitmap(BitmapId::SliderFilledChannel).size(), QSize(220, 17));
    EXPECT_EQ(cache.Bitmap(BitmapId::SliderEmptyChannel).size(), QSize(220, 17));
    EXPECT_EQ(cache.Bitmap(BitmapId::ListBackground).size(), QSize(127, 305));
    EXPECT_EQ(cache.Bitmap(BitmapId::PressIcon).size(), QSize(10, 14));
    EXPECT_EQ(cache.Bitmap(BitmapId::ReleaseIcon).size(), QSize(10, 14));
    EXPECT_EQ(cache.Bitmap(BitmapId::DelayIcon).size(), QSize(14, 14));
    EXPECT_EQ(cache.Bitmap(BitmapId::TreeCollapsedGlyph).size(), QSize(9, 9));
    EXPECT_EQ(cache.Bitmap(BitmapId::TreeExpandedGlyph).size(), QSize(9, 9));
    EXPECT_FALSE(ApplicationIcon().isNull());
    EXPECT_GE(ApplicationIcon().availableSizes().size(), 5);
}

} // namespace
} // namespace hx
