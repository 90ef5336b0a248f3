#include "device/Listener.h"

namespace hx {

Listener::Listener(DeviceLink& link, ConnectionEvents& events) : link_(link), events_(events) {}

Listener::~Listener() {
    Stop();
}

void Listener::Start() {
    if (running_.load())
        return;
    if (thread_.joinable())
        thread_.join();
    link_.stopListener() = false;
    running_ = true;
    thread_ = std::thread([this] { Run(); });
}

void Listener::Stop() {
    link_.stopListener() = true;
    if (thread_.joinable())
        thread_.join();
    running_ = false;
}

void Listener::Handle(const NotifyReport& report) {
    if (report[kNotifyKindByte] == kNotifyKindAck)
        link_.SignalAck();
    else
        events_.PostDeviceKey(report[kNotifyKeyByte]);
}

void Listener::Run() {
    while (!link_.stopListener().load()) {
        NotifyReport report{kNotifyReportId, 0, 0, 0};
        switch (link_.ReadNotify(report)) {
        case ReadOutcome::kReport:
            Handle(report);
            break;
        case ReadOutcome::kTimeout:
            break;
        case ReadOutcome::kFailed:
            // The handle is gone (unplugged or closed); wait out one poll instead of spinning
            // until the removal handler stops us.
            std::this_thread::sleep_for(link_.timeouts().notifyPoll);
            break;
        }
    }
    running_ = false;
}

} // namespace hx
