#pragma once

#include "common/Result.h"
#include "device/HidBackend.h"
#include "sim/Firmware.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <vector>

namespace hx::sim {

// The keyboard as its USB interfaces see it: the firmware behind one lock, the plug state, and
// the queues of notify reports waiting on each open notify handle. Handles of every backend
// share it, and the VirtualKeyboard drives it from the keyboard's side.
class DeviceCore {
public:
    // Counts plug-ins; a handle opened during one is dead once the keyboard is unplugged.
    using Session = std::uint64_t;

    // Reports the keyboard has sent to one open notify handle and it has not read yet.
    struct NotifyQueue {
        std::deque<NotifyReport> reports;
    };

    DeviceCore(KeyboardMemory memory, const Clock* clock);

    bool Plugged() const;
    void Unplug();
    void Replug();
    // The session a handle opened now belongs to; an Error while unplugged.
    Result<Session> Attach() const;

    Status SetFeature(Session s, const FeatureReport& report);
    Status GetFeature(Session s, FeatureReport& report);
    Status Write(Session s, const DataReport& report);
    ReadOutcome Read(Session s, DataReport& report, std::chrono::milliseconds timeout);

    void AddNotifyQueue(NotifyQueue* queue);
    void RemoveNotifyQueue(NotifyQueue* queue);
    ReadOutcome ReadNotify(Session s, NotifyQueue& queue, NotifyReport& report,
                           std::chrono::milliseconds timeout);

    void PressKey(std::size_t keyIndex);
    void SetFaults(const Faults& faults);
    KeyboardMemory Memory() const;
    void SetMemory(const KeyboardMemory& memory);
    std::vector<Violation> Violations() const;
    void ClearViolations();
    std::size_t RejectedReports() const;
    std::size_t AcksSent() const;
    // Every confirmed write is saved to this file from then on (empty: never).
    void SetPersistFile(std::filesystem::path file);

private:
    bool Dead(Session s) const { return !plugged_ || s != session_; }
    void DeliverNotifies(); // with mutex_ held
    // Saves the memory when the last report was a confirmed write; releases the lock.
    void PersistIfWritten(std::unique_lock<std::mutex>& lock, std::size_t acksBefore);
    template <class Ready>
    bool WaitFor(std::unique_lock<std::mutex>& lock, std::chrono::milliseconds timeout,
                 Ready ready);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    Firmware firmware_;
    std::filesystem::path persistFile_;
    bool plugged_ = true;
    Session session_ = 1;
    std::vector<NotifyQueue*> notifyQueues_;
};

} // namespace hx::sim
