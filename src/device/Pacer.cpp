#include "device/Pacer.h"

#include <thread>

namespace hx {
namespace {

// Sleeping wakes late by up to a millisecond or more; the protocol's many short pauses would add
// that up. Sleep most of the pause, then yield until the deadline, so a pause ends on time
// without spinning through all of it.
constexpr std::chrono::microseconds kWakeMargin{1500};

} // namespace

void SleepingPacer::Pause(std::chrono::milliseconds duration) {
    if (duration.count() <= 0) {
        std::this_thread::yield();
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + duration;
    if (duration > kWakeMargin)
        std::this_thread::sleep_for(duration - kWakeMargin);
    while (std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
}

} // namespace hx
