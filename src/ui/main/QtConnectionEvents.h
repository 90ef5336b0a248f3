#pragma once

#include "device/ConnectionEvents.h"
#include "ui/controls/WindowMessages.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace hx {

// WM_SETTINGS_READ after the start-up read, carrying what the keyboard returned.
class StartupReadEvent final : public QEvent {
public:
    explicit StartupReadEvent(StartupRead read)
        : QEvent(static_cast<QEvent::Type>(WM_SETTINGS_READ)), read_(std::move(read)) {}
    const StartupRead& read() const { return read_; }

private:
    StartupRead read_;
};

// Posts the worker threads' notices to the main window's event queue (thread-safe, never
// blocks the worker).
class QtConnectionEvents final : public ConnectionEvents {
public:
    explicit QtConnectionEvents(QWidget* window) : window_(window) {}
    void PostDeviceKey(std::uint8_t code) override;
    void PostStartupRead(StartupRead read) override;

private:
    QWidget* window_;
};

} // namespace hx
