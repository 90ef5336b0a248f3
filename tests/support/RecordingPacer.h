#pragma once

#include "common/Clock.h"
#include "device/Pacer.h"

#include <mutex>
#include <vector>

namespace hx::test {

// Records every pause instead of sleeping, and moves a manual clock by it so the virtual
// keyboard can check the pauses it sees.
class RecordingPacer final : public Pacer {
public:
    explicit RecordingPacer(ManualClock* clock = nullptr) : clock_(clock) {}

    void Pause(std::chrono::milliseconds d) override {
        std::lock_guard lock(mutex_);
        pauses_.push_back(d);
        if (clock_)
            clock_->Advance(d);
    }
    std::vector<std::chrono::milliseconds> Pauses() const {
        std::lock_guard lock(mutex_);
        return pauses_;
    }
    std::chrono::milliseconds Total() const {
        std::chrono::milliseconds sum{0};
        for (auto d : Pauses())
            sum += d;
        return sum;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        pauses_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::chrono::milliseconds> pauses_;
    ManualClock* clock_;
};

} // namespace hx::test
