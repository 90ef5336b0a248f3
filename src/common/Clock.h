#pragma once

#include <atomic>
#include <chrono>

namespace hx {

// Time as seen by the protocol's pauses; the virtual keyboard reads the same clock to check them.
class Clock {
public:
    using Duration = std::chrono::steady_clock::duration;
    virtual ~Clock() = default;
    virtual Duration Now() const = 0;
};

class SteadyClock final : public Clock {
public:
    Duration Now() const override { return std::chrono::steady_clock::now().time_since_epoch(); }
};

// A clock that only moves when told; tests advance it from a recording pacer.
class ManualClock final : public Clock {
public:
    Duration Now() const override { return Duration(now_.load()); }
    void Advance(Duration d) { now_ += d.count(); }

private:
    std::atomic<Duration::rep> now_{0};
};

} // namespace hx
