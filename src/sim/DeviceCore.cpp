#include "sim/DeviceCore.h"

#include "sim/StateFile.h"

#include <algorithm>
#include <iostream>

namespace hx::sim {
namespace {

// A reader that never drains its queue must not make the keyboard hold reports without bound;
// like the kernel's per-reader buffer, the oldest give way.
constexpr std::size_t kNotifyQueueLimit = 64;
// Longer waits are clamped so the deadline arithmetic cannot overflow.
constexpr std::chrono::milliseconds kLongestWait = std::chrono::hours(24);

Error Unplugged() {
    return Error{"virtual keyboard: the device was unplugged"};
}

} // namespace

DeviceCore::DeviceCore(KeyboardMemory memory, const Clock* clock)
    : firmware_(std::move(memory), clock) {}

bool DeviceCore::Plugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

void DeviceCore::Unplug() {
    {
        std::lock_guard lock(mutex_);
        if (!plugged_)
            return;
        plugged_ = false;
        ++session_;
        firmware_.PowerCycle();
        for (NotifyQueue* q : notifyQueues_)
            q->reports.clear();
    }
    changed_.notify_all(); // blocked readers wake up and fail
}

void DeviceCore::Replug() {
    std::lock_guard lock(mutex_);
    plugged_ = true;
}

Result<DeviceCore::Session> DeviceCore::Attach() const {
    std::lock_guard lock(mutex_);
    if (!plugged_)
        return Unplugged();
    return session_;
}

template <class Ready>
bool DeviceCore::WaitFor(std::unique_lock<std::mutex>& lock, std::chrono::milliseconds timeout,
                         Ready ready) {
    const auto bounded = std::clamp(timeout, std::chrono::milliseconds{0}, kLongestWait);
    return changed_.wait_for(lock, bounded, ready);
}

Status DeviceCore::SetFeature(Session s, const FeatureReport& report) {
    std::unique_lock lock(mutex_);
    if (Dead(s))
        return Unplugged();
    const std::size_t acks = firmware_.acksSent();
    firmware_.SetFeature(report);
    DeliverNotifies();
    PersistIfWritten(lock, acks);
    return {};
}

void DeviceCore::SetPersistFile(std::filesystem::path file) {
    std::lock_guard lock(mutex_);
    persistFile_ = std::move(file);
}

void DeviceCore::PersistIfWritten(std::unique_lock<std::mutex>& lock, std::size_t acksBefore) {
    // A confirmed write is in the keyboard's memory for good, as on real hardware.
    if (persistFile_.empty() || firmware_.acksSent() == acksBefore)
        return;
    const KeyboardMemory memory = firmware_.memory();
    const std::filesystem::path file = persistFile_;
    lock.unlock();
    if (Status saved = SaveMemory(file, memory); !saved)
        std::cerr << "virtual keyboard: " << saved.error().message << '\n';
}

Status DeviceCore::GetFeature(Session s, FeatureReport& report) {
    std::lock_guard lock(mutex_);
    if (Dead(s))
        return Unplugged();
    report = firmware_.GetFeature();
    return {};
}

Status DeviceCore::Write(Session s, const DataReport& report) {
    std::unique_lock lock(mutex_);
    if (Dead(s))
        return Unplugged();
    const std::size_t acks = firmware_.acksSent();
    firmware_.Write(report);
    DeliverNotifies();
    PersistIfWritten(lock, acks);
    return {};
}

ReadOutcome DeviceCore::Read(Session s, DataReport& report, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const auto deliverable = [&] { return !firmware_.faults().stallReads && firmware_.HasInput(); };
    WaitFor(lock, timeout, [&] { return Dead(s) || deliverable(); });
    if (Dead(s))
        return ReadOutcome::kFailed;
    if (!deliverable())
        return ReadOutcome::kTimeout;
    report = firmware_.TakeInput();
    return ReadOutcome::kReport;
}

void DeviceCore::AddNotifyQueue(NotifyQueue* queue) {
    std::lock_guard lock(mutex_);
    notifyQueues_.push_back(queue);
}

void DeviceCore::RemoveNotifyQueue(NotifyQueue* queue) {
    std::lock_guard lock(mutex_);
    std::erase(notifyQueues_, queue);
}

ReadOutcome DeviceCore::ReadNotify(Session s, NotifyQueue& queue, NotifyReport& report,
                                   std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    WaitFor(lock, timeout, [&] { return Dead(s) || !queue.reports.empty(); });
    if (Dead(s))
        return ReadOutcome::kFailed;
    if (queue.reports.empty())
        return ReadOutcome::kTimeout;
    report = queue.reports.front();
    queue.reports.pop_front();
    return ReadOutcome::kReport;
}

void DeviceCore::DeliverNotifies() {
    const std::vector<NotifyReport> raised = firmware_.TakeNotifies();
    if (raised.empty())
        return;
    for (NotifyQueue* q : notifyQueues_) {
        for (const NotifyReport& r : raised) {
            if (q->reports.size() == kNotifyQueueLimit)
                q->reports.pop_front();
            q->reports.push_back(r);
        }
    }
    changed_.notify_all();
}

void DeviceCore::PressKey(std::size_t keyIndex) {
    std::lock_guard lock(mutex_);
    if (!plugged_)
        return;
    firmware_.PressKey(keyIndex);
    DeliverNotifies();
}

void DeviceCore::SetFaults(const Faults& faults) {
    {
        std::lock_guard lock(mutex_);
        firmware_.SetFaults(faults);
    }
    changed_.notify_all(); // a reader held back by a stall may go on
}

KeyboardMemory DeviceCore::Memory() const {
    std::lock_guard lock(mutex_);
    return firmware_.memory();
}

void DeviceCore::SetMemory(const KeyboardMemory& memory) {
    std::lock_guard lock(mutex_);
    firmware_.SetMemory(memory);
}

std::vector<Violation> DeviceCore::Violations() const {
    std::lock_guard lock(mutex_);
    return firmware_.violations();
}

void DeviceCore::ClearViolations() {
    std::lock_guard lock(mutex_);
    firmware_.ClearViolations();
}

std::size_t DeviceCore::RejectedReports() const {
    std::lock_guard lock(mutex_);
    return firmware_.rejectedReports();
}

std::size_t DeviceCore::AcksSent() const {
    std::lock_guard lock(mutex_);
    return firmware_.acksSent();
}

} // namespace hx::sim
