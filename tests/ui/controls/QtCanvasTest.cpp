#include "ui/controls/QtCanvas.h"

#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"

#include "support/TempDir.h"

#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace hx {
namespace {

using test::TempDir;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

class QtCanvasTest : public ::testing::Test {
protected:
    QtCanvasTest() : buffer(40, 40, QImage::Format_RGB32) { buffer.fill(kBlack); }

    template <class Draw> void Paint(Draw draw) {
        QtCanvas canvas(buffer, skins, fonts, dir.path());
        draw(canvas);
    }

    // Every pixel that is no longer black.
    std::set<std::pair<int, int>> Painted() const {
        std::set<std::pair<int, int>> points;
        for (int y = 0; y < buffer.height(); ++y) {
            for (int x = 0; x < buffer.width(); ++x) {
                if (buffer.pixel(x, y) != kBlack) {
                    points.insert({x, y});
                }
            }
        }
        return points;
    }

    void WriteImage(const char* name, const QImage& image) {
        ASSERT_TRUE(image.save(QString::fromStdString((dir / name).string()), "PNG"));
    }

    TempDir dir;
    SkinCache skins;
    LabelFonts fonts;
    QImage buffer;
};

TEST_F(QtCanvasTest, FillCellExcludesRightAndBottom) {
    Paint([](Canvas& c) { c.FillCell(2, 3, 6, 8, 0xFF0000); });
    std::set<std::pair<int, int>> expected;
    for (int y = 3; y < 8; ++y) {
        for (int x = 2; x < 6; ++x) {
            expected.insert({x, y});
        }
    }
    EXPECT_EQ(Painted(), expected);
    EXPECT_EQ(buffer.pixel(2, 3), 0xFFFF0000);
}

TEST_F(QtCanvasTest, FillCellWithoutAreaDrawsNothing) {
    Paint([](Canvas& c) {
        c.FillCell(5, 5, 5, 9, 0xFFFFFF);
        c.FillCell(5, 5, 9, 5, 0xFFFFFF);
        c.FillCell(9, 9, 5, 5, 0xFFFFFF);
    });
    EXPECT_TRUE(Painted().empty());
}

TEST_F(QtCanvasTest, OutlineRunsThroughBothCornersOneWhitePixelWide) {
    Paint([](Canvas& c) { c.DrawOutline(5, 6, 4, 3); });
    std::set<std::pair<int, int>> expected;
    for (int x = 5; x <= 9; ++x) {
        expected.insert({x, 6});
        expected.insert({x, 9});
    }
    for (int y = 6; y <= 9; ++y) {
        expected.insert({5, y});
        expected.insert({9, y});
    }
    EXPECT_EQ(Painted(), expected);
    EXPECT_EQ(buffer.pixel(9, 9), kWhite);
}

TEST_F(QtCanvasTest, SkinImagesAreCopiedOpaquelyAtTheirNaturalSize) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(0x10, 0x20, 0x30, 0xFF));
    image.setPixel(1, 1, qRgba(0x40, 0x50, 0x60, 0x00)); // transparent, colour kept
    WriteImage("Pic.png", image);
    buffer.fill(kWhite);
    Paint([](Canvas& c) { c.DrawSkinImage("pic.PNG", 4, 5); });
    EXPECT_EQ(buffer.pixel(4, 5), 0xFF102030);
    EXPECT_EQ(buffer.pixel(6, 6), 0xFF102030);
    // Never the white beneath.
    EXPECT_NE(buffer.pixel(5, 6), kWhite);
    EXPECT_EQ(buffer.pixel(7, 5), kWhite);
    EXPECT_EQ(buffer.pixel(4, 7), kWhite);
}

