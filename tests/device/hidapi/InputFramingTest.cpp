#include "device/hidapi/InputFraming.h"

#include <gtest/gtest.h>

#include <vector>

namespace hx::hid {
namespace {

struct FramingCase {
    const char* name;
    std::vector<std::uint8_t> raw;    // what hidraw returned
    std::vector<std::uint8_t> preset; // the caller's buffer before the read
    Numbering numbering;
    InputFit fit;
    std::vector<std::uint8_t> out; // the caller's buffer after
};

void PrintTo(const FramingCase& c, std::ostream* os) {
    *os << c.name;
}

class InputFramingTest : public ::testing::TestWithParam<FramingCase> {};

TEST_P(InputFramingTest, Fits) {
    const FramingCase& c = GetParam();
    std::vector<std::uint8_t> out = c.preset;
    EXPECT_EQ(FitInputReport(c.raw, out, c.numbering), c.fit);
    EXPECT_EQ(out, c.out);
}

constexpr auto kNumbered = Numbering::kNumbered;
constexpr auto kUnknown = Numbering::kUnknown;

INSTANTIATE_TEST_SUITE_P(
    Cases, InputFramingTest,
    ::testing::Values(
        FramingCase{"NumberedNotify",
                    {4, 4, 0x70, 0},
                    {4, 0, 0, 0},
                    kNumbered,
                    InputFit::kAccept,
                    {4, 4, 0x70, 0}},
        FramingCase{"UnnumberedNotifyGetsPresetId",
                    {5, 0x70, 0},
                    {4, 0, 0, 0},
                    kUnknown,
                    InputFit::kAccept,
                    {4, 5, 0x70, 0}},
        FramingCase{"OtherCollectionsIdSkipped",
                    {2, 0xE9, 0, 0},
                    {4, 0, 0, 0},
                    kNumbered,
                    InputFit::kSkip,
                    {4, 0, 0, 0}},
        // A 3-byte consumer report on a numbered interface is not an unnumbered notify report.
        FramingCase{"ShortReportOfNumberedInterfaceSkipped",
                    {2, 0xE9, 0},
                    {4, 0, 0, 0},
                    kNumbered,
                    InputFit::kSkip,
                    {4, 0, 0, 0}},
        FramingCase{"LongerReportSkipped",
                    {1, 0, 0, 4, 0},
                    {4, 0, 0, 0},
                    kUnknown,
                    InputFit::kSkip,
                    {4, 0, 0, 0}},
        FramingCase{
            "TooShortSkipped", {4, 4}, {4, 0, 0, 0}, kUnknown, InputFit::kSkip, {4, 0, 0, 0}},
        // Byte 0 of a data report is not checked: id 0 asks for no particular report.
        FramingCase{"DataAnyIdWhenNoneExpected",
                    {9, 1, 2},
                    {0, 0, 0},
                    kUnknown,
                    InputFit::kAccept,
                    {9, 1, 2}},
        FramingCase{"UnnumberedData", {1, 2}, {0, 0, 0}, kUnknown, InputFit::kAccept, {0, 1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace hx::hid
