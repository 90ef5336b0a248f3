#pragma once

#include <chrono>

namespace hx {

// Every fixed protocol pause goes through a Pacer, so tests can record the pauses instead of
// sleeping. A zero pause yields the processor.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

class SleepingPacer final : public Pacer {
public:
    void Pause(std::chrono::milliseconds duration) override;
};

} // namespace hx
