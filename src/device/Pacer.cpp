#include "device/Pacer.h"

#include <thread>

namespace hx {

void SleepingPacer::Pause(std::chrono::milliseconds duration) {
    if (duration.count() <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(duration);
}

} // namespace hx
