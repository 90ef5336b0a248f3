#include "SimHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

namespace hx::sim::test {
namespace {

struct ClockFirst {
    ManualClock clock;
};

// A host that follows the protocol's pauses on a manual clock, as the real pacer would.
class PacedHost : public ClockFirst, public SimHarness {
public:
    PacedHost() : SimHarness(&clock) {}

    void Pause(milliseconds d) {
        if (d > milliseconds{0})
            clock.Advance(d);
    }
    void Command(const FeatureReport& report) {
        const CommandSpec& c = *FindCommand(report[1]);
        Send(report);
        Pause(c.afterSet);
        if (c.fetchesReply) {
            Fetch();
            Pause(c.afterGet);
        }
    }
    void Command(std::uint8_t command, const CommandParams& params = {}) {
        Command(BuildFeatureReport(command, params));
    }
    // `lastPause` replaces the pause after the last report when given.
    void PacedWrite(const StreamSpec& s, std::size_t index,
                    std::optional<milliseconds> lastPause = {}) {
        Send(BuildFeatureReport(s.writeCommand,
                                {0, static_cast<std::uint8_t>(index), s.writeByte4}));
        Pause(FindCommand(s.writeCommand)->afterSet);
        for (std::size_t c = 0; c < s.chunks; ++c) {
            ASSERT_TRUE(vendor->Write(DataReport{}).ok());
            const bool last = c + 1 == s.chunks;
            Pause(last ? lastPause.value_or(s.afterLastWrite) : s.betweenWrites);
        }
    }
    // `shortPause` replaces the pause after the second report when given.
    void PacedRead(const StreamSpec& s, std::size_t index,
                   std::optional<milliseconds> shortPause = {}) {
        Command(s.readCommand, {0, static_cast<std::uint8_t>(index), s.readByte4});
        for (std::size_t c = 0; c < s.chunks; ++c) {
            DataReport r{};
            ASSERT_EQ(vendor->Read(r, 0ms), ReadOutcome::kReport);
            Pause(c == 1 ? shortPause.value_or(s.afterEachRead) : s.afterEachRead);
        }
    }
    void FullRead() {
        Command(BuildValueReport(SET_GAME_MODE, 1));
        Command(GET_FIRMWARE_VERSION);
        Command(GET_LIGHTING);
        for (std::uint8_t i = 0; i < image::kEffectColourCount; ++i)
            Command(GET_EFFECT_COLOUR, {0, i});
        Command(GET_GAME_MODE);
        Command(GET_REPORT_RATE);
        Command(GET_RESPONSE_TIME);
        PacedRead(SpecOf(StreamRecord::kRemapTable), 0);
        PacedRead(SpecOf(StreamRecord::kKeyBitmap), 0);
        for (std::size_t slot = 0; slot < image::kMacroSlotCount; ++slot)
            PacedRead(SpecOf(StreamRecord::kMacroSlot), slot);
        for (std::size_t t = 0; t < image::kColourTableCount; ++t)
            PacedRead(SpecOf(StreamRecord::kColourTable), t);
        Command(GET_REPORT_RATE);
    }
};

using SimViolationsTest = PacedHost;

TEST_F(SimViolationsTest, AHostKeepingTheTablesPausesCausesNone) {
    FullRead();
    EXPECT_EQ(clock.Now(), kFullReadPauses);

    const DeviceImage image = keyboard.Memory().image;
    Command(BuildLightingReport(LightingStage::kBegin, image));
    PacedWrite(SpecOf(StreamRecord::kRemapTable), 0);
    PacedWrite(SpecOf(StreamRecord::kKeyBitmap), 0);
    PacedWrite(SpecOf(StreamRecord::kMacroSlot), 31);
    PacedWrite(SpecOf(StreamRecord::kColourTable), 2);
    Command(BuildEffectColourReport(3, image));
    Command(BuildValueReport(SET_GAME_MODE, 1));
    Command(BuildValueReport(SET_REPORT_RATE, 2));
    Command(BuildValueReport(SET_RESPONSE_TIME, 4));
    Command(BuildLightingReport(LightingStage::kEnd, image));
    Command(BuildFeatureReport(RESET_TO_FACTORY, {kResetToFactoryParam}));
    Command(GET_LIGHTING);

    EXPECT_TRUE(ViolationTexts().empty()) << ::testing::PrintToString(ViolationTexts());
}

struct ShortPauseCase {
    const char* name;
    std::function<void(PacedHost&)> script;
    const char* expected;
};

TEST_F(SimViolationsTest, EachPauseShorterThanTheTablesIsRecorded) {
    const ShortPauseCase cases[] = {
        {"reply fetched 9 ms after its command",
         [](PacedHost& h) {
             h.Send(BuildFeatureReport(GET_FIRMWARE_VERSION));
             h.Pause(9ms);
             h.Fetch();
         },
         "GET_FIRMWARE_VERSION reply came 9 ms after GET_FIRMWARE_VERSION, which needs 10 ms"},
        {"first chunk 49 ms after the announcement",
         [](PacedHost& h) {
             h.Send(BuildFeatureReport(WRITE_REMAP_TABLE, {0, 0, 8}));
             h.Pause(49ms);
             for (int c = 0; c < 8; ++c)
                 ASSERT_TRUE(h.vendor->Write(DataReport{}).ok());
         },
         "WRITE_REMAP_TABLE output report 0 came 49 ms after WRITE_REMAP_TABLE, which needs 50"},
        {"next command 59 ms after the last remap chunk",
         [](PacedHost& h) {
             h.PacedWrite(SpecOf(StreamRecord::kRemapTable), 0, 59ms);
             h.Command(GET_GAME_MODE);
         },
         "GET_GAME_MODE came 59 ms after WRITE_REMAP_TABLE output report 7, which needs 60 ms"},
        {"colour table input report 4 ms after the previous one",
         [](PacedHost& h) { h.PacedRead(SpecOf(StreamRecord::kColourTable), 1, 4ms); },
         "READ_COLOUR_TABLE input report came 4 ms after READ_COLOUR_TABLE input report, which "
         "needs 5 ms"},
    };
    for (const ShortPauseCase& c : cases) {
        keyboard.ClearViolations();
        clock.Advance(1s); // nothing before the case matters
        c.script(*this);
        const auto texts = ViolationTexts();
        ASSERT_FALSE(texts.empty()) << c.name;
        EXPECT_NE(texts.front().find(c.expected), std::string::npos) << c.name << ": " << texts[0];
        EXPECT_EQ(texts.size(), 1u) << c.name << ": " << ::testing::PrintToString(texts);
    }
}

TEST_F(SimViolationsTest, NoPauseAndZeroPauseAskForNoTime) {
    // Remap and slot reads have no pauses at all; slot writes only yield between reports.
    const StreamSpec& remap = SpecOf(StreamRecord::kRemapTable);
    const StreamSpec& slot = SpecOf(StreamRecord::kMacroSlot);
    Send(BuildFeatureReport(remap.readCommand));
    Fetch();
    for (std::size_t c = 0; c < remap.chunks; ++c) {
        DataReport r{};
        ASSERT_EQ(vendor->Read(r, 0ms), ReadOutcome::kReport);
    }
    Send(BuildFeatureReport(slot.writeCommand, {0, 4, slot.writeByte4}));
    Pause(1ms);
    for (std::size_t c = 0; c < slot.chunks; ++c)
        ASSERT_TRUE(vendor->Write(DataReport{}).ok());
    Send(BuildFeatureReport(slot.readCommand, {0, 4}));

    EXPECT_TRUE(ViolationTexts().empty()) << ::testing::PrintToString(ViolationTexts());
}

// Traffic that breaks a sequence, without any clock.
struct SequenceCase {
    const char* name;
    std::function<void(SimHarness&)> script;
    const char* expected;
};

void PrintTo(const SequenceCase& c, std::ostream* os) {
    *os << c.name;
}

class SequenceViolationTest : public SimHarness,
                              public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(SequenceViolationTest, IsRecordedOnceAndTheKeyboardRecovers) {
    GetParam().script(*this);

    const auto texts = ViolationTexts();
    ASSERT_EQ(texts.size(), 1u) << ::testing::PrintToString(texts);
    EXPECT_NE(texts[0].find(GetParam().expected), std::string::npos) << texts[0];
    // Nothing half-written reached the memory, and the next exchange is answered normally.
    KeyboardMemory expected = FactoryMemory();
    expected.image.at(image::kGameMode) = keyboard.Memory().image.at(image::kGameMode);
    EXPECT_EQ(keyboard.Memory(), expected);
    EXPECT_EQ(Ask(GET_REPORT_RATE)[2], 3);
    EXPECT_EQ(ViolationTexts().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SequenceViolationTest,
    ::testing::Values(
        SequenceCase{"DataReportWithoutAnnouncement",
                     [](SimHarness& h) {
                         ASSERT_TRUE(h.vendor->Write(DataReport{1, 2, 3}).ok());
                     },
                     "output report without an announced write stream"},
        SequenceCase{"DataReportAfterAReadAnnouncement",
                     [](SimHarness& h) {
                         h.Ask(READ_KEY_BITMAP, {0, 0, 0x12});
                         DataReport r{};
                         ASSERT_EQ(h.vendor->Read(r, 0ms), ReadOutcome::kReport);
                         ASSERT_TRUE(h.vendor->Write(DataReport{}).ok());
                     },
                     "output report without an announced write stream"},
        SequenceCase{"CommandInsideAWriteStream",
                     [](SimHarness& h) {
                         h.Send(BuildFeatureReport(WRITE_REMAP_TABLE, {0, 0, 8}));
                         for (int c = 0; c < 3; ++c)
                             ASSERT_TRUE(h.vendor->Write(DataReport{0, 0xAA}).ok());
                         h.Ask(GET_LIGHTING);
                     },
                     "GET_LIGHTING started while WRITE_REMAP_TABLE had 3 of 8 output reports"},
        SequenceCase{"CommandInsideAReadStream",
                     [](SimHarness& h) {
                         h.Ask(READ_MACRO_SLOT, {0, 2});
                         DataReport r{};
                         ASSERT_EQ(h.vendor->Read(r, 0ms), ReadOutcome::kReport);
                         h.Send(BuildValueReport(SET_GAME_MODE, 1));
                     },
                     "SET_GAME_MODE started while READ_MACRO_SLOT had 2 input reports unread"},
        SequenceCase{"CommandBeforeTheReplyIsFetched",
                     [](SimHarness& h) {
                         h.Send(BuildFeatureReport(GET_LIGHTING));
                         h.Send(BuildValueReport(SET_GAME_MODE, 1));
                     },
                     "SET_GAME_MODE started before the reply to GET_LIGHTING was fetched"},
        SequenceCase{"ReplyFetchedAfterAWriteCommand",
                     [](SimHarness& h) {
                         h.Send(BuildValueReport(SET_GAME_MODE, 1));
                         h.Fetch();
                     },
                     "feature reply fetched with no read command before it"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace hx::sim::test
