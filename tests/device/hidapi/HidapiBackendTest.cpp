// The hidapi backend over the fake hidapi library, which shows virtual keyboards the way
// hidraw shows real ones.
#include "device/hidapi/HidapiBackend.h"

#include "device/DeviceDiscovery.h"
#include "device/ReadAll.h"
#include "sim/VirtualKeyboard.h"
#include "support/RecordingPacer.h"
#include "support/fakehidapi/FakeHid.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hx::hid {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// Bounds a read that must end by its time-out; far above the time-outs used, far below a hang.
constexpr auto kPrompt = milliseconds{2000};

std::unique_ptr<HidapiBackend> MakeBackend() {
    auto backend = HidapiBackend::Create();
    EXPECT_TRUE(backend.ok());
    return std::move(*backend);
}

std::vector<std::string> KeyboardKeys(HidBackend& backend) {
    std::vector<std::string> keys;
    for (const HidInterfaceInfo& i : backend.Enumerate())
        if (i.vendorId == kKeyboardVendorId && i.productId == kKeyboardProductId)
            keys.push_back(i.matchKey);
    return keys;
}

class HidapiBackendTest : public ::testing::Test {
protected:
    void Install(fakehid::Setup setup) { fakehid::Install(std::move(setup)); }
    void TearDown() override {
        backend.reset();
        EXPECT_EQ(fakehid::OpenDevices(), 0);
        EXPECT_EQ(fakehid::InitDepth(), 0);
        fakehid::Install({});
    }

    sim::VirtualKeyboard keyboard;
    std::unique_ptr<HidBackend> simBackend = keyboard.MakeBackend();
    sim::VirtualKeyboard second;
    std::unique_ptr<HidBackend> secondBackend = second.MakeBackend();
    std::unique_ptr<HidapiBackend> backend = MakeBackend();
};

TEST_F(HidapiBackendTest, MatchKeysAreTheKeyboardsOwn) {
    Install({{simBackend.get()}, true});
    EXPECT_EQ(KeyboardKeys(*backend), KeyboardKeys(*simBackend));
    // The foreign receiver comes first and keeps its own identity.
    const auto all = backend->Enumerate();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().vendorId, 0x046D);
    EXPECT_EQ(all.front().matchKey, "hid#vid_046d&pid_c52b&mi_00");
}

TEST_F(HidapiBackendTest, FiltersTakeTheFirstKeyboardInEnumerationOrder) {
    Install({{simBackend.get(), secondBackend.get()}, true});
    const auto first = FindDevicePath(*backend, kDeviceInterfaceFilter);
    const auto notify = FindDevicePath(*backend, kNotifyInterfaceFilter);
    ASSERT_TRUE(first && notify);
    // The first keyboard's nodes, not the receiver's "mi_02&col04" nor the second keyboard's.
    EXPECT_EQ(*first, "/dev/fakehidraw0.3");
    EXPECT_EQ(*notify, "/dev/fakehidraw0.1");

    keyboard.Unplug();
    EXPECT_EQ(FindDevicePath(*backend, kDeviceInterfaceFilter), "/dev/fakehidraw1.3");
    EXPECT_EQ(FindDevicePath(*backend, kNotifyInterfaceFilter), "/dev/fakehidraw1.1");
    second.Unplug();
    EXPECT_FALSE(FindDevicePath(*backend, kDeviceInterfaceFilter));
}

TEST_F(HidapiBackendTest, OpenFailuresAreErrors) {
    Install({{simBackend.get()}, true});
    auto denied = backend->Open("/dev/fakehidraw-foreign.0", false);
    ASSERT_FALSE(denied.ok());
    EXPECT_NE(denied.error().message.find("Permission denied"), std::string::npos);
    EXPECT_FALSE(backend->Open("/dev/nothing-here", false).ok());
}

// A handle keeps hidapi up after the backend is gone; hid_exit follows the last hid_close.
TEST_F(HidapiBackendTest, HandleOutlivesBackend) {
    Install({{simBackend.get()}});
    auto handle = backend->Open(*FindDevicePath(*backend, kDeviceInterfaceFilter), false);
    ASSERT_TRUE(handle.ok());
    backend.reset();
    EXPECT_EQ(fakehid::InitDepth(), 1);
    FeatureReport reply = BuildFeatureReport(GET_FIRMWARE_VERSION);
    EXPECT_TRUE((*handle)->SetFeature(reply));
    handle->reset();
    EXPECT_EQ(fakehid::OpenDevices(), 0);
    EXPECT_EQ(fakehid::InitDepth(), 0);
}

struct Presentation {
    const char* name;
    bool numberedData;
    bool otherCollectionReports;
};

void PrintTo(const Presentation& c, std::ostream* os) {
    *os << c.name;
}

class HidapiReportIdTest : public HidapiBackendTest,
                           public ::testing::WithParamInterface<Presentation> {
protected:
    void SetUp() override {
        Install(
            {{simBackend.get()}, true, GetParam().numberedData, GetParam().otherCollectionReports});
    }
};

