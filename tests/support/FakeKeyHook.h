#pragma once

#include "platform/KeyHook.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QCoreApplication>
#include <QPointer>

#include <cstdint>
#include <vector>

namespace hx::test {

// A key hook that a test drives: it records installs and removals, answers installhook from
// `installResult`, and posts the keys the test presses to the installed window, as the real hook
// does in the given mode.
class FakeKeyHook final : public KeyHook {
public:
    struct Install {
        QObject* window;
        int mode;
    };

    bool installhook(QObject* window, int mode) override {
        installs.push_back({window, mode});
        if (installResult) {
            window_ = window;
            mode_ = mode;
        }
        return installResult;
    }
    void removehook() override {
        ++removals;
        window_ = nullptr;
    }

    bool installed() const { return !window_.isNull(); }

    // Posts what the hook would post for a press or a release of `vk`; the test then processes
    // events to deliver it.
    void Press(std::uint8_t vk, bool autoRepeat = false) { Post(true, autoRepeat, vk); }
    void Release(std::uint8_t vk) { Post(false, false, vk); }

    bool installResult = true;
    std::vector<Install> installs;
    int removals = 0;

private:
    void Post(bool press, bool autoRepeat, std::uint8_t vk) {
        if (!window_) {
            return;
        }
        if (const auto message = HookMessageFor(mode_, press, autoRepeat, vk)) {
            QCoreApplication::postEvent(
                window_,
                new WindowMessageEvent(WM_HOOK_KEY, static_cast<std::intptr_t>(message->wParam),
                                       message->lParam));
        }
    }

    QPointer<QObject> window_;
    int mode_ = kHookStrokes;
};

} // namespace hx::test
