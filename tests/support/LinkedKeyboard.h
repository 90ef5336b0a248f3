#pragma once

#include "config/AppState.h"
#include "device/ConnectionEvents.h"
#include "device/DeviceLink.h"
#include "sim/VirtualKeyboard.h"
#include "support/Conversation.h"

#include <memory>
#include <mutex>
#include <vector>

namespace hx::test {

// Records what the worker threads post to the main window.
class RecordingEvents final : public ConnectionEvents {
public:
    void PostDeviceKey(std::uint8_t code) override {
        std::lock_guard lock(mutex_);
        keys_.push_back(code);
    }
    void PostStartupRead(StartupRead read) override {
        std::lock_guard lock(mutex_);
        reads_.push_back(std::move(read));
    }
    std::vector<std::uint8_t> Keys() const {
        std::lock_guard lock(mutex_);
        return keys_;
    }
    std::vector<StartupRead> Reads() const {
        std::lock_guard lock(mutex_);
        return reads_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> keys_;
    std::vector<StartupRead> reads_;
};

// The real link over the virtual keyboard, with every report and pause logged in one
// conversation and short time-outs so failure tests end quickly.
struct LinkedKeyboard {
    explicit LinkedKeyboard(sim::KeyboardMemory memory = sim::FactoryMemory())
        : keyboard(std::move(memory), &clock), backend(keyboard.MakeBackend()), conversation(clock),
          link(*backend, conversation, &conversation.trace(),
               // Short data and poll times keep failure tests quick; the confirmation bounds stay
               // generous, since a loaded test machine may run the listener late.
               LinkTimeouts{std::chrono::milliseconds{100}, std::chrono::milliseconds{20},
                            std::chrono::milliseconds{1000}, std::chrono::milliseconds{500}}),
          state(std::make_unique<AppState>()) {}

    ManualClock clock;
    sim::VirtualKeyboard keyboard;
    std::unique_ptr<HidBackend> backend;
    Conversation conversation;
    DeviceLink link;
    RecordingEvents events;
    std::unique_ptr<AppState> state;
};

} // namespace hx::test
