#pragma once

#include <QEvent>

#include <cstdint>

namespace hx {

// One of the program's own window messages, delivered as a Qt event whose type is the message
// number (0x779 is WM_SLIDER_CHANGED), with its two parameters.
class WindowMessageEvent final : public QEvent {
public:
    WindowMessageEvent(int message, std::intptr_t wParam, std::intptr_t lParam)
        : QEvent(static_cast<QEvent::Type>(message)), wParam_(wParam), lParam_(lParam) {}

    int message() const { return static_cast<int>(type()); }
    std::intptr_t wParam() const { return wParam_; }
    std::intptr_t lParam() const { return lParam_; }

private:
    std::intptr_t wParam_;
    std::intptr_t lParam_;
};

} // namespace hx
