#include "device/DeviceLink.h"

#include "device/DeviceDiscovery.h"
#include "device/HidTrace.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace hx {
namespace {

std::string NameOf(std::uint8_t command) {
    if (const CommandSpec* spec = FindCommand(command))
        return std::string(spec->name);
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", command);
    return text;
}

Error StepError(std::uint8_t command, const std::string& what) {
    return Error{NameOf(command) + ": " + what};
}

Error ChunkError(std::uint8_t command, std::size_t chunk, const std::string& what) {
    return Error{NameOf(command) + " chunk " + std::to_string(chunk) + ": " + what};
}

const char* Describe(ReadOutcome o) {
    return o == ReadOutcome::kTimeout ? "no report from the keyboard (timed out)"
                                      : "the keyboard did not answer (read failed)";
}

CommandParams StreamParams(const StreamSpec& s, std::size_t index, bool write) {
    CommandParams p{};
    p[1] = s.indexed ? static_cast<std::uint8_t>(index) : std::uint8_t{0}; // byte 3
    p[2] = write ? s.writeByte4 : s.readByte4;                             // byte 4
    return p;
}

} // namespace

DeviceLink::DeviceLink(HidBackend& backend, Pacer& pacer, HidTrace* trace, LinkTimeouts timeouts)
    : backend_(backend), pacer_(pacer), trace_(trace), timeouts_(timeouts) {}

Result<std::shared_ptr<HidHandle>> DeviceLink::OpenFiltered(std::string_view filter,
                                                            bool overlapped) {
    const auto path = FindDevicePath(backend_, filter);
    if (!path)
        return Error{"no keyboard interface matching \"" + std::string(filter) + "\""};
    auto handle = backend_.Open(*path, overlapped);
    if (!handle)
        return handle.error();
    std::unique_ptr<HidHandle> opened = std::move(*handle);
    if (trace_)
        opened = TraceHandle(std::move(opened), *trace_);
    return std::shared_ptr<HidHandle>(std::move(opened));
}

Status DeviceLink::OpenDeviceHandle() {
    auto handle = OpenFiltered(kDeviceInterfaceFilter, false);
    if (!handle)
        return handle.error();
    {
        // Confirmations owed by a keyboard that went away will never come.
        std::lock_guard ack(ackMutex_);
        acksOwed_ = acksReceived_;
    }
    std::lock_guard lock(handlesMutex_);
    device_ = std::move(*handle);
    return Status::Ok();
}

Status DeviceLink::OpenNotifyHandle() {
    auto handle = OpenFiltered(kNotifyInterfaceFilter, true);
    if (!handle)
        return handle.error();
    std::lock_guard lock(handlesMutex_);
    notify_ = std::move(*handle);
    return Status::Ok();
}

bool DeviceLink::DeviceOpen() const {
    std::lock_guard lock(handlesMutex_);
    return device_ != nullptr;
}

bool DeviceLink::NotifyOpen() const {
    std::lock_guard lock(handlesMutex_);
    return notify_ != nullptr;
}

void DeviceLink::CloseHandles() {
    // A thread still inside a read keeps its own reference; the handle closes when it lets go.
    std::lock_guard lock(handlesMutex_);
    device_.reset();
    notify_.reset();
}

bool DeviceLink::KeyboardPresent() {
    return FindDevicePath(backend_, kDeviceInterfaceFilter).has_value();
}

DeviceLink::Session DeviceLink::Begin() {
    std::unique_lock sequence(sequenceMutex_);
    std::shared_ptr<HidHandle> handle;
    {
        std::lock_guard lock(handlesMutex_);
        handle = device_;
    }
    return Session(*this, std::move(sequence), std::move(handle));
}

ReadOutcome DeviceLink::ReadNotify(NotifyReport& report) {
    std::shared_ptr<HidHandle> handle;
    {
        std::lock_guard lock(handlesMutex_);
        handle = notify_;
    }
    if (!handle)
        return ReadOutcome::kFailed;
    return handle->ReadNotify(report, timeouts_.notifyPoll);
}

void DeviceLink::ClearAck() {
    std::unique_lock lock(ackMutex_);
    // Confirmations still owed for earlier writes (each of several colour writes, the closing
    // lighting report of the last Save) must not pass for the next step's. Give them a moment
    // to arrive; what does not come by then is written off.
    ackChanged_.wait_for(lock, timeouts_.lateConfirmations,
                         [this] { return acksReceived_ >= acksOwed_; });
    acksOwed_ = acksReceived_;
    stepStart_ = acksReceived_;
    ackReceived_ = false;
}

