#include "device/HidTrace.h"

#include <gtest/gtest.h>

#include <sstream>

namespace hx {
namespace {

TEST(HidTrace, OneLinePerReportWithMillisecondStamp) {
    ManualClock clock;
    clock.Advance(std::chrono::seconds(5)); // time before the trace starts does not count
    auto stream = std::make_unique<std::ostringstream>();
    std::ostringstream* out = stream.get();
    HidTrace trace(std::move(stream), clock);

    trace.Log(TraceKind::kSet, FeatureReport{0, 0x80, 0, 0, 0, 0, 0, 0, 0x7F});
    clock.Advance(std::chrono::microseconds(12345));
    trace.Log(TraceKind::kNotify, NotifyReport{4, 4, 0, 0xAB});
    clock.Advance(std::chrono::milliseconds(1000));
    trace.Log(TraceKind::kIn, std::array<std::uint8_t, 2>{0, 0xFF});

    EXPECT_EQ(out->str(), "0.000 SET 00 80 00 00 00 00 00 00 7f\n"
                          "12.345 NTF 04 04 00 ab\n"
                          "1012.345 IN 00 ff\n");
}

} // namespace
} // namespace hx
