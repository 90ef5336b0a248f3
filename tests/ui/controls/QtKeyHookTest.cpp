#include "platform/QtKeyHook.h"

#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace hx {
namespace {

using Report = std::pair<std::intptr_t, bool>; // virtual-key code, released

class Receiver final : public QObject {
public:
    std::vector<Report> reports;

protected:
    bool event(QEvent* e) override {
        if (static_cast<int>(e->type()) == WM_HOOK_KEY) {
            const auto* m = static_cast<WindowMessageEvent*>(e);
            reports.emplace_back(m->wParam(), (m->lParam() & kHookReleaseBit) != 0);
            return true;
        }
        return QObject::event(e);
    }
};

class QtKeyHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit = new QLineEdit(&window);
        window.resize(200, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
    }

    // A key as the platform delivers it: to the top-level window first.
    void Click(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), key, modifiers);
        QCoreApplication::processEvents();
    }

    QWidget window;
    QLineEdit* edit = nullptr;
    Receiver receiver;
    QtKeyHook hook;
};

TEST_F(QtKeyHookTest, RecordingModeReportsPressesAndReleasesOnce) {
    ASSERT_TRUE(hook.installhook(&receiver, kHookPressesAndReleases));
    Click(Qt::Key_A);  // taken by the edit
    Click(Qt::Key_F5); // ignored by the edit and passed on to its parent
    Click(Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(receiver.reports, (std::vector<Report>{{0x41, false},
                                                     {0x41, true},
                                                     {0x74, false},
                                                     {0x74, true},
                                                     {0x65, false},
                                                     {0x65, true}}));
    EXPECT_EQ(edit->text(), "a5"); // the keys still reach the program
}

TEST_F(QtKeyHookTest, StrokeModeReportsEachStrokeOnce) {
    ASSERT_TRUE(hook.installhook(&receiver, kHookStrokes));
    Click(Qt::Key_Return);
    Click(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(receiver.reports, (std::vector<Report>{{0x0D, false}, {0x6C, false}}));
}

TEST_F(QtKeyHookTest, NothingIsReportedWithoutAnInstalledHookOrTarget) {
    EXPECT_FALSE(hook.installhook(nullptr, kHookStrokes));
    EXPECT_FALSE(hook.installhook(&receiver, 2));
    Click(Qt::Key_A);
    EXPECT_TRUE(receiver.reports.empty());

    ASSERT_TRUE(hook.installhook(&receiver, kHookStrokes));
    hook.removehook();
    Click(Qt::Key_A);
    EXPECT_TRUE(receiver.reports.empty());

    auto gone = std::make_unique<Receiver>();
    ASSERT_TRUE(hook.installhook(gone.get(), kHookStrokes));
    gone.reset();
    Click(Qt::Key_A); // the window went away: no report, no crash
    ASSERT_TRUE(hook.installhook(&receiver, kHookStrokes));
    Click(Qt::Key_B);
    EXPECT_EQ(receiver.reports, (std::vector<Report>{{0x42, false}}));
}

} // namespace
} // namespace hx
