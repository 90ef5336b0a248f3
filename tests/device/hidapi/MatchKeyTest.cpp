#include "device/hidapi/MatchKey.h"

#include <gtest/gtest.h>

namespace hx::hid {
namespace {

struct MatchKeyCase {
    const char* name;
    std::vector<EnumeratedCollection> entries;
    std::vector<std::string> keys;
};

void PrintTo(const MatchKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class MatchKeyTest : public ::testing::TestWithParam<MatchKeyCase> {};

TEST_P(MatchKeyTest, FollowsWindowsNaming) {
    EXPECT_EQ(BuildMatchKeys(GetParam().entries), GetParam().keys);
}

const std::string kKbd = "hid#vid_04d9&pid_a1dd";

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchKeyTest,
    ::testing::Values(
        MatchKeyCase{"KeyboardLayout",
                     {{"/dev/hidraw0", 0x04D9, 0xA1DD, 0},
                      {"/dev/hidraw1", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw1", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw1", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw1", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw2", 0x04D9, 0xA1DD, 3}},
                     {kKbd + "&mi_00", kKbd + "&mi_01&col01", kKbd + "&mi_01&col02",
                      kKbd + "&mi_01&col03", kKbd + "&mi_01&col04", kKbd + "&mi_03"}},
        // Collections are counted per node, so a second keyboard starts again at col01.
        MatchKeyCase{"TwoKeyboardsCountApart",
                     {{"/dev/hidraw1", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw1", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw5", 0x04D9, 0xA1DD, 1},
                      {"/dev/hidraw5", 0x04D9, 0xA1DD, 1}},
                     {kKbd + "&mi_01&col01", kKbd + "&mi_01&col02", kKbd + "&mi_01&col01",
                      kKbd + "&mi_01&col02"}},
        MatchKeyCase{"NotUsbHasNoInterface",
                     {{"/dev/hidraw7", 0x046D, 0xB023, -1}},
                     {"hid#vid_046d&pid_b023"}},
        MatchKeyCase{"InterfaceNumberInHex",
                     {{"/dev/hidraw8", 0x1234, 0xABCD, 10}},
                     {"hid#vid_1234&pid_abcd&mi_0a"}},
        MatchKeyCase{"NothingPresent", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace hx::hid
