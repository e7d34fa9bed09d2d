// Frames in HID reports: the output report the USB link's writer builds and
// the part of an input report that holds the frame.

#include "device/link/UsbReports.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"

#include <gtest/gtest.h>

using namespace korvan;
using Bytes = std::vector<std::uint8_t>;

namespace {

TEST(UsbOutputReport, ConnectFrameIsReportIdZeroThenTheFrameThenZeros) {
    const Bytes frame = BuildFrame(CM_MCS_CMD(1, MCS_CONNECT));
    const auto report = BuildOutputReport(frame.data(), frame.size(), 65);
    ASSERT_TRUE(report);
    ASSERT_EQ(report->size(), 65u);
    const Bytes head = {0x00, 0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};
    EXPECT_EQ(Bytes(report->begin(), report->begin() + 10), head);
    EXPECT_EQ(Bytes(report->begin() + 10, report->end()), Bytes(55, 0));
}

TEST(UsbOutputReport, AFrameMustLeaveRoomForTheId) {
    const Bytes frame(70, 0x10);
    for (std::size_t length : {0u, 1u, 63u, 64u}) {
        const auto report = BuildOutputReport(frame.data(), length, 65);
        ASSERT_TRUE(report) << length;
        EXPECT_EQ(report->size(), 65u);
    }
    for (std::size_t length : {65u, 66u, 70u})
        EXPECT_FALSE(BuildOutputReport(frame.data(), length, 65)) << length;
    EXPECT_FALSE(BuildOutputReport(frame.data(), 0, 0));
}

TEST(UsbInputReport, TheFrameIsReadOnlyWithinTheReport) {
    struct Case {
        Bytes data;
        std::size_t expected;
    };
    Bytes full(64, 0);
    full[4] = 1; // a 9-byte frame
    Bytes longer(64, 0);
    longer[4] = 200; // says more than the report holds
    Bytes lengthZero(64, 0);
    Bytes shortData = {0x10, 0x02, 0x01};
    for (const Case& c : {Case{full, 9}, Case{longer, 64}, Case{lengthZero, 8}, Case{shortData, 3},
                          Case{Bytes(5, 0), 5}, Case{{}, 0}})
        EXPECT_EQ(InputReportFrameLength(c.data.data(), c.data.size()), c.expected) << c.data.size();
    EXPECT_EQ(InputReportFrameLength(nullptr, 10), 0u);
}

} // namespace
