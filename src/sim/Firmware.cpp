#include "sim/Firmware.h"

#include "device/FeatureReports.h"
#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyLayout.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace hx::sim {
namespace {

constexpr std::size_t kCommandByte = 1;
constexpr std::size_t kValueByte = 2;
constexpr std::size_t kIndexByte = 3;
constexpr std::size_t kCountByte = 4;
constexpr std::size_t kChecksumByte = 8;
constexpr std::uint8_t kLightingStageBegin = 1;
constexpr std::uint8_t kNotifyKindKey = 1;

constexpr std::size_t LargestRecord() {
    std::size_t largest = 0;
    for (const StreamSpec& s : kStreamTable)
        largest = std::max(largest, s.chunks * kChunkSize);
    return largest;
}
static_assert(LargestRecord() <= kChunkSize * 8, "a write stream must fit its buffer");

std::string Hex(std::uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", b);
    return text;
}

std::string NameOf(std::uint8_t code) {
    const CommandSpec* c = FindCommand(code);
    return c ? std::string(c->name) : "command " + Hex(code);
}

long long Millis(Clock::Duration d) {
    return std::chrono::duration_cast<milliseconds>(d).count();
}

} // namespace

Firmware::Firmware(KeyboardMemory memory, const Clock* clock)
    : memory_(std::move(memory)), clock_(clock) {}

void Firmware::Violate(std::string what) {
    violations_.push_back({std::move(what)});
}

void Firmware::Step(std::string_view what, milliseconds after) {
    if (!clock_)
        return;
    const Clock::Duration now = clock_->Now();
    // A pause of 0 only yields the processor, so it asks for no time at all.
    if (lastStep_ && lastStep_->pause > milliseconds{0} && now - lastStep_->at < lastStep_->pause)
        Violate(std::string(what) + " came " + std::to_string(Millis(now - lastStep_->at)) +
                " ms after " + lastStep_->what + ", which needs " +
                std::to_string(lastStep_->pause.count()) + " ms");
    lastStep_ = LastStep{now, after, std::string(what)};
}

void Firmware::EndUnfinishedSequence(const FeatureReport& next) {
    const std::string nextName = NameOf(next[kCommandByte]);
    if (writing_) {
        const StreamSpec& s = *writing_->stream;
        Violate(nextName + " started while " + NameOf(s.writeCommand) + " had " +
                std::to_string(writing_->nextChunk) + " of " + std::to_string(s.chunks) +
                " output reports");
        writing_.reset();
    }
    if (!input_.empty()) {
        Violate(nextName + " started while " + NameOf(reading_->readCommand) + " had " +
                std::to_string(input_.size()) + " input reports unread");
        input_.clear();
        reading_ = nullptr;
    }
    if (reply_ && !reply_->fetched)
        Violate(nextName + " started before the reply to " + std::string(reply_->command->name) +
                " was fetched");
    reply_.reset();
}

void Firmware::SetFeature(const FeatureReport& report) {
    if (!HasValidChecksum(report)) {
        ++rejected_; // real firmware drops it silently; the host only sees no reply or ack
        return;
    }
    EndUnfinishedSequence(report);
    const std::uint8_t code = report[kCommandByte];
    const CommandSpec* command = FindCommand(code);
    if (!command) {
        Violate("unknown " + NameOf(code));
        return;
    }
    Step(command->name, command->afterSet);

    const StreamSpec* stream = FindStream(code);
    if (code & kReadBit)
        reply_ = PendingReply{command, AnswerReadCommand(report)};
    if (stream)
        StartStream(*stream, report);
    else if (!(code & kReadBit))
        RunWriteCommand(*command, report);
}

FeatureReport Firmware::GetFeature() {
    if (!reply_) {
        Violate("feature reply fetched with no read command before it");
        return FeatureReport{};
    }
    Step(std::string(reply_->command->name) + " reply", reply_->command->afterGet);
    reply_->fetched = true;
    FeatureReport reply = reply_->reply;
    Corrupt(reply);
    return reply;
}

void Firmware::Write(const DataReport& report) {
    if (!writing_) {
        Violate("output report without an announced write stream");
        return;
    }
    const StreamSpec& s = *writing_->stream;
    const std::size_t chunk = writing_->nextChunk;
    const bool last = chunk + 1 == s.chunks;
    Step(NameOf(s.writeCommand) + " output report " + std::to_string(chunk),
         last ? s.afterLastWrite : s.betweenWrites);
    std::copy(report.begin() + 1, report.end(), writing_->data.begin() + chunk * kChunkSize);
    writing_->nextChunk = chunk + 1;
    if (last)
        CommitWriteStream();
}

DataReport Firmware::TakeInput() {
    DataReport report = input_.front();
    input_.pop_front();
    const StreamSpec& s = *reading_;
    Step(NameOf(s.readCommand) + " input report", s.afterEachRead);
    if (input_.empty())
        reading_ = nullptr;
    Corrupt(report);
    return report;
}

