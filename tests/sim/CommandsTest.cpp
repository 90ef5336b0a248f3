#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyLayout.h"
#include "SimHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace hx::sim::test {
namespace {

TEST(SimFactoryMemoryTest, PlacesEachKeysDefaultAtItsRowMajorRemapEntry) {
    const KeyboardMemory m = FactoryMemory();
    const auto entry = [&](std::size_t n) {
        RemapBytes e{};
        for (std::size_t i = 0; i < e.size(); ++i)
            e[i] = m.image.at(image::kKeyRemapTable, n * image::kRemapEntrySize + i);
        return e;
    };
    // Esc (row 5, column 0), Left Windows (row 0, column 1), Fn (row 0, column 10), first
    // media key (row 5, column 17): the column-major default table must land row-major.
    EXPECT_EQ(entry(105), DefaultRemapOf(0));
    EXPECT_EQ(entry(1), DefaultRemapOf(96));
    EXPECT_EQ(entry(10), (RemapBytes{REMAP_FN, 0, 0, 0}));
    EXPECT_EQ(entry(5 * 21 + 17), (RemapBytes{REMAP_CONSUMER, 0, 0xEA, 0}));
    for (std::size_t k = 0; k < kKeyCount; ++k)
        EXPECT_EQ(entry(kKeyLayout[k].remapEntry()), DefaultRemapOf(k)) << "key " << k;

    for (std::size_t i = 0; i < image::kKeyEnableBitmap.size; ++i)
        EXPECT_EQ(m.image.at(image::kKeyEnableBitmap, i), 0xFF);
    EXPECT_EQ(m.firmwareMajor, 1);
    EXPECT_EQ(m.firmwareMinor, 12);
    EXPECT_EQ(m.image.at(image::kLightingSettings, image::kLightingBrightness), 40);
}

// A keyboard whose every single-byte setting differs from the factory's.
KeyboardMemory Tuned() {
    KeyboardMemory m = FactoryMemory(2, 5);
    m.image.at(image::kReportRate) = 2;
    m.image.at(image::kResponseTime) = 7;
    m.image.at(image::kGameMode) = 1;
    const std::array<std::uint8_t, 5> lighting{13, 7, 33, 4, 2};
    for (std::size_t i = 0; i < lighting.size(); ++i)
        m.image.at(image::kLightingSettings, i) = lighting[i];
    const std::array<std::uint8_t, 3> colour{0x12, 0x34, 0x56};
    for (std::size_t i = 0; i < colour.size(); ++i)
        m.image.at(image::EffectColour(5), i) = colour[i];
    return m;
}

class SimCommandsTest : public SimHarness {
protected:
    SimCommandsTest() : SimHarness(nullptr, Tuned()) {}
};

struct ReplyCase {
    const char* name;
    std::uint8_t command;
    CommandParams params;
    std::array<std::uint8_t, 7> bytes1to7;
};

TEST_F(SimCommandsTest, EveryReadCommandRepliesWithItsFieldAndAValidChecksum) {
    const ReplyCase cases[] = {
        {"firmware", GET_FIRMWARE_VERSION, {}, {0x80, 2, 5, 0, 0, 0, 0}},
        {"report rate", GET_REPORT_RATE, {}, {0x81, 2, 0, 0, 0, 0, 0}},
        {"response time", GET_RESPONSE_TIME, {}, {0x84, 7, 0, 0, 0, 0, 0}},
        // Speed 7 travels as 10 - 7.
        {"lighting", GET_LIGHTING, {}, {0x88, 0, 13, 3, 33, 4, 2}},
        {"game mode", GET_GAME_MODE, {}, {0x89, 1, 0, 0, 0, 0, 0}},
        {"effect colour 5", GET_EFFECT_COLOUR, {0, 5}, {0x94, 0, 5, 0x12, 0x34, 0x56, 0}},
        {"effect colour 0", GET_EFFECT_COLOUR, {0, 0}, {0x94, 0, 0, 0xFF, 0x00, 0x00, 0}},
    };
    for (const ReplyCase& c : cases) {
        const FeatureReport reply = Ask(c.command, c.params);
        std::array<std::uint8_t, 7> got{};
        std::copy(reply.begin() + 1, reply.begin() + 8, got.begin());
        EXPECT_EQ(got, c.bytes1to7) << c.name;
        EXPECT_EQ(reply[0], 0) << c.name;
        EXPECT_TRUE(HasValidChecksum(reply)) << c.name;
    }
    EXPECT_TRUE(ViolationTexts().empty());
    EXPECT_TRUE(DrainNotifies().empty()) << "reads are not acknowledged";
}

TEST_F(SimCommandsTest, TheHostsDecoderReadsBackTheWholeMemoryFromTheReplies) {
    DeviceImage decoded{};
    FirmwareVersion firmware;
    for (std::uint8_t command :
         {GET_FIRMWARE_VERSION, GET_REPORT_RATE, GET_RESPONSE_TIME, GET_LIGHTING, GET_GAME_MODE})
        DecodeReply(command, 0, Ask(command), decoded, firmware);
    for (std::size_t i = 0; i < image::kEffectColourCount; ++i)
        DecodeReply(GET_EFFECT_COLOUR, i, Ask(GET_EFFECT_COLOUR, {0, static_cast<std::uint8_t>(i)}),
                    decoded, firmware);

    const KeyboardMemory m = keyboard.Memory();
    for (ByteField f : {image::kReportRate, image::kResponseTime, image::kLightingSettings,
                        image::kGameMode, image::kEffectColours})
        EXPECT_TRUE(decoded.SameField(m.image, f)) << "field at " << f.offset;
    EXPECT_EQ(firmware.major(), 2);
    EXPECT_EQ(firmware.minor(), 5);
}

struct WriteCase {
    const char* name;
    std::function<FeatureReport()> report;
    std::function<void(DeviceImage&)> expectedChange;
};

TEST_F(SimCommandsTest, EveryWriteCommandStoresItsValueAndIsAcknowledgedOnce) {
    DeviceImage lit{};
    const std::array<std::uint8_t, 5> lighting{5, 2, 10, 3, 4};
    for (std::size_t i = 0; i < lighting.size(); ++i)
        lit.at(image::kLightingSettings, i) = lighting[i];
    lit.at(image::EffectColour(6), 0) = 0xAB;
    lit.at(image::EffectColour(6), 1) = 0xCD;
    lit.at(image::EffectColour(6), 2) = 0xEF;
    const auto storeLighting = [lit](bool withBrightness) {
        return [lit, withBrightness](DeviceImage& image) {
            for (std::size_t i = 0; i < 5; ++i)
                if (withBrightness || i != image::kLightingBrightness)
                    image.at(image::kLightingSettings, i) = lit.at(image::kLightingSettings, i);
        };
    };

    const WriteCase cases[] = {
        {"report rate", [] { return BuildValueReport(SET_REPORT_RATE, 1); },
         [](DeviceImage& i) { i.at(image::kReportRate) = 1; }},
        {"response time", [] { return BuildValueReport(SET_RESPONSE_TIME, 9); },
         [](DeviceImage& i) { i.at(image::kResponseTime) = 9; }},
        {"game mode", [] { return BuildValueReport(SET_GAME_MODE, 0); },
         [](DeviceImage& i) { i.at(image::kGameMode) = 0; }},
        {"effect colour 6", [&] { return BuildEffectColourReport(6, lit); },
         [&](DeviceImage& i) {
             for (std::size_t b = 0; b < 3; ++b)
                 i.at(image::EffectColour(6), b) = lit.at(image::EffectColour(6), b);
         }},
        {"lighting stage 2 stores all five",
         [&] { return BuildLightingReport(LightingStage::kEnd, lit); }, storeLighting(true)},
        {"lighting stage 1 keeps the brightness",
         [&] { return BuildLightingReport(LightingStage::kBegin, lit); }, storeLighting(false)},
    };
    for (const WriteCase& c : cases) {
        keyboard.SetMemory(Tuned());
        KeyboardMemory expected = Tuned();
        c.expectedChange(expected.image);

        Send(c.report());

        EXPECT_EQ(keyboard.Memory(), expected) << c.name;
        EXPECT_EQ(DrainNotifies(), std::vector<NotifyReport>{kAck}) << c.name;
    }
    EXPECT_EQ(keyboard.AcksSent(), std::size(cases));
    EXPECT_TRUE(ViolationTexts().empty());
}

TEST_F(SimCommandsTest, ResetToFactoryRestoresFactoryMemoryButKeepsTheFirmwareVersion) {
    Send(BuildFeatureReport(RESET_TO_FACTORY, {kResetToFactoryParam}));

    EXPECT_EQ(keyboard.Memory(), FactoryMemory(2, 5));
    EXPECT_EQ(DrainNotifies(), std::vector<NotifyReport>{kAck});
}

TEST_F(SimCommandsTest, AReportWithAWrongChecksumIsIgnoredAndCounted) {
    FeatureReport reset = BuildFeatureReport(RESET_TO_FACTORY, {kResetToFactoryParam});
    reset[8] ^= 0x01;
    FeatureReport rate = BuildValueReport(SET_REPORT_RATE, 0);
    rate[8] = static_cast<std::uint8_t>(rate[8] + 1);

    Send(reset);
    Send(rate);

    EXPECT_EQ(keyboard.Memory(), Tuned());
    EXPECT_EQ(keyboard.RejectedReports(), 2u);
    EXPECT_TRUE(DrainNotifies().empty());
    // A rejected report starts nothing: the next exchange is clean.
    EXPECT_EQ(Ask(GET_REPORT_RATE)[2], 2);
    EXPECT_TRUE(ViolationTexts().empty());
}

} // namespace
} // namespace hx::sim::test
