#pragma once

#include "device/Commands.h"
#include "device/FeatureReports.h"
#include "sim/VirtualKeyboard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace hx::sim::test {

using namespace std::chrono_literals;

inline constexpr const char* kVendorPath = "sim:kbd/mi_03";
inline constexpr const char* kNotifyPath = "sim:kbd/mi_01&col04";

// A virtual keyboard with its vendor and notify interfaces open, and the host's side of each
// exchange written out plainly so a test reads like the traffic it causes.
class SimHarness : public ::testing::Test {
public:
    explicit SimHarness(const Clock* clock = nullptr, KeyboardMemory memory = FactoryMemory())
        : keyboard(std::move(memory), clock), backend(keyboard.MakeBackend()) {
        vendor = OpenOrDie(kVendorPath);
        notify = OpenOrDie(kNotifyPath);
    }

    std::unique_ptr<HidHandle> OpenOrDie(const std::string& path) {
        auto handle = backend->Open(path, false);
        EXPECT_TRUE(handle.ok()) << path;
        return handle.ok() ? std::move(*handle) : nullptr;
    }

    void Send(const FeatureReport& report) { ASSERT_TRUE(vendor->SetFeature(report).ok()); }

    FeatureReport Fetch() {
        FeatureReport reply{};
        EXPECT_TRUE(vendor->GetFeature(reply).ok());
        return reply;
    }

    FeatureReport Ask(std::uint8_t command, const CommandParams& params = {}) {
        Send(BuildFeatureReport(command, params));
        return Fetch();
    }

    // Announces a write of one record and sends its chunks.
    void WriteRecord(const StreamSpec& s, std::size_t index,
                     const std::vector<std::uint8_t>& data) {
        Send(BuildFeatureReport(s.writeCommand,
                                {0, static_cast<std::uint8_t>(index), s.writeByte4, 0, 0, 0}));
        for (std::size_t c = 0; c < s.chunks; ++c) {
            DataReport r{};
            for (std::size_t i = 0; i < kChunkSize && c * kChunkSize + i < data.size(); ++i)
                r[1 + i] = data[c * kChunkSize + i];
            ASSERT_TRUE(vendor->Write(r).ok());
        }
    }

    // Announces a read of one record, fetches the reply and reads every chunk.
    std::vector<std::uint8_t> ReadRecord(const StreamSpec& s, std::size_t index) {
        Ask(s.readCommand, {0, static_cast<std::uint8_t>(index), s.readByte4, 0, 0, 0});
        std::vector<std::uint8_t> data;
        for (std::size_t c = 0; c < s.chunks; ++c) {
            DataReport r{};
            EXPECT_EQ(vendor->Read(r, 10ms), ReadOutcome::kReport) << "chunk " << c;
            data.insert(data.end(), r.begin() + 1, r.end());
        }
        data.resize(s.first.size);
        return data;
    }

    // Every notify report waiting now, without waiting for more.
    std::vector<NotifyReport> DrainNotifies() {
        std::vector<NotifyReport> got;
        NotifyReport r{};
        while (notify->ReadNotify(r, 0ms) == ReadOutcome::kReport)
            got.push_back(r);
        return got;
    }

    std::vector<std::string> ViolationTexts() const {
        std::vector<std::string> texts;
        for (const Violation& v : keyboard.Violations())
            texts.push_back(v.what);
        return texts;
    }

    VirtualKeyboard keyboard;
    std::unique_ptr<HidBackend> backend;
    std::unique_ptr<HidHandle> vendor;
    std::unique_ptr<HidHandle> notify;
};

inline constexpr NotifyReport kAck{kNotifyReportId, kNotifyKindAck, 0, 0};

} // namespace hx::sim::test
