#pragma once

#include "common/Clock.h"
#include "device/Commands.h"
#include "device/HidBackend.h"
#include "sim/Faults.h"
#include "sim/KeyboardMemory.h"

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace hx::sim {

// What the keyboard's firmware does with each report on its vendor interface, and the key
// notifications it raises. Single-threaded: the caller serialises every call.
class Firmware {
public:
    // `clock`, when given, times the host's steps so pauses shorter than the protocol's are
    // recorded as violations.
    Firmware(KeyboardMemory memory, const Clock* clock);

    // The vendor interface: feature set/get, 65-byte output and input reports.
    void SetFeature(const FeatureReport& report);
    FeatureReport GetFeature();
    void Write(const DataReport& report);
    bool HasInput() const { return !input_.empty(); }
    DataReport TakeInput(); // only when HasInput()

    void PressKey(std::size_t keyIndex);
    // Notify reports raised since the last call, oldest first.
    std::vector<NotifyReport> TakeNotifies();

    // Power lost: transfers in progress and queued reports are gone; the memory stays.
    void PowerCycle();

    const KeyboardMemory& memory() const { return memory_; }
    void SetMemory(const KeyboardMemory& memory) { memory_ = memory; }
    void SetFaults(const Faults& faults) { faults_ = faults; }
    const Faults& faults() const { return faults_; }

    const std::vector<Violation>& violations() const { return violations_; }
    void ClearViolations() { violations_.clear(); }
    std::size_t rejectedReports() const { return rejected_; }
    std::size_t acksSent() const { return acks_; }

private:
    struct WriteStream {
        const StreamSpec* stream;
        std::size_t index;
        std::size_t nextChunk = 0;
        std::array<std::uint8_t, kChunkSize * 8> data{};
    };
    struct PendingReply {
        const CommandSpec* command;
        FeatureReport reply;
        bool fetched = false;
    };

    void Violate(std::string what);
    // Records a violation when the host's previous step was followed too soon, then starts
    // timing the pause `after` this one.
    void Step(std::string_view what, milliseconds after);
    void EndUnfinishedSequence(const FeatureReport& next);

    void RunWriteCommand(const CommandSpec& command, const FeatureReport& report);
    FeatureReport AnswerReadCommand(const FeatureReport& report);
    void StartStream(const StreamSpec& stream, const FeatureReport& report);
    void CommitWriteStream();
    void Acknowledge();
    template <std::size_t N> void Corrupt(std::array<std::uint8_t, N>& report) const;

    KeyboardMemory memory_;
    const Clock* clock_;
    Faults faults_;

    std::optional<PendingReply> reply_;
    std::optional<WriteStream> writing_;
    std::deque<DataReport> input_;
    const StreamSpec* reading_ = nullptr;
    std::vector<NotifyReport> notifies_;

    struct LastStep {
        Clock::Duration at;
        milliseconds pause;
        std::string what;
    };
    std::optional<LastStep> lastStep_;

    std::vector<Violation> violations_;
    std::size_t rejected_ = 0;
    std::size_t acks_ = 0;
};

} // namespace hx::sim
