#include "SimHarness.h"

#include <gtest/gtest.h>

namespace hx::sim::test {
namespace {

class SimStreamsTest : public SimHarness {};

struct StreamCase {
    const char* name;
    StreamRecord record;
    std::size_t index;
};

std::vector<std::uint8_t> Pattern(std::size_t size, std::size_t seed) {
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(i * 37 + 11 + seed);
    return data;
}

TEST_F(SimStreamsTest, EveryStreamWrittenReadsBackAndLandsInItsOwnRecordOnly) {
    const StreamCase cases[] = {
        {"remap table", StreamRecord::kRemapTable, 0},
        {"key bitmap", StreamRecord::kKeyBitmap, 0},
        {"macro slot 0", StreamRecord::kMacroSlot, 0},
        {"macro slot 31", StreamRecord::kMacroSlot, 31},
        {"colour table 0", StreamRecord::kColourTable, 0},
        {"colour table 4", StreamRecord::kColourTable, 4},
    };
    for (const StreamCase& c : cases) {
        const StreamSpec& s = SpecOf(c.record);
        const ByteField field = RecordField(s, c.index);
        std::vector<std::uint8_t> data = Pattern(field.size, c.index);
        if (c.record == StreamRecord::kKeyBitmap)
            data[1] |= 0x01; // bit 8 agrees with bit 1 (set in byte 0), which the keyboard mirrors
        KeyboardMemory expected = keyboard.Memory();
        std::copy(data.begin(), data.end(), expected.image.span(field).begin());

        WriteRecord(s, c.index, data);

        EXPECT_EQ(keyboard.Memory(), expected) << c.name;
        EXPECT_EQ(ReadRecord(s, c.index), data) << c.name;
    }
    EXPECT_TRUE(ViolationTexts().empty());
}

TEST_F(SimStreamsTest, OnlyTheLastReportOfAWriteStreamIsAcknowledged) {
    const StreamSpec& s = SpecOf(StreamRecord::kRemapTable);
    Send(BuildFeatureReport(s.writeCommand, {0, 0, s.writeByte4}));
    EXPECT_TRUE(DrainNotifies().empty()) << "the announcement is not acknowledged";
    for (std::size_t c = 0; c + 1 < s.chunks; ++c)
        ASSERT_TRUE(vendor->Write(DataReport{}).ok());
    EXPECT_TRUE(DrainNotifies().empty()) << "an unfinished stream is not acknowledged";
    EXPECT_EQ(keyboard.Memory(), FactoryMemory()) << "an unfinished stream changes nothing";

    ASSERT_TRUE(vendor->Write(DataReport{}).ok());
    EXPECT_EQ(DrainNotifies(), std::vector<NotifyReport>{kAck});

    ReadRecord(s, 0);
    EXPECT_TRUE(DrainNotifies().empty()) << "reads are not acknowledged";
    EXPECT_EQ(keyboard.AcksSent(), 1u);
}

TEST_F(SimStreamsTest, TheBitmapWriteReportsTheWindowsKeyLockInBit8) {
    const StreamSpec& s = SpecOf(StreamRecord::kKeyBitmap);
    std::vector<std::uint8_t> bitmap(18, 0xFF);

    bitmap[0] = 0xFD; // Windows key (bit 1) disabled: locked
    WriteRecord(s, 0, bitmap);
    std::vector<std::uint8_t> locked = bitmap;
    locked[1] = 0xFE; // reported as bit 8 clear
    EXPECT_EQ(ReadRecord(s, 0), locked);

    bitmap[0] = 0xFF;
    bitmap[1] = 0xFE; // unlocked, whatever the host left in bit 8
    WriteRecord(s, 0, bitmap);
    EXPECT_EQ(ReadRecord(s, 0), std::vector<std::uint8_t>(18, 0xFF));
}

TEST_F(SimStreamsTest, TheBitmapTravelsInOneReportPaddedWithZeros) {
    const StreamSpec& s = SpecOf(StreamRecord::kKeyBitmap);
    Ask(s.readCommand, {0, 0, s.readByte4});
    DataReport r{};
    r.fill(0xEE);
    ASSERT_EQ(vendor->Read(r, 0ms), ReadOutcome::kReport);
    for (std::size_t i = 1; i <= 18; ++i)
        EXPECT_EQ(r[i], 0xFF) << i;
    for (std::size_t i = 19; i < r.size(); ++i)
        EXPECT_EQ(r[i], 0) << i;
    EXPECT_EQ(vendor->Read(r, 0ms), ReadOutcome::kTimeout) << "no second report";
}

} // namespace
} // namespace hx::sim::test
