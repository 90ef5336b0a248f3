#include "ui/main/QtConnectionEvents.h"

#include "ui/controls/WindowMessageEvent.h"

#include <QCoreApplication>

namespace hx {

void QtConnectionEvents::PostDeviceKey(std::uint8_t code) {
    QCoreApplication::postEvent(window_, new WindowMessageEvent(WM_DEVICE_KEY, code, 0));
}

void QtConnectionEvents::PostStartupRead(StartupRead read) {
    QCoreApplication::postEvent(window_, new StartupReadEvent(std::move(read)));
}

} // namespace hx