// However the interfaces frame their reports, a whole start-up read through the real link
// ends with the keyboard's memory, and acknowledgements arrive with id 4 in byte 0.
TEST_P(HidapiReportIdTest, FullReadAndAcksThroughTheLink) {
    test::RecordingPacer pacer;
    DeviceLink link(*backend, pacer);
    ASSERT_TRUE(link.OpenDeviceHandle());
    ASSERT_TRUE(link.OpenNotifyHandle());

    auto image = std::make_unique<DeviceImage>();
    FirmwareVersion firmware;
    {
        DeviceLink::Session session = link.Begin();
        const Status read = ReadEverything(session, *image, firmware);
        ASSERT_TRUE(read) << read.error().message;
    }
    EXPECT_TRUE(*image == keyboard.Memory().image);
    EXPECT_EQ(firmware.major(), 1);
    EXPECT_EQ(firmware.minor(), 12);
    EXPECT_TRUE(keyboard.Violations().empty());
    EXPECT_EQ(keyboard.RejectedReports(), 0u);

    // The read began with SET_GAME_MODE, which the keyboard acknowledged.
    ASSERT_GE(keyboard.AcksSent(), 1u);
    NotifyReport ack{kNotifyReportId};
    ASSERT_EQ(link.ReadNotify(ack), ReadOutcome::kReport);
    EXPECT_EQ(ack[0], kNotifyReportId);
    EXPECT_EQ(ack[kNotifyKindByte], kNotifyKindAck);
    link.CloseHandles();
}

INSTANTIATE_TEST_SUITE_P(Framings, HidapiReportIdTest,
                         ::testing::Values(Presentation{"LikeTheKeyboard", false, false},
                                           Presentation{"NumberedData", true, false},
                                           Presentation{"OtherCollectionsReport", false, true},
                                           Presentation{"Both", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class HidapiOpenTest : public HidapiBackendTest {
protected:
    void SetUp() override {
        Install({{simBackend.get()}, false, false, true});
        auto d = backend->Open(*FindDevicePath(*backend, kDeviceInterfaceFilter), false);
        auto n = backend->Open(*FindDevicePath(*backend, kNotifyInterfaceFilter), true);
        ASSERT_TRUE(d.ok() && n.ok());
        device = std::move(*d);
        notify = std::move(*n);
    }
    void TearDown() override {
        device.reset();
        notify.reset();
        HidapiBackendTest::TearDown();
    }

    std::unique_ptr<HidHandle> device;
    std::unique_ptr<HidHandle> notify;
};

// Every wait ends by its time-out, including a zero one (never hidapi's "wait for ever").
TEST_F(HidapiOpenTest, ReadsEndByTheirTimeOut) {
    keyboard.SetFaults({.stallReads = true});
    ASSERT_TRUE(device->SetFeature(BuildFeatureReport(READ_KEY_BITMAP, {0, 0, 0x12})));
    for (milliseconds timeout : {milliseconds{20}, milliseconds{0}, milliseconds{-5}}) {
        const auto start = Clock::now();
        DataReport data{};
        NotifyReport ack{kNotifyReportId};
        EXPECT_EQ(device->Read(data, timeout), ReadOutcome::kTimeout) << timeout.count();
        EXPECT_EQ(notify->ReadNotify(ack, timeout), ReadOutcome::kTimeout) << timeout.count();
        EXPECT_LT(Clock::now() - start, kPrompt);
        EXPECT_EQ(ack, (NotifyReport{kNotifyReportId}));
    }
}

TEST_F(HidapiOpenTest, UnplugFailsEveryTransfer) {
    keyboard.Unplug();
    EXPECT_FALSE(device->SetFeature(BuildFeatureReport(GET_FIRMWARE_VERSION)));
    FeatureReport reply{};
    reply[1] = 0x5A;
    const Status got = device->GetFeature(reply);
    EXPECT_FALSE(got);
    EXPECT_FALSE(got.error().message.empty());
    EXPECT_EQ(reply[1], 0x5A) << "a failed fetch leaves the buffer";
    EXPECT_FALSE(device->Write(DataReport{}));

    const auto start = Clock::now();
    DataReport data{};
    NotifyReport ack{kNotifyReportId};
    EXPECT_EQ(device->Read(data, milliseconds{1000}), ReadOutcome::kFailed);
    EXPECT_EQ(notify->ReadNotify(ack, milliseconds{1000}), ReadOutcome::kFailed);
    EXPECT_LT(Clock::now() - start, kPrompt);

    EXPECT_TRUE(KeyboardKeys(*backend).empty());
    keyboard.Replug();
    EXPECT_EQ(KeyboardKeys(*backend), KeyboardKeys(*simBackend));
    EXPECT_FALSE(device->SetFeature(BuildFeatureReport(GET_FIRMWARE_VERSION)))
        << "an old handle stays dead";
}

} // namespace
} // namespace hx::hid
