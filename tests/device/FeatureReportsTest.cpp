#include "device/Commands.h"
#include "device/FeatureReports.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

unsigned SumOfBytes1To8(const FeatureReport& r) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < 9; ++i)
        sum += r[i];
    return sum % 256;
}

TEST(FeatureReports, WorkedChecksums) {
    struct Case {
        const char* name;
        FeatureReport report;
        std::uint8_t checksum;
    };
    const Case cases[] = {
        {"GET_FIRMWARE_VERSION", BuildFeatureReport(GET_FIRMWARE_VERSION), 0x7F},
        {"GET_LIGHTING", BuildFeatureReport(GET_LIGHTING), 0x77},
        {"WRITE_REMAP_TABLE", BuildFeatureReport(WRITE_REMAP_TABLE, {0, 0, 8, 0, 0, 0}), 0xEA},
        {"RESET_TO_FACTORY overflows a byte",
         BuildValueReport(RESET_TO_FACTORY, kResetToFactoryParam), 0xED},
        {"SET_GAME_MODE 1", BuildValueReport(SET_GAME_MODE, 1), 0xF5},
        {"READ_MACRO_SLOT 5", BuildFeatureReport(READ_MACRO_SLOT, {0, 5, 0, 0, 0, 0}), 0x69},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.report[0], 0) << c.name;
        EXPECT_EQ(c.report[8], c.checksum) << c.name;
        EXPECT_EQ(SumOfBytes1To8(c.report), 0xFFu) << c.name;
        EXPECT_TRUE(HasValidChecksum(c.report)) << c.name;
    }
}

TEST(FeatureReports, EveryCommandSumsToFF) {
    for (const CommandSpec& spec : kCommandTable) {
        const auto r = BuildFeatureReport(spec.code, {0xFF, 0xFE, 0x80, 0x7F, 0x01, 0xAA});
        EXPECT_EQ(SumOfBytes1To8(r), 0xFFu) << spec.name;
    }
    auto r = BuildFeatureReport(GET_LIGHTING);
    r[3] ^= 1;
    EXPECT_FALSE(HasValidChecksum(r));
}

TEST(FeatureReports, LightingStagesAndInvertedSpeed) {
    DeviceImage img;
    auto l = img.span(image::kLightingSettings);
    l[image::kLightingMode] = 13;
    l[image::kLightingSpeed] = 7;
    l[image::kLightingBrightness] = 40;
    l[image::kLightingColourChoice] = 8;
    l[image::kLightingDirection] = 2;

    const auto begin = BuildLightingReport(LightingStage::kBegin, img);
    const auto end = BuildLightingReport(LightingStage::kEnd, img);
    EXPECT_EQ(begin, (FeatureReport{0, SET_LIGHTING, 1, 13, 3, 0, 8, 2, begin[8]}));
    EXPECT_EQ(end, (FeatureReport{0, SET_LIGHTING, 2, 13, 3, 40, 8, 2, end[8]}));
    EXPECT_TRUE(HasValidChecksum(begin));
    EXPECT_TRUE(HasValidChecksum(end));
}

TEST(FeatureReports, RepliesLandInTheirFields) {
    struct Case {
        const char* name;
        std::uint8_t command;
        std::size_t index;
        FeatureReport reply;
        ByteField field;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        {"report rate", GET_REPORT_RATE, 0, {0, 0x81, 2}, image::kReportRate, {2}},
        {"response time", GET_RESPONSE_TIME, 0, {0, 0x84, 7}, image::kResponseTime, {7}},
        {"game mode", GET_GAME_MODE, 0, {0, 0x89, 1}, image::kGameMode, {1}},
        {"lighting, speed inverted, byte 2 ignored",
         GET_LIGHTING,
         0,
         {0, 0x88, 9, 5, 3, 50, 4, 3},
         image::kLightingSettings,
         {5, 7, 50, 4, 3}},
        {"effect colour 6",
         GET_EFFECT_COLOUR,
         6,
         {0, 0x94, 0, 6, 0x11, 0x22, 0x33},
         image::EffectColour(6),
         {0x11, 0x22, 0x33}},
    };
    for (const Case& c : cases) {
        DeviceImage img;
        FirmwareVersion fw;
        DecodeReply(c.command, c.index, c.reply, img, fw);
        const auto got = img.span(c.field);
        EXPECT_EQ(std::vector<std::uint8_t>(got.begin(), got.end()), c.expected) << c.name;
        DeviceImage untouched = img;
        for (std::size_t i = 0; i < c.field.size; ++i)
            untouched.at(c.field, i) = 0;
        EXPECT_EQ(untouched, DeviceImage{}) << c.name << " wrote outside its field";
    }
    DeviceImage img;
    FirmwareVersion fw;
    DecodeReply(GET_FIRMWARE_VERSION, 0, {0, 0x80, 1, 12, 9, 9, 9, 9, 0}, img, fw);
    EXPECT_EQ(fw.bytes, (std::array<std::uint8_t, 4>{1, 12, 0, 0}));
    EXPECT_EQ(img, DeviceImage{});
}

} // namespace
} // namespace hx