void DeviceLink::SignalAck() {
    {
        std::lock_guard lock(ackMutex_);
        ackReceived_ = true;
        ++acksReceived_;
    }
    ackChanged_.notify_all();
}

bool DeviceLink::WaitForAck() {
    std::unique_lock lock(ackMutex_);
    return ackChanged_.wait_for(lock, timeouts_.ack, [this] { return acksReceived_ > stepStart_; });
}

void DeviceLink::Session::ExpectConfirmation() {
    std::lock_guard lock(link_->ackMutex_);
    ++link_->acksOwed_;
}

// --- Session ---------------------------------------------------------------------------------

void DeviceLink::Session::PauseFor(std::chrono::milliseconds d) {
    if (d != kNoPause)
        link_->pacer_.Pause(d);
}

Status DeviceLink::Session::SendAndPause(const FeatureReport& report) {
    const std::uint8_t command = report[1];
    if (!handle_)
        return StepError(command, "the keyboard is not connected");
    if (Status sent = handle_->SetFeature(report); !sent)
        return StepError(command, sent.error().message);
    if (IsConfirmedCommand(command))
        ExpectConfirmation();
    if (const CommandSpec* spec = FindCommand(command))
        PauseFor(spec->afterSet);
    return Status::Ok();
}

Status DeviceLink::Session::Send(const FeatureReport& report) {
    return SendAndPause(report);
}

Status DeviceLink::Session::FetchReply(std::uint8_t command, FeatureReport& reply) {
    reply.fill(0);
    if (Status got = handle_->GetFeature(reply); !got)
        return StepError(command, got.error().message);
    if (const CommandSpec* spec = FindCommand(command))
        PauseFor(spec->afterGet);
    return Status::Ok();
}

Status DeviceLink::Session::Read(std::uint8_t command, DeviceImage& image,
                                 FirmwareVersion& firmware, std::size_t index) {
    CommandParams params{};
    if (command == GET_EFFECT_COLOUR)
        params[1] = static_cast<std::uint8_t>(index); // byte 3
    if (Status sent = SendAndPause(BuildFeatureReport(command, params)); !sent)
        return sent;
    FeatureReport reply;
    if (Status got = FetchReply(command, reply); !got)
        return got;
    DecodeReply(command, index, reply, image, firmware);
    return Status::Ok();
}

Status DeviceLink::Session::WriteStream(StreamRecord record, std::size_t index,
                                        const DeviceImage& image) {
    const StreamSpec& s = SpecOf(record);
    if (Status sent =
            SendAndPause(BuildFeatureReport(s.writeCommand, StreamParams(s, index, true)));
        !sent)
        return sent;
    const auto bytes = image.span(RecordField(s, index));
    for (std::size_t chunk = 0; chunk < s.chunks; ++chunk) {
        DataReport report{};
        const std::size_t from = chunk * kChunkSize;
        const std::size_t n = std::min(kChunkSize, bytes.size() - from);
        std::memcpy(report.data() + 1, bytes.data() + from, n);
        if (Status written = handle_->Write(report); !written)
            return ChunkError(s.writeCommand, chunk, written.error().message);
        if (chunk + 1 == s.chunks)
            ExpectConfirmation();
        PauseFor(chunk + 1 < s.chunks ? s.betweenWrites : s.afterLastWrite);
    }
    return Status::Ok();
}

Status DeviceLink::Session::ReadStream(StreamRecord record, std::size_t index, DeviceImage& image) {
    const StreamSpec& s = SpecOf(record);
    if (Status sent =
            SendAndPause(BuildFeatureReport(s.readCommand, StreamParams(s, index, false)));
        !sent)
        return sent;
    FeatureReport reply;
    if (Status got = FetchReply(s.readCommand, reply); !got)
        return got;
    const auto bytes = image.span(RecordField(s, index));
    for (std::size_t chunk = 0; chunk < s.chunks; ++chunk) {
        DataReport report{};
        const ReadOutcome got = handle_->Read(report, link_->timeouts_.dataRead);
        if (got != ReadOutcome::kReport)
            return ChunkError(s.readCommand, chunk, Describe(got));
        const std::size_t from = chunk * kChunkSize;
        const std::size_t n = std::min(kChunkSize, bytes.size() - from);
        std::memcpy(bytes.data() + from, report.data() + 1, n);
        PauseFor(s.afterEachRead);
    }
    if (record == StreamRecord::kKeyBitmap)
        image.at(image::kWinLock) = image.EnableBit(image::kWinLockReadBit) ? 0 : 1;
    return Status::Ok();
}

} // namespace hx
