#include "ui/controls/CBitSlider.h"

#include "ui/controls/WindowMessageEvent.h"

#include "support/RecordingCanvas.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace hx {
namespace {

// Stands in for the main window: keeps every report and answers it the way the owner does,
// drawing the slider when its position changed.
class Owner final : public QWidget {
public:
    std::vector<std::pair<int, std::intptr_t>> reports; // (wParam, lParam)
    std::vector<std::string> drawn;
    int wheelEvents = 0;
    CBitSlider* slider = nullptr;
    DeviceImage image;
    SliderRedrawMemo memo;

protected:
    bool event(QEvent* e) override {
        if (e->type() == static_cast<QEvent::Type>(WM_SLIDER_CHANGED)) {
            auto* message = static_cast<WindowMessageEvent*>(e);
            reports.emplace_back(static_cast<int>(message->wParam()), message->lParam());
            if (slider != nullptr && memo.TakeReport(slider->reportingId(), slider->value())) {
                test::RecordingCanvas canvas;
                DrawSlider(canvas, image, slider->reportingId(), slider->Placement(this));
                drawn.insert(drawn.end(), canvas.calls.begin(), canvas.calls.end());
            }
            return true;
        }
        return QWidget::event(e);
    }
    void wheelEvent(QWheelEvent*) override { ++wheelEvents; }
};

class CBitSliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.resize(300, 600);
        slider = new CBitSlider(&owner);
        owner.slider = slider;
        slider->move(30, 10);
        slider->SetReportTarget(&owner, kBrightnessSliderId);
        slider->SetUpSlider();
        slider->setRange(0, 50);
        slider->setValue(1);
        owner.show();
        QApplication::processEvents();
    }

    void Settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }

    // The thumb image's centre, where a user would grab it.
    QPoint ThumbCentre() const { return {slider->thumbOffset().x + kThumbImageWidth / 2, 8}; }

    Owner owner;
    CBitSlider* slider = nullptr;
};

TEST_F(CBitSliderTest, SetUpSizesItToTheChannelBitmapKeepingItsPlace) {
    slider->resize(30, 10);
    slider->SetUpSlider();
    EXPECT_EQ(slider->geometry(), QRect(30, 10, 220, 17));
}

TEST_F(CBitSliderTest, ClickOnTheChannelMiddleMovesTheThumbThereAtOnce) {
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(110, 8));
    EXPECT_EQ(slider->value(), 25);
}

TEST_F(CBitSliderTest, ClicksAlongTheChannelLandOnTheNearestPosition) {
    struct Case {
        int x;
        int expected;
    };
    // Channel 5..215: a step of 0..50 is 4.2 pixels.
    const Case cases[] = {{0, 0}, {5, 0}, {7, 0}, {8, 1}, {215, 50}, {219, 50}, {162, 37}};
    for (const Case& c : cases) {
        slider->setValue(20);
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(c.x, 8));
        EXPECT_EQ(slider->value(), c.expected) << "x " << c.x;
    }
}

TEST_F(CBitSliderTest, TheThumbCanBeDraggedFromAnywhereOnItsImage) {
    slider->setValue(10);
    Settle();
    const QPoint grab = ThumbCentre() + QPoint(-5, 0);
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    // 41 pixels is ten steps of 0..50 over 205 pixels.
    QTest::mouseMove(slider, grab + QPoint(41, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, grab + QPoint(41, 0));
    EXPECT_EQ(slider->value(), 20);
}

TEST_F(CBitSliderTest, TheWheelIsSwallowed) {
    slider->setValue(30);
    for (int delta : {120, -120, 480}) {
        QWheelEvent wheel(QPointF(100, 8), slider->mapToGlobal(QPointF(100, 8)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
        EXPECT_TRUE(wheel.isAccepted());
    }
    EXPECT_EQ(slider->value(), 30);
    EXPECT_EQ(owner.wheelEvents, 0);
}

TEST_F(CBitSliderTest, ReportsAfterEveryPaintAndMouseMoveWithItsId) {
    owner.reports.clear();
    slider->repaint();
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0], std::make_pair(kBrightnessSliderId, std::intptr_t{0}));

    QTest::mouseMove(slider, QPoint(60, 8)); // no button held
    QTest::mouseMove(slider, QPoint(61, 8));
    EXPECT_GE(owner.reports.size(), 3u);

    slider->hide();
    owner.reports.clear();
    slider->update();
    Settle();
    EXPECT_TRUE(owner.reports.empty()); // a hidden slider never paints, so never reports
}

TEST_F(CBitSliderTest, ThumbOffsetFollowsTheStyleThumbRectangle) {
    const std::pair<int, int> cases[] = {{0, 0}, {25, 103}, {50, 205}};
    for (const auto& [value, x] : cases) {
        slider->setValue(value);
        slider->repaint();
        EXPECT_EQ(slider->thumbOffset(), (ThumbOffset{x, 0})) << value;
    }
}

TEST_F(CBitSliderTest, ArrowKeysRedrawAndStoreTheValueThroughTheOwner) {
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(110, 8));
    Settle();
    owner.drawn.clear();
    QTest::keyClick(slider, Qt::Key_Right);
    Settle();
    EXPECT_EQ(slider->value(), 26);
    EXPECT_EQ(owner.image.at(image::kLightingSettings, image::kLightingBrightness), 26);
    // Drawn in owner coordinates: the slider sits at (30, 10).
    const int tx = ThumbTravelPosition(0, 50, 26, kStyleThumbTravel);
    EXPECT_EQ(owner.drawn,
              (std::vector<std::string>{
                  "bitmap 140 0 0 " + std::to_string(tx) + " 17 -> 30 10",
                  "bitmap 139 " + std::to_string(tx) + " 0 " + std::to_string(220 - tx) +
                      " 17 -> " + std::to_string(30 + tx) + " 10",
                  "part Thumb.png 0 0 15 14 -> " + std::to_string(30 + tx) + " 11",
              }));
}

TEST_F(CBitSliderTest, AReportWithAnUnchangedPositionDrawsNothing) {
    slider->setValue(12);
    slider->repaint();
    owner.drawn.clear();
    slider->repaint();
    QTest::mouseMove(slider, QPoint(150, 8));
    EXPECT_TRUE(owner.drawn.empty());
}

TEST_F(CBitSliderTest, ReportRateThumbSitsTwoPixelsFurtherRightAtPositionZero) {
    slider->SetReportTarget(&owner, kReportRateSliderId);
    slider->setRange(0, 3);
    slider->setValue(1);
    slider->repaint();
    owner.drawn.clear();
    slider->setValue(0);
    slider->repaint();
    const int ruleX = slider->thumbOffset().x;
    ASSERT_FALSE(owner.drawn.empty());
    EXPECT_EQ(owner.drawn.back(),
              "part Thumb.png 0 0 15 14 -> " + std::to_string(30 + ruleX + 2) + " 11");
    EXPECT_EQ(owner.image.at(image::kReportRate), 0);
}

} // namespace
} // namespace hx
