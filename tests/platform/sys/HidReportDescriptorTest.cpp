#include "platform/sys/hid/HidReportDescriptor.h"
#include "platform/sys/hid/HidParsing.h"
#include "tests/platform/sys/HidFixtures.h"

#include <gtest/gtest.h>

using namespace korvan::sys::hid;
using korvan::test::LoadDescriptor;

namespace {

HidPreparsedData Parse(const std::string& fixture) {
    std::string error;
    auto parsed = ParseReportDescriptor(LoadDescriptor(fixture), &error);
    EXPECT_TRUE(parsed) << fixture << ": " << error;
    return parsed.value_or(HidPreparsedData{});
}

struct CapsCase {
    const char* fixture;
    USAGE usagePage, usage;
    std::uint16_t input, output, feature; // report byte lengths
    std::uint16_t inputButtons, inputValues, inputIndices;
    std::uint16_t nodes;
    bool usesIds;
};

class DescriptorCaps : public ::testing::TestWithParam<CapsCase> {};

// Lengths count the report-ID byte even without report IDs: 64 data bytes
// give 65.
TEST_P(DescriptorCaps, ReportLengthsAndCounts) {
    const CapsCase& c = GetParam();
    const HidPreparsedData data = Parse(c.fixture);
    HIDP_CAPS caps;
    ASSERT_EQ(hidp::GetCaps(data, caps), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(caps.UsagePage, c.usagePage);
    EXPECT_EQ(caps.Usage, c.usage);
    EXPECT_EQ(caps.InputReportByteLength, c.input);
    EXPECT_EQ(caps.OutputReportByteLength, c.output);
    EXPECT_EQ(caps.FeatureReportByteLength, c.feature);
    EXPECT_EQ(caps.NumberInputButtonCaps, c.inputButtons);
    EXPECT_EQ(caps.NumberInputValueCaps, c.inputValues);
    EXPECT_EQ(caps.NumberInputDataIndices, c.inputIndices);
    EXPECT_EQ(caps.NumberLinkCollectionNodes, c.nodes);
    EXPECT_EQ(data.usesReportIds, c.usesIds);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DescriptorCaps,
                         ::testing::Values(
                             // one value array each way
                             CapsCase{"korvan-unit", 0xFF00, 1, 65, 65, 0, 0, 1, 1, 1, false},
                             // modifiers (8 indices) and the key array (102 usages); LEDs out
                             CapsCase{"boot-keyboard", 0x01, 6, 9, 2, 0, 2, 0, 110, 1, false},
                             // report 1: 4 data bytes; report 2 feature: 4 bytes; two collections
                             CapsCase{"mouse-report-ids", 0x01, 2, 5, 0, 5, 1, 3, 6, 2, true},
                             // X, the value array, four buttons and four padding bits
                             CapsCase{"gamepad", 0x01, 5, 7, 0, 0, 1, 2, 6, 1, false}),
                         [](const auto& instance) {
                             std::string name = instance.param.fixture;
                             std::erase(name, '-');
                             return name;
                         });

TEST(ReportDescriptor, LinkCollectionsFormOneTree) {
    const HidPreparsedData data = Parse("mouse-report-ids");
    HIDP_LINK_COLLECTION_NODE nodes[2];
    std::uint32_t n = 1;
    EXPECT_EQ(hidp::GetLinkCollectionNodes(data, nodes, n), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(n, 2u);
    ASSERT_EQ(hidp::GetLinkCollectionNodes(data, nodes, n), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(nodes[0].CollectionType, 1); // application
    EXPECT_EQ(nodes[0].NumberOfChildren, 1);
    EXPECT_EQ(nodes[0].FirstChild, 1);
    EXPECT_EQ(nodes[1].CollectionType, 0); // physical
    EXPECT_EQ(nodes[1].LinkUsage, 1);
    EXPECT_EQ(nodes[1].LinkUsagePage, 1);
    EXPECT_EQ(nodes[1].Parent, 0);

    // The buttons and axes live in the physical collection.
    HIDP_VALUE_CAPS values[3];
    std::uint16_t count = 3;
    ASSERT_EQ(hidp::GetSpecificValueCaps(data, HidP_Input, 0, 0, 0, values, count), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(values[0].LinkCollection, 1);
    EXPECT_EQ(values[0].LinkUsage, 1);
    EXPECT_EQ(values[0].NotRange.Usage, 0x30);
    EXPECT_EQ(values[2].NotRange.Usage, 0x38);
    EXPECT_EQ(values[0].LogicalMin, -127);
    EXPECT_EQ(values[0].LogicalMax, 127);
    EXPECT_FALSE(values[0].IsAbsolute);
    EXPECT_EQ(values[0].ReportID, 1);
}

TEST(ReportDescriptor, ButtonCapsOfRangesAndArrays) {
    const HidPreparsedData data = Parse("boot-keyboard");
    HIDP_BUTTON_CAPS caps[4];
    std::uint16_t n = 4;
    ASSERT_EQ(hidp::GetSpecificButtonCaps(data, HidP_Input, 0x07, 0, 0, caps, n), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(n, 2);
    EXPECT_TRUE(caps[0].IsRange);
    EXPECT_EQ(caps[0].Range.UsageMin, 0xE0);
    EXPECT_EQ(caps[0].Range.UsageMax, 0xE7);
    EXPECT_EQ(caps[0].Range.DataIndexMin, 0);
    EXPECT_EQ(caps[0].Range.DataIndexMax, 7);
    EXPECT_EQ(caps[1].Range.UsageMax, 0x65);
    EXPECT_EQ(caps[1].Range.DataIndexMin, 8);
    EXPECT_EQ(caps[1].BitField & 0x02, 0); // array

    // Asking for one usage finds only the caps that holds it.
    n = 4;
    ASSERT_EQ(hidp::GetSpecificButtonCaps(data, HidP_Input, 0x07, 0, 0xE3, caps, n), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(n, 1);
    n = 4;
    EXPECT_EQ(hidp::GetSpecificButtonCaps(data, HidP_Feature, 0, 0, 0, caps, n), HIDP_STATUS_USAGE_NOT_FOUND);
    EXPECT_EQ(n, 0);
    n = 1;
    EXPECT_EQ(hidp::GetSpecificButtonCaps(data, HidP_Input, 0, 0, 0, caps, n), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(n, 1);
    n = 4;
    EXPECT_EQ(hidp::GetSpecificButtonCaps(data, HIDP_REPORT_TYPE(7), 0, 0, 0, caps, n),
              HIDP_STATUS_INVALID_REPORT_TYPE);
}

TEST(ReportDescriptor, ExtentsAreSignedOnlyWhenMeantSigned) {
    // Logical 0..255 written as 25 FF would read -1; with a non-negative
    // minimum it is meant unsigned.
    const std::vector<std::uint8_t> d = {0x05, 0x01, 0x09, 0x30, 0xA1, 0x01, 0x15, 0x00, 0x25,
                                         0xFF, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0};
    const auto data = ParseReportDescriptor(d);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->controls.size(), 1u);
    EXPECT_EQ(data->controls[0].logicalMin, 0);
    EXPECT_EQ(data->controls[0].logicalMax, 255);
}

TEST(ReportDescriptor, FourByteUsagesCarryTheirPage) {
    // Usage (0x0009:0x0003) names page 9 for itself under page 1.
    const std::vector<std::uint8_t> d = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x0B, 0x03, 0x00, 0x09, 0x00,
                                         0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0};
    const auto data = ParseReportDescriptor(d);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->controls.size(), 1u);
    EXPECT_EQ(data->controls[0].usagePage, 9);
    EXPECT_EQ(data->controls[0].usageMin, 3);
}

TEST(ReportDescriptor, PushAndPopRestoreGlobals) {
    const std::vector<std::uint8_t> d = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08,
                                         0x95, 0x01, 0xA4, 0x75, 0x10, 0x09, 0x30, 0x81,
                                         0x02, 0xB4, 0x09, 0x31, 0x81, 0x02, 0xC0};
    const auto data = ParseReportDescriptor(d);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->controls.size(), 2u);
    EXPECT_EQ(data->controls[0].bitSize, 16);
    EXPECT_EQ(data->controls[1].bitSize, 8);
    EXPECT_EQ(data->controls[1].bitOffset, 16u);
    EXPECT_EQ(data->reportByteLength[HidP_Input], 4);
}

TEST(ReportDescriptor, MalformedDescriptorsAreRefused) {
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"item data past the end", {0x05, 0x01, 0x26, 0xFF}},
        {"long item past the end", {0xFE, 0x10, 0x00, 0x01}},
        {"end collection without collection", {0xC0}},
        {"collection never closed", {0x09, 0x01, 0xA1, 0x01}},
        {"pop without push", {0xB4}},
        {"report ID 0", {0x85, 0x00}},
        {"usage maximum without minimum", {0x29, 0x05}},
        {"usage maximum below minimum", {0x19, 0x05, 0x29, 0x01}},
        {"report past any real length", {0x75, 0x20, 0x97, 0x00, 0x00, 0x01, 0x00, 0x81, 0x02}},
        {"unknown main item", {0xD0}},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseReportDescriptor(c.bytes, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    // A push stack deeper than any real descriptor needs.
    std::vector<std::uint8_t> deep(200, 0xA4);
    EXPECT_FALSE(ParseReportDescriptor(deep));
}

TEST(ReportDescriptor, EmptyDescriptorHasNoReports) {
    const auto data = ParseReportDescriptor(std::vector<std::uint8_t>{});
    ASSERT_TRUE(data);
    HIDP_CAPS caps;
    hidp::GetCaps(*data, caps);
    EXPECT_EQ(caps.InputReportByteLength, 0);
    EXPECT_EQ(caps.NumberLinkCollectionNodes, 1);
}

} // namespace
