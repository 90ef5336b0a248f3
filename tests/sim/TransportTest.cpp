#include "SimHarness.h"

#include "keymap/DefaultRemapTable.h"
#include "keymap/KeyLayout.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace hx::sim::test {
namespace {

using Clock = std::chrono::steady_clock;

class SimTransportTest : public SimHarness {};

TEST_F(SimTransportTest, EnumerationListsTheKeyboardsInterfacesInOrder) {
    const auto found = backend->Enumerate();
    const std::vector<std::string> keys{"mi_00",       "mi_01&col01", "mi_01&col02",
                                        "mi_01&col03", "mi_01&col04", "mi_03"};
    ASSERT_EQ(found.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(found[i].vendorId, kKeyboardVendorId);
        EXPECT_EQ(found[i].productId, kKeyboardProductId);
        EXPECT_NE(found[i].matchKey.find(keys[i]), std::string::npos) << found[i].matchKey;
        EXPECT_EQ(found[i].path, "sim:kbd/" + keys[i]);
    }
    // The host's filters each find exactly their interface.
    const auto count = [&](const char* filter) {
        return std::count_if(found.begin(), found.end(), [&](const HidInterfaceInfo& i) {
            return i.matchKey.find(filter) != std::string::npos;
        });
    };
    EXPECT_EQ(count("mi_03"), 1);
    EXPECT_EQ(count("ol04"), 1);
}

TEST_F(SimTransportTest, EachInterfaceCarriesOnlyItsOwnReports) {
    auto inert = OpenOrDie("sim:kbd/mi_00");
    DataReport data{};
    NotifyReport note{};
    FeatureReport feature = BuildFeatureReport(GET_REPORT_RATE);
    EXPECT_FALSE(inert->SetFeature(feature).ok());
    EXPECT_FALSE(inert->GetFeature(feature).ok());
    EXPECT_FALSE(inert->Write(data).ok());
    EXPECT_EQ(inert->Read(data, 0ms), ReadOutcome::kFailed);
    EXPECT_EQ(inert->ReadNotify(note, 0ms), ReadOutcome::kFailed);

    EXPECT_FALSE(notify->SetFeature(feature).ok());
    EXPECT_EQ(notify->Read(data, 0ms), ReadOutcome::kFailed);
    EXPECT_EQ(vendor->ReadNotify(note, 0ms), ReadOutcome::kFailed);

    EXPECT_FALSE(backend->Open("sim:kbd/mi_02", false).ok());
    EXPECT_TRUE(ViolationTexts().empty()) << "refused reports never reach the firmware";
}

TEST_F(SimTransportTest, AReadWithNothingToDeliverTimesOutWithinItsBound) {
    DataReport r{};
    NotifyReport n{};
    EXPECT_EQ(vendor->Read(r, 0ms), ReadOutcome::kTimeout);
    EXPECT_EQ(notify->ReadNotify(n, 0ms), ReadOutcome::kTimeout);

    const auto start = Clock::now();
    EXPECT_EQ(notify->ReadNotify(n, 20ms), ReadOutcome::kTimeout);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 20ms);
    EXPECT_LT(waited, 2s);
}

TEST_F(SimTransportTest, StalledReadsTimeOutAndResumeWhenTheStallEnds) {
    keyboard.SetFaults({.stallReads = true});
    Ask(READ_REMAP_TABLE);
    DataReport r{};
    EXPECT_EQ(vendor->Read(r, 0ms), ReadOutcome::kTimeout);
    const auto start = Clock::now();
    EXPECT_EQ(vendor->Read(r, 20ms), ReadOutcome::kTimeout);
    EXPECT_LT(Clock::now() - start, 2s);

    keyboard.SetFaults({});
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(vendor->Read(r, 0ms), ReadOutcome::kReport) << c;
}

TEST_F(SimTransportTest, DroppedAcksLeaveTheWriteDoneButSilent) {
    keyboard.SetFaults({.dropAcks = true});
    Send(BuildValueReport(SET_GAME_MODE, 1));

    EXPECT_EQ(keyboard.Memory().image.at(image::kGameMode), 1);
    EXPECT_TRUE(DrainNotifies().empty());
    EXPECT_EQ(keyboard.AcksSent(), 0u);
}