void Firmware::RunWriteCommand(const CommandSpec& command, const FeatureReport& r) {
    DeviceImage& image = memory_.image;
    switch (command.code) {
    case SET_REPORT_RATE:
        image.at(image::kReportRate) = r[kValueByte];
        break;
    case SET_RESPONSE_TIME:
        image.at(image::kResponseTime) = r[kValueByte];
        break;
    case SET_GAME_MODE:
        image.at(image::kGameMode) = r[kValueByte];
        break;
    case SET_LIGHTING: {
        auto l = image.span(image::kLightingSettings);
        l[image::kLightingMode] = r[3];
        l[image::kLightingSpeed] = InvertSpeed(r[4]);
        // Stage 1 carries 0 in place of the brightness; only stage 2 sets it.
        if (r[kValueByte] != kLightingStageBegin)
            l[image::kLightingBrightness] = r[5];
        l[image::kLightingColourChoice] = r[6];
        l[image::kLightingDirection] = r[7];
        break;
    }
    case SET_EFFECT_COLOUR: {
        const std::size_t index = r[kIndexByte];
        if (index >= image::kEffectColourCount) {
            Violate("SET_EFFECT_COLOUR entry " + std::to_string(index) + " out of range");
            break;
        }
        auto entry = image.span(image::EffectColour(index));
        std::copy(r.begin() + 4, r.begin() + 7, entry.begin());
        break;
    }
    case RESET_TO_FACTORY:
        if (r[kValueByte] != kResetToFactoryParam) {
            Violate("RESET_TO_FACTORY without " + Hex(kResetToFactoryParam) + " in byte 2");
            break;
        }
        memory_ = FactoryMemory(memory_.firmwareMajor, memory_.firmwareMinor);
        break;
    default:
        break;
    }
    Acknowledge();
}

FeatureReport Firmware::AnswerReadCommand(const FeatureReport& request) {
    // The reply echoes the command and its parameters; the value bytes then replace them.
    FeatureReport r = request;
    r[0] = 0;
    const DeviceImage& image = memory_.image;
    switch (request[kCommandByte]) {
    case GET_FIRMWARE_VERSION:
        r[2] = memory_.firmwareMajor;
        r[3] = memory_.firmwareMinor;
        break;
    case GET_REPORT_RATE:
        r[kValueByte] = image.at(image::kReportRate);
        break;
    case GET_RESPONSE_TIME:
        r[kValueByte] = image.at(image::kResponseTime);
        break;
    case GET_GAME_MODE:
        r[kValueByte] = image.at(image::kGameMode);
        break;
    case GET_LIGHTING: {
        const auto l = image.span(image::kLightingSettings);
        r[3] = l[image::kLightingMode];
        r[4] = InvertSpeed(l[image::kLightingSpeed]);
        r[5] = l[image::kLightingBrightness];
        r[6] = l[image::kLightingColourChoice];
        r[7] = l[image::kLightingDirection];
        break;
    }
    case GET_EFFECT_COLOUR: {
        const std::size_t index = request[kIndexByte];
        if (index >= image::kEffectColourCount) {
            Violate("GET_EFFECT_COLOUR entry " + std::to_string(index) + " out of range");
            break;
        }
        const auto entry = image.span(image::EffectColour(index));
        std::copy(entry.begin(), entry.end(), r.begin() + 4);
        break;
    }
    default:
        break; // stream replies only echo the request
    }
    r[kChecksumByte] = FeatureChecksum(r);
    return r;
}

void Firmware::StartStream(const StreamSpec& s, const FeatureReport& report) {
    const bool write = report[kCommandByte] == s.writeCommand;
    const std::uint8_t expectedCount = write ? s.writeByte4 : s.readByte4;
    if (report[kCountByte] != expectedCount)
        Violate(NameOf(report[kCommandByte]) + " with byte 4 = " + Hex(report[kCountByte]) +
                ", expected " + Hex(expectedCount));
    const std::size_t index = s.indexed ? report[kIndexByte] : 0;
    if (index >= s.count) {
        Violate(NameOf(report[kCommandByte]) + " record " + std::to_string(index) +
                " out of range");
        return;
    }
    if (write) {
        writing_ = WriteStream{&s, index};
        return;
    }
    const auto record = memory_.image.span(RecordField(s, index));
    for (std::size_t i = 0; i < s.chunks; ++i) {
        DataReport chunk{};
        const std::size_t from = i * kChunkSize;
        const std::size_t n = std::min(kChunkSize, record.size() - from);
        std::copy_n(record.begin() + from, n, chunk.begin() + 1);
        input_.push_back(chunk);
    }
    reading_ = &s;
}

void Firmware::CommitWriteStream() {
    const WriteStream& w = *writing_;
    auto record = memory_.image.span(RecordField(*w.stream, w.index));
    std::copy_n(w.data.begin(), record.size(), record.begin());
    // The keyboard reports the Windows-key lock in bit 8, where the host reads it back.
    if (w.stream->record == StreamRecord::kKeyBitmap)
        memory_.image.SetEnableBit(image::kWinLockReadBit,
                                   memory_.image.EnableBit(image::kWinKeySendBit));
    writing_.reset();
    Acknowledge();
}

void Firmware::Acknowledge() {
    if (faults_.dropAcks)
        return;
    notifies_.push_back({kNotifyReportId, kNotifyKindAck, 0, 0});
    ++acks_;
}

void Firmware::PressKey(std::size_t keyIndex) {
    if (keyIndex >= kKeyCount)
        return;
    const auto table = memory_.image.span(image::kKeyRemapTable);
    const std::size_t at = kKeyLayout[keyIndex].remapEntry() * image::kRemapEntrySize;
    if (table[at] == REMAP_NOTIFY)
        notifies_.push_back({kNotifyReportId, kNotifyKindKey, table[at + 2], 0});
}

std::vector<NotifyReport> Firmware::TakeNotifies() {
    return std::exchange(notifies_, {});
}

void Firmware::PowerCycle() {
    reply_.reset();
    writing_.reset();
    input_.clear();
    reading_ = nullptr;
    notifies_.clear();
    lastStep_.reset();
}

template <std::size_t N> void Firmware::Corrupt(std::array<std::uint8_t, N>& report) const {
    if (!faults_.corruptReplies)
        return;
    for (std::size_t i = 1; i < N; ++i)
        report[i] = static_cast<std::uint8_t>(~report[i]);
}

} // namespace hx::sim
