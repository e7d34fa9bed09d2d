// Lending devices: the check-out criteria, check-in, counting, the handlers
// the controller hands to its devices, and a device freed while listed.

#include "device/hid/HidErrors.h"
#include "device/hid/TJvHidDeviceReadThread.h"
#include "tests/device/hid/HidControllerFixture.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace korvan::test;

namespace {

class HidCheckOut : public HidControllerTest {
protected:
    // #1 the unit, #2 same vendor, #3 another vendor of class "Other".
    void SetUp() override {
        FakeHidDeviceInfo other = FakeDeviceInfo(0x1234, 0x0821);
        other.classDescr = "Other";
        backend.Plug(KorvanUnitInfo());
        backend.Plug(FakeDeviceInfo(0x0168, 0x0001));
        backend.Plug(other);
        Create();
        Pump();
        log.Take();
    }

    std::string Take(bool (TJvHidDeviceController::*checkOut)(TJvHidDevice*&)) {
        TJvHidDevice* device = reinterpret_cast<TJvHidDevice*>(1);
        const bool ok = (controller.get()->*checkOut)(device);
        EXPECT_EQ(ok, device != nullptr);
        return device ? DeviceName(device) : "none";
    }
};

bool IsOtherVendor(TJvHidDevice* d) {
    return d->Attributes().VendorID == 0x1234;
}
bool Never(TJvHidDevice*) {
    return false;
}
bool Accessible(TJvHidDevice* d) {
    return d->IsAccessible();
}

TEST_F(HidCheckOut, EachCriterionTakesTheFirstFreeMatch) {
    const struct {
        const char* what;
        std::function<bool(TJvHidDeviceController&, TJvHidDevice*&)> take;
        const char* expected;
    } cases[] = {
        {"first free", [](auto& c, auto& d) { return c.CheckOut(d); }, "#1"},
        {"index 2", [](auto& c, auto& d) { return c.CheckOutByIndex(d, 2); }, "#3"},
        {"index -1", [](auto& c, auto& d) { return c.CheckOutByIndex(d, -1); }, "none"},
        {"index past the end", [](auto& c, auto& d) { return c.CheckOutByIndex(d, 3); }, "none"},
        {"vendor and product", [](auto& c, auto& d) { return c.CheckOutByID(d, 0x0168, 0x0001); }, "#2"},
        {"any product of a vendor", [](auto& c, auto& d) { return c.CheckOutByID(d, 0x1234, -1); }, "#3"},
        {"unknown vendor", [](auto& c, auto& d) { return c.CheckOutByID(d, 0x9999, -1); }, "none"},
        {"class", [](auto& c, auto& d) { return c.CheckOutByClass(d, "Other"); }, "#3"},
        {"empty class", [](auto& c, auto& d) { return c.CheckOutByClass(d, ""); }, "none"},
        {"callback", [](auto& c, auto& d) { return c.CheckOutByCallback(d, IsOtherVendor); }, "#3"},
        {"callback refusing all", [](auto& c, auto& d) { return c.CheckOutByCallback(d, Never); }, "none"},
        // Devices lent to nobody are not opened to read their strings, and
        // none was read before: no name matches.
        {"product name never read",
         [](auto& c, auto& d) { return c.CheckOutByProductName(d, u"KORVAN DSP"); }, "none"},
        {"empty vendor name", [](auto& c, auto& d) { return c.CheckOutByVendorName(d, u""); }, "none"},
    };
    for (const auto& c : cases) {
        TJvHidDevice* device = reinterpret_cast<TJvHidDevice*>(1);
        const bool ok = c.take(*controller, device);
        EXPECT_EQ(ok, device != nullptr) << c.what;
        EXPECT_EQ(device ? DeviceName(device) : "none", c.expected) << c.what;
        EXPECT_EQ(Counts(), ok ? "2/1/0" : "3/0/0") << c.what;
        controller->CheckIn(device);
        EXPECT_EQ(device, nullptr);
        EXPECT_EQ(Counts(), "3/0/0") << c.what;
    }
}

TEST_F(HidCheckOut, ACheckedOutDeviceIsNotLentTwice) {
    TJvHidDevice* first = nullptr;
    TJvHidDevice* second = reinterpret_cast<TJvHidDevice*>(1);
    ASSERT_TRUE(controller->CheckOutByIndex(first, 0));
    EXPECT_FALSE(controller->CheckOutByIndex(second, 0));
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(Take(&TJvHidDeviceController::CheckOut), "#2");
    EXPECT_EQ(Take(&TJvHidDeviceController::CheckOut), "#3");
    EXPECT_EQ(Take(&TJvHidDeviceController::CheckOut), "none");
    EXPECT_EQ(Counts(), "0/3/0");
    // The device checks itself out only when free.
    EXPECT_FALSE(first->CheckOut());
    controller->CheckIn(first);
    EXPECT_EQ(Counts(), "1/2/0");
    ASSERT_TRUE(controller->Devices()[0]->CheckOut());
    EXPECT_EQ(Counts(), "0/3/0");
}

// Names read while a handler had the device marked are cached and match
// later.
TEST_F(HidCheckOut, NamesCachedDuringAnEventMatchLater) {
    log.onEnumerate = [](TJvHidDevice* d, int) {
        d->GetProductName();
        d->GetVendorName();
        return true;
    };
    EXPECT_EQ(controller->Enumerate(), 3);
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller->CheckOutByProductName(device, u"KORVAN DSP"));
    EXPECT_EQ(DeviceName(device), "#1");
    controller->CheckIn(device);
    ASSERT_TRUE(controller->CheckOutByVendorName(device, u"Maker"));
    EXPECT_EQ(DeviceName(device), "#2");
    EXPECT_EQ(controller->CountByVendorName(u"Maker"), 2);
    EXPECT_EQ(controller->CountByProductName(u"KORVAN DSP"), 1);
    controller->CheckIn(device);
}