TEST_F(SimTransportTest, CorruptRepliesArriveFlippedWithABadChecksum) {
    keyboard.SetFaults({.corruptReplies = true});
    const FeatureReport reply = Ask(GET_REPORT_RATE);
    EXPECT_EQ(reply[2], static_cast<std::uint8_t>(~3));
    EXPECT_FALSE(HasValidChecksum(reply));

    Ask(READ_KEY_BITMAP, {0, 0, 0x12});
    DataReport r{};
    ASSERT_EQ(vendor->Read(r, 0ms), ReadOutcome::kReport);
    EXPECT_EQ(r[1], 0x00) << "0xFF flipped";
    EXPECT_EQ(keyboard.Memory(), FactoryMemory()) << "only what travels is corrupted";
}

TEST_F(SimTransportTest, UnplugWakesABlockedNotifyReaderAndFailsEveryHandle) {
    auto reader = std::async(std::launch::async, [&] {
        NotifyReport n{};
        const auto start = Clock::now();
        const ReadOutcome outcome = notify->ReadNotify(n, 10s);
        return std::make_pair(outcome, Clock::now() - start);
    });
    std::this_thread::sleep_for(20ms); // let the reader block first
    keyboard.Unplug();

    ASSERT_EQ(reader.wait_for(5s), std::future_status::ready) << "the reader hangs";
    const auto [outcome, waited] = reader.get();
    EXPECT_EQ(outcome, ReadOutcome::kFailed);
    EXPECT_LT(waited, 5s);

    DataReport r{};
    FeatureReport f = BuildFeatureReport(GET_REPORT_RATE);
    EXPECT_FALSE(vendor->SetFeature(f).ok());
    EXPECT_FALSE(vendor->GetFeature(f).ok());
    EXPECT_FALSE(vendor->Write(r).ok());
    EXPECT_EQ(vendor->Read(r, 0ms), ReadOutcome::kFailed);
    EXPECT_TRUE(backend->Enumerate().empty());
    EXPECT_FALSE(backend->Open(kVendorPath, false).ok());
}

TEST_F(SimTransportTest, ReplugBringsTheKeyboardBackWithItsMemoryButNotTheOldHandles) {
    Send(BuildValueReport(SET_REPORT_RATE, 1));
    Send(BuildFeatureReport(READ_REMAP_TABLE)); // cut off by the unplug
    keyboard.Unplug();
    keyboard.Replug();

    EXPECT_EQ(backend->Enumerate().size(), 6u);
    FeatureReport f = BuildFeatureReport(GET_REPORT_RATE);
    EXPECT_FALSE(vendor->SetFeature(f).ok()) << "a handle from before the unplug stays dead";

    vendor = OpenOrDie(kVendorPath);
    EXPECT_EQ(Ask(GET_REPORT_RATE)[2], 1);
    EXPECT_TRUE(ViolationTexts().empty()) << "the power cycle ended the unfinished read";
}

TEST_F(SimTransportTest, APressedKeyIsReportedOnlyWhenItsEntryAsksForIt) {
    constexpr std::size_t kF1 = 1;
    constexpr std::size_t kF2 = 2;
    KeyboardMemory m = keyboard.Memory();
    const std::size_t at = kKeyLayout[kF1].remapEntry() * image::kRemapEntrySize;
    m.image.at(image::kKeyRemapTable, at) = REMAP_NOTIFY;
    m.image.at(image::kKeyRemapTable, at + 2) = 0x70;
    keyboard.SetMemory(m);
    auto second = OpenOrDie(kNotifyPath);

    keyboard.PressKey(kF2); // factory entry: typed by the keyboard itself
    keyboard.PressKey(kF1);
    keyboard.PressKey(kKeyCount); // no such key

    const std::vector<NotifyReport> expected{{kNotifyReportId, 1, 0x70, 0}};
    EXPECT_EQ(DrainNotifies(), expected);
    NotifyReport n{};
    ASSERT_EQ(second->ReadNotify(n, 0ms), ReadOutcome::kReport) << "every reader gets it";
    EXPECT_EQ(n, expected[0]);

    auto late = OpenOrDie(kNotifyPath);
    EXPECT_EQ(late->ReadNotify(n, 0ms), ReadOutcome::kTimeout) << "nothing from before it opened";
}

} // namespace
} // namespace hx::sim::test
