#pragma once

#include "common/Result.h"
#include "config/AppState.h"
#include "device/Commands.h"
#include "device/FeatureReports.h"
#include "device/HidBackend.h"
#include "device/Pacer.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace hx {

class HidTrace;

struct LinkTimeouts {
    // An input report of a stream normally follows within a few milliseconds; a second means
    // the keyboard is gone or wedged.
    std::chrono::milliseconds dataRead{1000};
    // The listener re-checks its stop flag this often.
    std::chrono::milliseconds notifyPoll{200};
    // A write is acknowledged within tens of milliseconds; past a second it never will be.
    std::chrono::milliseconds ack{1000};
    // Confirmations of earlier writes come within a few milliseconds of each other when they
    // come at all; how long a new step waits for them before it starts.
    std::chrono::milliseconds lateConfirmations{50};
};

// The keyboard's two handles, the one-sequence-at-a-time rule and the acknowledgement flag.
class DeviceLink {
public:
    class Session;

    DeviceLink(HidBackend& backend, Pacer& pacer, HidTrace* trace = nullptr,
               LinkTimeouts timeouts = {});

    // Finds and opens the "mi_03" (synchronous) and "ol04" (listener) interfaces.
    Status OpenDeviceHandle();
    Status OpenNotifyHandle();
    bool DeviceOpen() const;
    bool NotifyOpen() const;
    void CloseHandles();
    // Whether the keyboard's command interface is still among the present devices.
    bool KeyboardPresent();

    // Waits until no other sequence runs, then holds the keyboard for the caller until the
    // session ends. Every exchange on the device handle goes through a session.
    Session Begin();

    // The listener's read on the notify handle; kFailed when it is not open.
    ReadOutcome ReadNotify(NotifyReport& report);

    // Starts an acknowledged step: late confirmations of earlier writes are let in first, so
    // that none of them is taken for this step's.
    void ClearAck();
    void SignalAck();
    bool AckReceived() const { return ackReceived_.load(); }
    // True when a confirmation came after the last ClearAck, within the time-out.
    bool WaitForAck();

    std::atomic<bool>& stopListener() { return stopListener_; }
    Pacer& pacer() { return pacer_; }
    const LinkTimeouts& timeouts() const { return timeouts_; }

private:
    Result<std::shared_ptr<HidHandle>> OpenFiltered(std::string_view filter, bool overlapped);

    HidBackend& backend_;
    Pacer& pacer_;
    HidTrace* trace_;
    LinkTimeouts timeouts_;

    mutable std::mutex handlesMutex_;
    std::shared_ptr<HidHandle> device_;
    std::shared_ptr<HidHandle> notify_;

    std::mutex sequenceMutex_;

    std::mutex ackMutex_;
    std::condition_variable ackChanged_;
    std::atomic<bool> ackReceived_{false};
    std::uint64_t acksOwed_ = 0;     // confirmations the keyboard owes for writes sent
    std::uint64_t acksReceived_ = 0; // confirmations the listener has seen
    std::uint64_t stepStart_ = 0;    // acksReceived_ when the current step began
    std::atomic<bool> stopListener_{false};
};

// One command sequence on the device handle. Each call sends, reads and pauses exactly as the
// protocol's tables say; a failure names the command and chunk.
class DeviceLink::Session {
public:
    Session(Session&&) = default;

    // A write command (or RESET_TO_FACTORY), then its pause.
    Status Send(const FeatureReport& report);
    // A read command and its reply, decoded into the image or the firmware version.
    Status Read(std::uint8_t command, DeviceImage& image, FirmwareVersion& firmware,
                std::size_t index = 0);
    // A whole stream: announcement, data reports, pauses.
    Status WriteStream(StreamRecord record, std::size_t index, const DeviceImage& image);
    Status ReadStream(StreamRecord record, std::size_t index, DeviceImage& image);

    void Pause(std::chrono::milliseconds d) { link_->pacer_.Pause(d); }
    bool Connected() const { return handle_ != nullptr; }

private:
    friend class DeviceLink;
    Session(DeviceLink& link, std::unique_lock<std::mutex> lock, std::shared_ptr<HidHandle> handle)
        : link_(&link), lock_(std::move(lock)), handle_(std::move(handle)) {}

    Status SendAndPause(const FeatureReport& report);
    void ExpectConfirmation();
    Status FetchReply(std::uint8_t command, FeatureReport& reply);
    void PauseFor(std::chrono::milliseconds d);

    DeviceLink* link_;
    std::unique_lock<std::mutex> lock_;
    std::shared_ptr<HidHandle> handle_;
};

} // namespace hx
