// A device's strings, descriptors, reports and parsing wrappers, and the
// status texts.

#include "device/hid/HidErrors.h"
#include "tests/device/hid/HidControllerFixture.h"

#include <gtest/gtest.h>

using namespace korvan::test;

namespace {

class HidDevice : public HidControllerTest {
protected:
    // Plugs one device, builds the list and returns the device.
    TJvHidDevice* PlugOne(const FakeHidDeviceInfo& info) {
        unit.emplace(backend.Plug(info));
        Create();
        Pump();
        return controller->Devices().back();
    }
    TJvHidDevice* Take(TJvHidDevice* device) {
        EXPECT_TRUE(device->CheckOut());
        return device;
    }

    std::optional<FakeHidUnit> unit;
};

TEST_F(HidDevice, StringsAreReadOnlyWhileAccessibleAndThenKept) {
    TJvHidDevice* d = PlugOne(KorvanUnitInfo());
    EXPECT_EQ(d->GetProductName(), u""); // lent to nobody: not opened
    EXPECT_EQ(unit->OpenHandles(), 0u);
    Take(d);
    EXPECT_EQ(d->GetProductName(), u"KORVAN DSP");
    EXPECT_EQ(d->GetVendorName(), u"Brivane");
    EXPECT_EQ(d->GetSerialNumber(), u"KV0001");
    EXPECT_EQ(unit->OpenHandles(), 0u); // each read closes its handle again
    TJvHidDevice* same = d;
    controller->CheckIn(same);
    EXPECT_EQ(d->ProductName(), u"KORVAN DSP");
    EXPECT_EQ(d->PnPInfo()->ClassDescr(), "HIDClass");
    EXPECT_EQ(d->PnPInfo()->ClassGUID(), "{4D1E55B2-F16F-11CF-88CB-001111000030}");
}

TEST_F(HidDevice, ASerialNumberThatIsTheLanguageListIsNone) {
    const struct {
        const char* what;
        std::u16string serial;
        std::vector<std::uint16_t> languages;
        std::u16string expected;
    } cases[] = {
        {"own serial", u"A1", {0x0409}, u"A1"},
        {"the language list", std::u16string(1, char16_t(0x0409)), {0x0409}, u""},
        {"two languages, first differs", u"\x0409x", {0x0409, 0x0407}, u"\x0409x"},
        {"no language list", u"A1", {}, u""},
    };
    for (const auto& c : cases) {
        FakeHidDeviceInfo info = KorvanUnitInfo();
        info.serialNumber = c.serial;
        info.languageIds = c.languages;
        auto u = backend.Plug(info);
        if (!controller)
            Create();
        Pump();
        TJvHidDevice* d = Take(controller->Devices().back());
        EXPECT_EQ(d->GetSerialNumber(), c.expected) << c.what;
        controller->CheckIn(d);
        backend.Unplug(u);
        Pump();
    }
}

TEST_F(HidDevice, LanguageNamesAndIndexedStrings) {
    FakeHidDeviceInfo info = KorvanUnitInfo();
    info.languageIds = {0x0409, 0x0407, 0x1234};
    info.indexedStrings = {{3, u"Third"}};
    TJvHidDevice* d = Take(PlugOne(info));
    EXPECT_EQ(d->GetLanguageStrings(),
              (std::vector<std::u16string>{u"English (United States)", u"German (Germany)",
                                           u"unknown Locale ID $1234"}));
    EXPECT_EQ(d->GetDeviceStringUnicode(3), u"Third");
    EXPECT_EQ(d->GetDeviceStringAnsi(3), "Third");
    EXPECT_EQ(d->GetDeviceStringUnicode(0), u"");
    EXPECT_EQ(d->GetDeviceStringUnicode(9), u"");
}

TEST_F(HidDevice, PhysicalDescriptorGrowsItsBufferUntilItFits) {
    FakeHidDeviceInfo info = KorvanUnitInfo();
    info.physicalDescriptor = std::vector<std::uint8_t>{1, 0, 2, 0, 0x34, 0x12};
    TJvHidDevice* d = Take(PlugOne(info));
    EXPECT_EQ(d->GetPhysicalDescriptor(), (TJvPhysicalDescriptor{1, 2, 0x1234}));

    auto other = backend.Plug(KorvanUnitInfo()); // offers none
    Pump();
    EXPECT_TRUE(Take(controller->Devices().back())->GetPhysicalDescriptor().empty());
}

TEST_F(HidDevice, CapsAndLinkCollections) {
    TJvHidDevice* d = PlugOne(KorvanUnitInfo());
    EXPECT_EQ(d->GetCaps().InputReportByteLength, 0); // not accessible: nothing read
    Take(d);
    const HIDP_CAPS caps = d->GetCaps();
    EXPECT_EQ(caps.InputReportByteLength, 65);
    EXPECT_EQ(caps.OutputReportByteLength, 65);
    EXPECT_EQ(caps.UsagePage, 0xFF00);
    EXPECT_EQ(d->GetLinkCollectionNode(0).LinkUsagePage, 0xFF00);
    EXPECT_EQ(d->GetLinkCollectionNode(0).CollectionType, 1);
    const HIDP_LINK_COLLECTION_NODE past = d->GetLinkCollectionNode(caps.NumberLinkCollectionNodes);
    EXPECT_EQ(past.LinkUsagePage, 0);
    EXPECT_EQ(past.CollectionType, 0);
}

TEST_F(HidDevice, ParsingWrappersNeedAnAccessibleDevice) {
    TJvHidDevice* d = PlugOne(KorvanUnitInfo());
    std::vector<std::uint8_t> report(65, 0);
    std::uint32_t value = 0;
    EXPECT_EQ(d->GetUsageValue(value, report.data(), 65), HIDP_STATUS_NULL);
    EXPECT_EQ(HidErrorString(HIDP_STATUS_NULL), "HID Error: device not plugged in");
    EXPECT_EQ(d->InitializeReportForID(HidP_Output, 0, report.data(), 65),
              HIDP_STATUS_INVALID_PREPARSED_DATA);

    Take(d);
    d->SetReportTypeParam(HidP_Output);
    d->SetUsagePageParam(0xFF00);
    d->UsageParam = 2;
    EXPECT_EQ(d->MaxDataListLength(), 1u);
    EXPECT_EQ(d->MaxUsageListLength(), 0u);
    ASSERT_EQ(d->InitializeReportForID(HidP_Output, 0, report.data(), 65), HIDP_STATUS_SUCCESS);
    std::vector<std::uint8_t> frame(64, 0);
    frame[0] = 0x10;
    frame[1] = 0x02;
    ASSERT_EQ(d->SetUsageValueArray(frame.data(), 64, report.data(), 65), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report[1], 0x10);
    EXPECT_EQ(d->GetUsageValue(value, report.data(), 65), HIDP_STATUS_IS_VALUE_ARRAY);
    HIDP_VALUE_CAPS caps[2];
    std::uint16_t count = 2;
    ASSERT_EQ(d->GetSpecificValueCaps(caps, count), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(caps[0].ReportCount, 64);
    EXPECT_EQ(caps[0].NotRange.Usage, 2);
    HIDP_EXTENDED_ATTRIBUTES attributes;
    std::uint32_t length = sizeof attributes;
    EXPECT_EQ(d->GetExtendedAttributes(HidP_Output, 0, &attributes, length), HIDP_STATUS_SUCCESS);
}

TEST_F(HidDevice, FeatureAndDirectReportsGoThroughTheBlockingHandle) {
    TJvHidDevice* d = PlugOne(KorvanUnitInfo());
    std::vector<std::uint8_t> report(8, 0);
    EXPECT_FALSE(d->GetFeature(report.data(), 8)); // not accessible
    Take(d);
    unit->SetFeatureReport(0, {0, 1, 2, 3});
    ASSERT_TRUE(d->GetFeature(report.data(), 8));
    EXPECT_EQ(report, (std::vector<std::uint8_t>{0, 1, 2, 3, 0, 0, 0, 0}));
    report[0] = 7;
    EXPECT_FALSE(d->GetFeature(report.data(), 8)); // no such report
    ASSERT_TRUE(d->SetFeature(report.data(), 4));
    EXPECT_EQ(unit->LastFeatureSet(), (std::vector<std::uint8_t>{7, 1, 2, 3}));
    unit->SetInputReport(0, {0, 9});
    report[0] = 0;
    ASSERT_TRUE(d->GetInputReport(report.data(), 2));
    EXPECT_EQ(report[1], 9);
    ASSERT_TRUE(d->SetOutputReport(report.data(), 2));
    EXPECT_EQ(unit->LastOutputReportSet(), (std::vector<std::uint8_t>{0, 9}));
    EXPECT_TRUE(d->FlushQueue());

    d->SetNumInputBuffers(64);
    EXPECT_EQ(d->NumInputBuffers(), 64);
    d->SetNumInputBuffers(1); // refused by the device: the count stays
    EXPECT_EQ(d->NumInputBuffers(), 64);
    d->CloseFile();
    EXPECT_EQ(d->NumInputBuffers(), 0);
}

TEST(HidStatus, TextsOfTheStatusCodes) {
    const struct {
        NTSTATUS status;
        const char* text;
    } cases[] = {
        {HIDP_STATUS_SUCCESS, ""},
        {0x00110005, ""}, // not an error
        {0xC0220001, ""}, // another facility
        {HIDP_STATUS_INVALID_PREPARSED_DATA, "HID Error: invalid preparsed data"},
        {HIDP_STATUS_INVALID_REPORT_LENGTH, "HID Error: invalid report length"},
        {HIDP_STATUS_I8042_TRANS_UNKNOWN, "HID Error: 8042 key translation impossible"},
        {HIDP_STATUS_REPORT_DOES_NOT_EXIST, "HID Error: report does not exist"},
        {HIDP_STATUS_NOT_IMPLEMENTED, "HID Error: not implemented"},
        {0xC0110030, "HID Error: unknown HID error c0110030"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HidErrorString(c.status), c.text) << std::hex << c.status;
    EXPECT_EQ(HidCheck(HIDP_STATUS_SUCCESS), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(HidCheck(0x00110005), 0x00110005u);
    EXPECT_THROW(HidCheck(HIDP_STATUS_USAGE_NOT_FOUND), EHidClientError);
    try {
        HidError(HIDP_STATUS_BUFFER_TOO_SMALL);
        FAIL();
    } catch (const EHidClientError& e) {
        EXPECT_STREQ(e.what(), "HID Error: buffer too small");
    }
}

TEST(HidEvents, HandlersCompareLikeMethodPointers) {
    HidEventLog a, b;
    EXPECT_TRUE(TJvHidPlugEvent(&a, &HidEventLog::Arrival) == TJvHidPlugEvent(&a, &HidEventLog::Arrival));
    EXPECT_FALSE(TJvHidPlugEvent(&a, &HidEventLog::Arrival) == TJvHidPlugEvent(&b, &HidEventLog::Arrival));
    EXPECT_FALSE(TJvHidPlugEvent(&a, &HidEventLog::Arrival) == TJvHidPlugEvent(&a, &HidEventLog::Removal));
    EXPECT_TRUE(TJvHidPlugEvent() == TJvHidPlugEvent(nullptr));
    const auto f = TJvHidPlugEvent::Of([](TJvHidDevice*) {});
    const auto copy = f;
    EXPECT_TRUE(f == copy);
    EXPECT_FALSE(f == TJvHidPlugEvent::Of([](TJvHidDevice*) {}));
    EXPECT_FALSE(f == TJvHidPlugEvent());
}

} // namespace
