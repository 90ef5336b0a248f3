#include "platform/QtKeyHook.h"

#include "platform/VirtualKeyMap.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace hx {

static_assert(qtkey::kEscape == Qt::Key_Escape && qtkey::kTab == Qt::Key_Tab &&
              qtkey::kBacktab == Qt::Key_Backtab && qtkey::kBackspace == Qt::Key_Backspace &&
              qtkey::kReturn == Qt::Key_Return && qtkey::kEnter == Qt::Key_Enter &&
              qtkey::kInsert == Qt::Key_Insert && qtkey::kDelete == Qt::Key_Delete &&
              qtkey::kPause == Qt::Key_Pause && qtkey::kPrint == Qt::Key_Print &&
              qtkey::kSysReq == Qt::Key_SysReq && qtkey::kClear == Qt::Key_Clear);
static_assert(qtkey::kHome == Qt::Key_Home && qtkey::kEnd == Qt::Key_End &&
              qtkey::kLeft == Qt::Key_Left && qtkey::kUp == Qt::Key_Up &&
              qtkey::kRight == Qt::Key_Right && qtkey::kDown == Qt::Key_Down &&
              qtkey::kPageUp == Qt::Key_PageUp && qtkey::kPageDown == Qt::Key_PageDown);
static_assert(qtkey::kShift == Qt::Key_Shift && qtkey::kControl == Qt::Key_Control &&
              qtkey::kMeta == Qt::Key_Meta && qtkey::kAlt == Qt::Key_Alt &&
              qtkey::kCapsLock == Qt::Key_CapsLock && qtkey::kNumLock == Qt::Key_NumLock &&
              qtkey::kScrollLock == Qt::Key_ScrollLock && qtkey::kF1 == Qt::Key_F1 &&
              qtkey::kF24 == Qt::Key_F24 && qtkey::kSuperL == Qt::Key_Super_L &&
              qtkey::kSuperR == Qt::Key_Super_R && qtkey::kMenu == Qt::Key_Menu &&
              qtkey::kAltGr == Qt::Key_AltGr);
static_assert(qtkey::kVolumeDown == Qt::Key_VolumeDown &&
              qtkey::kVolumeMute == Qt::Key_VolumeMute && qtkey::kVolumeUp == Qt::Key_VolumeUp &&
              qtkey::kMediaPlay == Qt::Key_MediaPlay && qtkey::kMediaStop == Qt::Key_MediaStop &&
              qtkey::kMediaPrevious == Qt::Key_MediaPrevious &&
              qtkey::kMediaNext == Qt::Key_MediaNext && qtkey::kMediaPause == Qt::Key_MediaPause &&
              qtkey::kMediaTogglePlayPause == Qt::Key_MediaTogglePlayPause &&
              qtkey::kLaunchMedia == Qt::Key_LaunchMedia);
static_assert('A' == Qt::Key_A && '0' == Qt::Key_0 && '!' == Qt::Key_Exclam &&
              '~' == Qt::Key_AsciiTilde && '`' == Qt::Key_QuoteLeft);

QtKeyHook::QtKeyHook(QObject* parent) : QObject(parent) {
    const QString platform = QGuiApplication::platformName();
    // Both report XKB key codes as native scan codes; other platforms' codes mean other things.
    scanCodesAreXkb_ = platform == QLatin1String("xcb") || platform.startsWith("wayland");
}

QtKeyHook::~QtKeyHook() {
    removehook();
}

bool QtKeyHook::installhook(QObject* window, int mode) {
    if (window == nullptr || (mode != kHookStrokes && mode != kHookPressesAndReleases) ||
        QCoreApplication::instance() == nullptr) {
        return false;
    }
    target_ = window;
    mode_ = mode;
    if (!installed_) {
        QCoreApplication::instance()->installEventFilter(this);
        installed_ = true;
    }
    return true;
}

void QtKeyHook::removehook() {
    if (installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    installed_ = false;
    target_ = nullptr;
}

bool QtKeyHook::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType() ||
        !target_) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const KeyStroke stroke{key->key(), key->modifiers().testFlag(Qt::KeypadModifier),
                           key->nativeScanCode(), scanCodesAreXkb_};
    const auto message =
        HookMessageFor(mode_, type == QEvent::KeyPress, key->isAutoRepeat(), VirtualKeyOf(stroke));
    if (message) {
        QCoreApplication::postEvent(
            target_,
            new WindowMessageEvent(WM_HOOK_KEY, static_cast<std::intptr_t>(message->wParam),
                                   message->lParam));
    }
    return false;
}

} // namespace hx