TEST_F(HidCheckOut, CountsIncludeCheckedOutDevices) {
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller->CheckOutByIndex(device, 0));
    EXPECT_EQ(controller->CountByID(0x0168, -1), 2);
    EXPECT_EQ(controller->CountByID(0x0168, 0x0821), 1);
    EXPECT_EQ(controller->CountByClass("HIDClass"), 2);
    EXPECT_EQ(controller->CountByCallback(IsOtherVendor), 1);
    // The callback sees each plugged device marked accessible.
    EXPECT_EQ(controller->CountByCallback(Accessible), 3);
    controller->CheckIn(device);
}

// Handles opened while a device is marked are closed after the event,
// unless the device was taken.
TEST_F(HidCheckOut, HandlesOfDevicesNotTakenAreClosedAfterEachEvent) {
    std::vector<FakeHidUnit> units;
    for (int i = 0; i < 3; ++i)
        units.push_back(backend.Plug(FakeDeviceInfo(7, std::uint16_t(i))));
    log.onArrival = [](TJvHidDevice* d) { d->GetSerialNumber(); };
    Pump();
    TJvHidDevice* taken = nullptr;
    log.onEnumerate = [&](TJvHidDevice* d, int idx) {
        EXPECT_TRUE(d->OpenFile());
        const bool wanted = d->Attributes().VendorID == 7 && d->Attributes().ProductID == 1;
        if (wanted)
            controller->CheckOutByIndex(taken, idx);
        return !wanted; // stop after the taken one
    };
    log.Take();
    EXPECT_EQ(controller->Enumerate(), 5);
    EXPECT_EQ(log.events.back(), "enumerate #5 at 4");
    EXPECT_EQ(units[0].OpenHandles(), 0u);
    EXPECT_EQ(units[1].OpenHandles(), 1u); // taken: its handle stays open
    EXPECT_EQ(units[2].OpenHandles(), 0u);
    controller->CheckIn(taken);
    EXPECT_EQ(units[1].OpenHandles(), 0u);
    EXPECT_EQ(controller->CountByCallback(Accessible), 6);
    EXPECT_FALSE(controller->Devices()[0]->IsAccessible());
}