TEST_F(QtCanvasTest, ImagePartsCopyOnlyWhatLiesInsideTheSource) {
    QImage image(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            image.setPixel(x, y, qRgb(10 * x + 1, 10 * y + 1, 0));
        }
    }
    WriteImage("grid.png", image);
    // A block reaching two pixels left of and above the image: those parts draw nothing.
    Paint([](Canvas& c) { c.DrawSkinImagePart("grid.png", {-2, -2, 4, 4}, 10, 10); });
    std::set<std::pair<int, int>> expected{{12, 12}, {13, 12}, {12, 13}, {13, 13}};
    EXPECT_EQ(Painted(), expected);
    EXPECT_EQ(buffer.pixel(12, 12), qRgb(1, 1, 0));
    EXPECT_EQ(buffer.pixel(13, 13), qRgb(11, 11, 0));
}

TEST_F(QtCanvasTest, MissingImagesAndEmptyBlocksDrawNothing) {
    Paint([](Canvas& c) {
        c.DrawSkinImage("nothing.png", 0, 0);
        c.DrawSkinImagePart("nothing.png", {0, 0, 5, 5}, 0, 0);
        c.DrawBitmapPart(BitmapId::SliderFilledChannel, {0, 0, 0, 17}, 0, 0);
        c.DrawBitmapPart(BitmapId::SliderFilledChannel, {0, 0, -3, 17}, 0, 0);
    });
    EXPECT_TRUE(Painted().empty());
}

TEST_F(QtCanvasTest, BitmapPartsComeFromTheCompiledInChannels) {
    Paint([](Canvas& c) { c.DrawBitmapPart(BitmapId::SliderEmptyChannel, {0, 0, 30, 17}, 5, 2); });
    const auto painted = Painted();
    ASSERT_FALSE(painted.empty());
    for (const auto& [x, y] : painted) {
        EXPECT_TRUE(x >= 5 && x < 35 && y >= 2 && y < 19) << x << "," << y;
    }
}

TEST(LabelFonts, CellHeightIsTheRequestedHeight) {
    LabelFonts fonts;
    for (int height : {10, 11, 13, 14, 15, 16, 18}) {
        const QFontMetrics metrics(fonts.ForHeight(height).font);
        EXPECT_NEAR(metrics.ascent() + metrics.descent(), height, 1) << height;
        EXPECT_EQ(fonts.ForHeight(height).ascent, metrics.ascent());
        EXPECT_EQ(fonts.ForHeight(height).font.weight(), QFont::Light);
    }
}

TEST_F(QtCanvasTest, LabelsHangFromTheirTopLeftCornerInsideTheirCell) {
    buffer = QImage(120, 40, QImage::Format_RGB32);
    buffer.fill(kBlack);
    Paint([](Canvas& c) { c.DrawLabel("Hg", 20, 10, 15, 0x00FF00); });
    const auto painted = Painted();
    ASSERT_FALSE(painted.empty());
    int left = 1000, top = 1000, bottom = -1;
    for (const auto& [x, y] : painted) {
        left = std::min(left, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        EXPECT_EQ(qRed(buffer.pixel(x, y)), 0) << "text colour";
        EXPECT_EQ(qBlue(buffer.pixel(x, y)), 0) << "text colour";
    }
    // Ink starts at the corner (less the glyph's side bearing) and stays within the cell.
    EXPECT_GE(left, 20);
    EXPECT_LE(left, 22);
    EXPECT_GE(top, 10);
    EXPECT_LE(top, 14);
    EXPECT_LT(bottom, 10 + 15);
    EXPECT_GE(bottom, 10 + 11); // the "g" reaches into the descent
}

TEST_F(QtCanvasTest, BackBufferIsAPrivateCopyOfTheBackground) {
    QImage image(6, 5, QImage::Format_RGB32);
    image.fill(0xFF203040);
    WriteImage("main.png", image);
    QImage back = LoadBackBuffer(skins, dir.path(), "main.png");
    ASSERT_EQ(back.size(), QSize(6, 5));
    {
        QtCanvas canvas(back, skins, fonts, dir.path());
        canvas.FillCell(0, 0, 6, 5, 0xFFFFFF);
    }
    EXPECT_EQ(skins.Load(dir.path(), "main.png").pixel(0, 0), 0xFF203040u);
    EXPECT_TRUE(LoadBackBuffer(skins, dir.path(), "absent.png").isNull());
}

} // namespace
} // namespace hx
