#include "ui/controls/VividTree.h"

#include "support/RecordingControlCanvas.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace hx {
namespace {

bool Has(const std::vector<std::string>& calls, const std::string& prefix) {
    return std::any_of(calls.begin(), calls.end(),
                       [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
}

class VividTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        tree = new VividTree(&window);
        other = new QLineEdit(&window);
        layout->addWidget(tree);
        layout->addWidget(other);
        tree->setFixedSize(295, 160);
        media = new QTreeWidgetItem(tree, QStringList{"Мультимедіа"});
        play = new QTreeWidgetItem(media, QStringList{"Play"});
        new QTreeWidgetItem(media, QStringList{"Stop"});
        // A category marked as having children before any are inserted.
        windows = new QTreeWidgetItem(tree, QStringList{"Windows"});
        windows->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        new QTreeWidgetItem(tree, QStringList{"Calculator"});
        tree->SetBackgroundStyle(kTreeSolid);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    std::vector<std::string> Paint() {
        test::RecordingControlCanvas canvas;
        tree->PaintTo(canvas);
        return canvas.calls;
    }

    QImage Pixels() { return tree->viewport()->grab().toImage(); }

    QWidget window;
    VividTree* tree = nullptr;
    QLineEdit* other = nullptr;
    QTreeWidgetItem *media = nullptr, *play = nullptr, *windows = nullptr;
};

TEST_F(VividTreeTest, EmptyTreePaintsOnlyItsSolidBackground) {
    tree->clear();
    const QSize client = tree->viewport()->size();
    EXPECT_EQ(Paint(),
              (std::vector<std::string>{"fill 0 0 " + std::to_string(client.width()) + " " +
                                        std::to_string(client.height()) + " #1E1E1E"}));
    const QImage image = Pixels();
    EXPECT_EQ(image.pixel(client.width() / 2, client.height() / 2) & 0xFFFFFF, 0x1E1E1Eu);
}

TEST_F(VividTreeTest, GlyphsFollowChildrenAndExpansion) {
    auto calls = Paint();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.rfind("bitmap 133", 0) == 0; }),
              2); // the collapsed category and the one only marked as having children
    EXPECT_FALSE(Has(calls, "bitmap 134"));
    EXPECT_FALSE(Has(calls, "text \"Play\""));

    media->setExpanded(true);
    calls = Paint();
    EXPECT_TRUE(Has(calls, "bitmap 134"));
    EXPECT_TRUE(Has(calls, "text \"Play\""));
    // The glyph shows as itself, not as background.
    const QRect r = tree->visualItemRect(media);
    const QImage image = Pixels();
    int notBackground = 0;
    for (int x = 0; x < r.left() + 9; ++x) { // left of the text
        for (int y = r.top(); y <= r.bottom(); ++y) {
            notBackground += (image.pixel(x, y) & 0xFFFFFF) != 0x1E1E1Eu;
        }
    }
    EXPECT_GT(notBackground, 20);
}

TEST_F(VividTreeTest, SelectionBandOnlyWhileFocused) {
    media->setExpanded(true);
    tree->setCurrentItem(play);
    tree->setFocus();
    ASSERT_TRUE(tree->hasFocus());
    const QRect r = tree->visualItemRect(play);
    const std::string band = "fill 0 " + std::to_string(r.top()) + " ";
    EXPECT_TRUE(Has(Paint(), band));
    EXPECT_EQ(Pixels().pixel(1, r.center().y()) & 0xFFFFFF, 0x662E2Fu);

    other->setFocus();
    ASSERT_FALSE(tree->hasFocus());
    EXPECT_FALSE(Has(Paint(), band));
    EXPECT_EQ(Pixels().pixel(1, r.center().y()) & 0xFFFFFF, 0x1E1E1Eu);

    tree->SetShowSelectionAlways(true);
    EXPECT_TRUE(Has(Paint(), band));
}

TEST_F(VividTreeTest, ScrolledTreeStartsAtTheFirstVisibleItem) {
    for (int i = 0; i < 40; ++i) {
        new QTreeWidgetItem(tree, QStringList{QString("Item %1").arg(i)});
    }
    tree->scrollToItem(tree->topLevelItem(tree->topLevelItemCount() - 1));
    const QModelIndex first = tree->indexAt(QPoint(0, 0));
    ASSERT_GT(first.row(), 0);
    const auto calls = Paint();
    const auto firstText = std::find_if(
        calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("text ", 0) == 0; });
    ASSERT_NE(firstText, calls.end());
    EXPECT_EQ(firstText->rfind("text \"" + first.data().toString().toStdString() + "\"", 0), 0u);
    EXPECT_TRUE(Has(calls, "text \"Item 39\""));
    EXPECT_FALSE(Has(calls, "text \"Мультимедіа\""));
}

} // namespace
} // namespace hx