TEST_F(HidCheckOut, NewHandlersReachOnlyDevicesWithThePreviousOne) {
    HidEventLog mine, other;
    TJvHidDevice* own = controller->Devices()[1];
    own->OnUnplug = {&mine, &HidEventLog::Unplug};
    own->SetThreadSleepTime(250);
    controller->SetOnDeviceUnplug({&other, &HidEventLog::Unplug});
    controller->SetDevThreadSleepTime(500);
    EXPECT_TRUE(controller->Devices()[0]->OnUnplug == TJvHidPlugEvent(&other, &HidEventLog::Unplug));
    EXPECT_TRUE(own->OnUnplug == TJvHidPlugEvent(&mine, &HidEventLog::Unplug));
    EXPECT_EQ(controller->Devices()[0]->ThreadSleepTime(), 500);
    EXPECT_EQ(own->ThreadSleepTime(), 250);

    // New devices take the data and unplug handlers, not the error handler.
    controller->SetOnDeviceDataError(TJvHidDataErrorEvent::Of([](TJvHidDevice*, std::uint32_t) {}));
    EXPECT_TRUE(controller->Devices()[0]->OnDataError == controller->OnDeviceDataError());
    backend.Plug(FakeDeviceInfo(5, 5));
    Pump();
    TJvHidDevice* fresh = controller->Devices()[3];
    EXPECT_TRUE(fresh->OnUnplug == controller->OnDeviceUnplug());
    EXPECT_FALSE(fresh->OnDataError);
    EXPECT_EQ(fresh->ThreadSleepTime(), 100);
}

TEST_F(HidCheckOut, ThreadSleepTimeAcceptsTenToTenThousand) {
    TJvHidDevice* d = controller->Devices()[0];
    for (int refused : {9, 10001, -1})
        d->SetThreadSleepTime(refused);
    EXPECT_EQ(d->ThreadSleepTime(), 100);
    d->SetThreadSleepTime(10);
    EXPECT_EQ(d->ThreadSleepTime(), 10);
    d->SetThreadSleepTime(10000);
    EXPECT_EQ(d->ThreadSleepTime(), 10000);
}

// A holder that frees a device still plugged in instead of checking it in:
// a fresh device for the same interface takes its place, checked in.
TEST_F(HidCheckOut, FreeingAPluggedDeviceReplacesIt) {
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller->CheckOutByIndex(device, 1));
    const auto handler =
        TJvHidDataEvent::Of([](TJvHidDevice*, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
    device->SetDataEvent(handler);
    device->SetThreadSleepTime(300);
    delete device;
    EXPECT_EQ(Listed(), (Events{"#1", "#2", "#3"}));
    TJvHidDevice* fresh = controller->Devices()[1];
    EXPECT_FALSE(fresh->IsCheckedOut());
    EXPECT_TRUE(fresh->OnData() == handler);
    EXPECT_EQ(fresh->ThreadSleepTime(), 300);
    EXPECT_EQ(Counts(), "3/0/0");
}

// If the fresh device cannot be made, the entry goes and the counters follow;
// nothing escapes the destructor.
TEST_F(HidCheckOut, FreeingADeviceThatCannotBeReopenedDropsIt) {
    std::vector<FakeHidUnit> units;
    for (int i = 0; i < 2; ++i)
        units.push_back(backend.Plug(FakeDeviceInfo(8, std::uint16_t(i))));
    Pump();
    EXPECT_EQ(Counts(), "5/0/0");
    TJvHidDevice* device = nullptr;
    ASSERT_TRUE(controller->CheckOutByIndex(device, 3));
    units[0].SetOpenable(false);
    units[1].SetOpenable(false);
    EXPECT_NO_THROW(delete device);
    EXPECT_EQ(Counts(), "4/0/0");
    EXPECT_NO_THROW(delete controller->Devices()[3]);
    EXPECT_EQ(Listed(), (Events{"#1", "#2", "#3"}));
    EXPECT_EQ(Counts(), "3/0/0");
}

TEST(HidDeviceCreation, OnlyTheControllerCreatesDevicesAndThreads) {
    try {
        TJvHidDevice device;
        FAIL();
    } catch (const EControllerError& e) {
        EXPECT_STREQ(e.what(), "Direct creation of a TJvHidDevice object is not allowed");
    }
    try {
        TJvHidDeviceReadThread thread(true);
        FAIL();
    } catch (const EControllerError& e) {
        EXPECT_STREQ(e.what(), "Direct creation of a TJvDeviceReadThread object is not allowed");
    }
}

} // namespace
