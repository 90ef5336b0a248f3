#include "device/ReadAll.h"
#include "support/FakeServices.h"
#include "support/LinkedKeyboard.h"
#include "support/TempDir.h"
#include "ui/controls/CBitSlider.h"
#include "ui/main/CZadeDevuzoveDlg.h"
#include "ui/main/QtConnectionEvents.h"
#include "ui/main/TrayIcon.h"
#include "ui/controls/WindowMessages.h"
#include "ui/controls/WindowMessageEvent.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace hx {
namespace {

// The real window, off screen, over the virtual keyboard and the build's skin.
class MainWindowQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        k.state->folders = {std::filesystem::path(HX_SKIN_DIR).parent_path().parent_path(),
                            dir.path()};
        ASSERT_TRUE(k.link.OpenDeviceHandle());
    }
    test::TempDir dir;
    test::LinkedKeyboard k;
    test::ScriptedUi ui;
    test::RecordingShell shell;
};

TEST_F(MainWindowQtTest, SizedFromTheSkinAndHidesFromItsButton) {
    CZadeDevuzoveDlg window(*k.state, k.link, ui, shell);
    const QImage picture = window.Compose();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(window.size(), picture.size());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(960, 10)); // hide button
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowQtTest, StartupReadMovesTheTrackbarsAndEscapeNeverCloses) {
    CZadeDevuzoveDlg window(*k.state, k.link, ui, shell);
    window.show();
    StartupRead read;
    {
        auto session = k.link.Begin();
        read.status = ReadEverything(session, read.image, read.firmware);
    }
    const auto lighting = read.image.span(image::kLightingSettings);
    QtConnectionEvents events(&window);
    events.PostStartupRead(read);
    QCoreApplication::processEvents();

    EXPECT_EQ(window.slider(kBrightnessSliderId)->value(), lighting[image::kLightingBrightness]);
    EXPECT_EQ(window.slider(kSpeedSliderId)->value(), lighting[image::kLightingSpeed]);
    // The thumb is drawn where the new position puts it, before the slider repaints itself.
    const SliderPlacement brightness = window.slider(kBrightnessSliderId)->Placement(&window);
    EXPECT_EQ(brightness.thumb.x,
              ThumbTravelPosition(0, 50, brightness.position, kStyleThumbTravel));
    EXPECT_EQ(k.state->imageSnapshot, k.state->image);
    EXPECT_TRUE(std::filesystem::exists(dir / "keymap.bin"));

    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
}

TEST(TrayIcon, DoubleClickShowsTheWindowOnlyWithAKeyboard) {
    bool connected = false;
    int shown = 0;
    int notices = 0;
    TrayIcon tray({[&] { return connected; }, [&] { ++shown; }, [] {}, [&] { ++notices; }});
    tray.DoubleClicked();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(notices, 1);
    connected = true;
    tray.DoubleClicked();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(notices, 1);
}

TEST_F(MainWindowQtTest, NoKeyboardNoticeActsOnlyOnItsParameter) {
    CZadeDevuzoveDlg window(*k.state, k.link, ui, shell);
    int balloons = 0;
    window.SetNoKeyboardNotice([&] { ++balloons; });
    QCoreApplication::postEvent(&window, new WindowMessageEvent(WM_NO_KEYBOARD_NOTICE, 14, 0));
    QCoreApplication::postEvent(&window, new WindowMessageEvent(WM_NO_KEYBOARD_NOTICE, 15, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(balloons, 1);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace hx
