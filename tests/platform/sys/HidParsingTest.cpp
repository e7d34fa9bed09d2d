#include "platform/sys/hid/HidParsing.h"
#include "platform/sys/hid/HidReportDescriptor.h"
#include "tests/platform/sys/HidFixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace korvan::sys::hid;
using korvan::test::LoadDescriptor;

namespace {

class HidParsing : public ::testing::Test {
protected:
    static HidPreparsedData Load(const char* fixture) {
        return ParseReportDescriptor(LoadDescriptor(fixture)).value();
    }

    HidPreparsedData keyboard = Load("boot-keyboard");
    HidPreparsedData mouse = Load("mouse-report-ids");
    HidPreparsedData pad = Load("gamepad");
};

TEST_F(HidParsing, KeyboardUsagesFromBitsAndArray) {
    // Left Shift (0xE1) and Right Alt (0xE6) held; keys A (4) and Z (0x1D).
    const std::vector<std::uint8_t> report = {0x00, 0x42, 0x00, 0x04, 0x1D, 0x00, 0x00, 0x00, 0x00};
    USAGE usages[14];
    std::uint32_t n = 14;
    ASSERT_EQ(hidp::GetUsages(keyboard, HidP_Input, 0x07, 0, usages, n, report.data(), 9),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(std::vector<USAGE>(usages, usages + n), (std::vector<USAGE>{0xE1, 0xE6, 0x04, 0x1D}));
    EXPECT_EQ(hidp::MaxUsageListLength(keyboard, HidP_Input, 0x07), 14u);

    n = 2;
    EXPECT_EQ(hidp::GetUsages(keyboard, HidP_Input, 0x07, 0, usages, n, report.data(), 9),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(n, 4u);
    n = 14;
    EXPECT_EQ(hidp::GetUsages(keyboard, HidP_Input, 0x07, 0, usages, n, report.data(), 8),
              HIDP_STATUS_INVALID_REPORT_LENGTH);

    USAGE_AND_PAGE both[14];
    n = 14;
    ASSERT_EQ(hidp::GetUsagesEx(keyboard, HidP_Input, 0, both, n, report.data(), 9), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(n, 4u);
    EXPECT_EQ(both[2], (USAGE_AND_PAGE{0x04, 0x07}));
}

TEST_F(HidParsing, SetAndUnsetUsagesRoundTrip) {
    std::vector<std::uint8_t> report(9, 0);
    const USAGE keys[] = {0xE0, 0x04, 0x05};
    std::uint32_t n = 3;
    ASSERT_EQ(hidp::SetUsages(keyboard, HidP_Input, 0x07, 0, keys, n, report.data(), 9), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, (std::vector<std::uint8_t>{0, 0x01, 0, 0x04, 0x05, 0, 0, 0, 0}));

    const USAGE release[] = {0x04};
    n = 1;
    ASSERT_EQ(hidp::UnsetUsages(keyboard, HidP_Input, 0x07, 0, release, n, report.data(), 9),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report[3], 0);
    n = 1;
    EXPECT_EQ(hidp::UnsetUsages(keyboard, HidP_Input, 0x07, 0, release, n, report.data(), 9),
              HIDP_STATUS_BUTTON_NOT_PRESSED);

    // Six keys fill the array; a seventh does not fit.
    const USAGE many[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15};
    n = 6;
    EXPECT_EQ(hidp::SetUsages(keyboard, HidP_Input, 0x07, 0, many, n, report.data(), 9),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(n, 5u); // the index of the usage that failed

    const USAGE unknown[] = {0x99};
    n = 1;
    EXPECT_EQ(hidp::SetUsages(keyboard, HidP_Input, 0x07, 0, unknown, n, report.data(), 9),
              HIDP_STATUS_USAGE_NOT_FOUND);
    EXPECT_EQ(n, 0u);
}

TEST_F(HidParsing, ReportIdSelectsTheControls) {
    // Report 1: button 2, X = -3, Y = 5, wheel = -1.
    const std::vector<std::uint8_t> report = {0x01, 0x02, 0xFD, 0x05, 0xFF};
    USAGE usages[3];
    std::uint32_t n = 3;
    ASSERT_EQ(hidp::GetUsages(mouse, HidP_Input, 0x09, 0, usages, n, report.data(), 5), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(n, 1u);
    EXPECT_EQ(usages[0], 2);

    std::uint32_t raw = 0;
    ASSERT_EQ(hidp::GetUsageValue(mouse, HidP_Input, 0x01, 0, 0x30, raw, report.data(), 5),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(raw, 0xFDu);
    // The link collection narrows the search: the axes are in node 1 only.
    EXPECT_EQ(hidp::GetUsageValue(mouse, HidP_Input, 0x01, 1, 0x31, raw, report.data(), 5),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(raw, 5u);

    // The same usages asked of a buffer that names another report.
    const std::vector<std::uint8_t> other = {0x02, 0, 0, 0, 0};
    EXPECT_EQ(hidp::GetUsageValue(mouse, HidP_Input, 0x01, 0, 0x30, raw, other.data(), 5),
              HIDP_STATUS_INCOMPATIBLE_REPORT_ID);
    EXPECT_EQ(hidp::GetUsageValue(mouse, HidP_Input, 0x01, 0, 0x32, raw, report.data(), 5),
              HIDP_STATUS_USAGE_NOT_FOUND);

    // A feature buffer starts with report 2.
    std::vector<std::uint8_t> feature(5, 0xAA);
    ASSERT_EQ(hidp::InitializeReportForID(mouse, HidP_Feature, 2, feature.data(), 5), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(feature, (std::vector<std::uint8_t>{2, 0, 0, 0, 0}));
    EXPECT_EQ(hidp::InitializeReportForID(mouse, HidP_Feature, 1, feature.data(), 5),
              HIDP_STATUS_REPORT_DOES_NOT_EXIST);
}

TEST_F(HidParsing, ScaledValuesFollowThePhysicalExtent) {
    std::vector<std::uint8_t> report(7, 0);
    report[1] = 255;
    std::int32_t scaled = 0;
    ASSERT_EQ(hidp::GetScaledUsageValue(pad, HidP_Input, 0x01, 0, 0x30, scaled, report.data(), 7),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(scaled, 10000);
    ASSERT_EQ(hidp::SetScaledUsageValue(pad, HidP_Input, 0x01, 0, 0x30, 5000, report.data(), 7),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report[1], 127);
    EXPECT_EQ(hidp::SetScaledUsageValue(pad, HidP_Input, 0x01, 0, 0x30, 10001, report.data(), 7),
              HIDP_STATUS_VALUE_OUT_OF_RANGE);

    // The mouse axes declare no physical extent.
    const std::vector<std::uint8_t> m = {0x01, 0, 1, 2, 3};
    EXPECT_EQ(hidp::GetScaledUsageValue(mouse, HidP_Input, 0x01, 0, 0x30, scaled, m.data(), 5),
              HIDP_STATUS_BAD_LOG_PHY_VALUES);
}

TEST_F(HidParsing, ValueArraysMoveAsAWhole) {
    std::vector<std::uint8_t> report(7, 0);
    const std::uint8_t bytes[4] = {1, 2, 3, 4};
    ASSERT_EQ(hidp::SetUsageValueArray(pad, HidP_Input, 0xFF00, 0, 0x20, bytes, 4, report.data(), 7),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report, (std::vector<std::uint8_t>{0, 0, 1, 2, 3, 4, 0}));
    std::uint8_t back[4] = {};
    EXPECT_EQ(hidp::GetUsageValueArray(pad, HidP_Input, 0xFF00, 0, 0x20, back, 3, report.data(), 7),
              HIDP_STATUS_BUFFER_TOO_SMALL);
    ASSERT_EQ(hidp::GetUsageValueArray(pad, HidP_Input, 0xFF00, 0, 0x20, back, 4, report.data(), 7),
              HIDP_STATUS_SUCCESS);
    EXPECT_EQ(back[3], 4);

    std::uint32_t raw;
    EXPECT_EQ(hidp::GetUsageValue(pad, HidP_Input, 0xFF00, 0, 0x20, raw, report.data(), 7),
              HIDP_STATUS_IS_VALUE_ARRAY);
    EXPECT_EQ(hidp::GetUsageValueArray(pad, HidP_Input, 0x01, 0, 0x30, back, 4, report.data(), 7),
              HIDP_STATUS_NOT_VALUE_ARRAY);
}

TEST_F(HidParsing, DataListsCoverButtonsAndValues) {
    // X = 9, buttons 1 and 4 pressed.
    std::vector<std::uint8_t> report = {0, 9, 0, 0, 0, 0, 0x09};
    HIDP_DATA list[6];
    std::uint32_t n = 6;
    ASSERT_EQ(hidp::MaxDataListLength(pad, HidP_Input), 6u);
    ASSERT_EQ(hidp::GetData(pad, HidP_Input, list, n, report.data(), 7), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(n, 3u); // two buttons and X; the value array is not listed
    EXPECT_EQ(list[0].DataIndex, 2);
    EXPECT_TRUE(list[0].On);
    EXPECT_EQ(list[1].DataIndex, 5);
    EXPECT_EQ(list[2].DataIndex, 0);
    EXPECT_EQ(list[2].RawValue, 9u);

    // Release button 1, press button 2, set X to 200.
    HIDP_DATA set[3];
    set[0].DataIndex = 2;
    set[0].On = false;
    set[1].DataIndex = 3;
    set[1].On = true;
    set[2].DataIndex = 0;
    set[2].RawValue = 200;
    n = 3;
    ASSERT_EQ(hidp::SetData(pad, HidP_Input, set, n, report.data(), 7), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report[1], 200);
    EXPECT_EQ(report[6], 0x0A);

    set[0].DataIndex = 40;
    n = 1;
    EXPECT_EQ(hidp::SetData(pad, HidP_Input, set, n, report.data(), 7), HIDP_STATUS_DATA_INDEX_NOT_FOUND);
    EXPECT_EQ(n, 0u);

    HIDP_EXTENDED_ATTRIBUTES attributes;
    std::uint32_t length = sizeof attributes;
    EXPECT_EQ(hidp::GetExtendedAttributes(pad, HidP_Input, 5, &attributes, length), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(attributes.NumGlobalUnknowns, 0);
    EXPECT_EQ(hidp::GetExtendedAttributes(pad, HidP_Input, 6, &attributes, length),
              HIDP_STATUS_DATA_INDEX_NOT_FOUND);
}

} // namespace
