#include "device/hidapi/HidapiHandle.h"

#include <hidapi.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>

namespace hx::hid {

void HidapiHandle::Closer::operator()(hid_device* device) const {
    hid_close(device);
}

HidapiHandle::HidapiHandle(std::shared_ptr<HidapiLibrary> library, hid_device* device,
                           Numbering numbering)
    : library_(std::move(library)), device_(device), numbering_(numbering) {}

Status HidapiHandle::Fail(const char* call) const {
    return Error{std::string(call) + ": " + HidapiErrorText(device_.get())};
}

// hidraw counts the report id byte even when the interface leaves it off the wire, so a
// complete transfer always reports the full size.
Status HidapiHandle::CheckLength(const char* call, int result, std::size_t expected) const {
    if (result < 0)
        return Fail(call);
    if (static_cast<std::size_t>(result) != expected)
        return Error{std::string(call) + ": " + std::to_string(result) + " of " +
                     std::to_string(expected) + " bytes transferred"};
    return Status::Ok();
}

Status HidapiHandle::SetFeature(const FeatureReport& report) {
    return CheckLength("hid_send_feature_report",
                       hid_send_feature_report(device_.get(), report.data(), report.size()),
                       report.size());
}

Status HidapiHandle::GetFeature(FeatureReport& report) {
    // The reply lands in a copy so that a failed fetch leaves the caller's buffer as it was.
    FeatureReport reply = report;
    Status status = CheckLength("hid_get_feature_report",
                                hid_get_feature_report(device_.get(), reply.data(), reply.size()),
                                reply.size());
    if (status)
        report = reply;
    return status;
}

Status HidapiHandle::Write(const DataReport& report) {
    return CheckLength("hid_write", hid_write(device_.get(), report.data(), report.size()),
                       report.size());
}

ReadOutcome HidapiHandle::Read(DataReport& report, std::chrono::milliseconds timeout) {
    return ReadInput(report, timeout);
}

ReadOutcome HidapiHandle::ReadNotify(NotifyReport& report, std::chrono::milliseconds timeout) {
    return ReadInput(report, timeout);
}

// Reports of the interface's other collections are passed over until the deadline, which holds
// for the whole call so that a stream of them cannot stretch the wait.
ReadOutcome HidapiHandle::ReadInput(std::span<std::uint8_t> report,
                                    std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    // Bounded so the deadline cannot overflow; hidapi takes an int of milliseconds anyway.
    const Clock::time_point deadline =
        Clock::now() +
        std::clamp(timeout, std::chrono::milliseconds{0}, std::chrono::milliseconds{INT_MAX});
    // One byte more than the report, so that a longer report of another collection shows by
    // its length instead of passing as ours cut short.
    std::array<std::uint8_t, kDataReportSize + 1> raw{};
    const std::size_t size = std::min(report.size() + 1, raw.size());
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        // Never -1: hidapi would wait for ever.
        const int wait = static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
        const int got = hid_read_timeout(device_.get(), raw.data(), size, wait);
        if (got < 0)
            return ReadOutcome::kFailed;
        if (got == 0)
            return ReadOutcome::kTimeout;
        if (FitInputReport(std::span(raw).first(std::min(static_cast<std::size_t>(got), size)),
                           report, numbering_) == InputFit::kAccept)
            return ReadOutcome::kReport;
        if (Clock::now() >= deadline)
            return ReadOutcome::kTimeout;
    }
}

} // namespace hx::hid
