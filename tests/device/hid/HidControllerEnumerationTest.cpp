// Rebuilding the device list: event order, counters and the passes.

#include "tests/device/hid/HidControllerFixture.h"

#include <gtest/gtest.h>

using namespace korvan::test;

namespace {

using HidRebuild = HidControllerTest;

TEST_F(HidRebuild, FirstRebuildIsPostedAndAlwaysReportsAChange) {
    Create();
    EXPECT_TRUE(log.events.empty()); // nothing before the loop runs
    Pump();
    EXPECT_EQ(log.Take(), Events{"change"});
    EXPECT_EQ(Counts(), "0/0/0");

    // Until a real notice has been handled, a direct rebuild still reports
    // a change; after one, a rebuild that finds nothing new and nothing
    // gone raises nothing.
    controller->DeviceChange();
    EXPECT_EQ(log.Take(), Events{"change"});
    controller->EventPipe(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    controller->DeviceChange();
    EXPECT_TRUE(log.events.empty());
    // Other messages are passed by.
    backend.Plug(FakeDeviceInfo(1, 1));
    controller->EventPipe(WM_DEVICECHANGE, 0x8000, 0);
    controller->EventPipe(0x0400, DBT_DEVNODES_CHANGED, 0);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(HidRebuild, StartUpWithDevicesPlugged) {
    backend.Plug(FakeDeviceInfo(1, 1));
    backend.Plug(KorvanUnitInfo());
    Create();
    Pump();
    EXPECT_EQ(log.Take(), (Events{"arrival #1", "arrival #2", "change"}));
    EXPECT_EQ(Listed(), (Events{"#1", "#2"}));
    EXPECT_EQ(Counts(), "2/0/0");
}

TEST_F(HidRebuild, RemovalsRunFromTheEndThenArrivalsInSystemOrder) {
    auto a = backend.Plug(FakeDeviceInfo(1, 1));
    backend.Plug(FakeDeviceInfo(1, 2));
    auto c = backend.Plug(FakeDeviceInfo(1, 3));
    Create();
    Pump();
    log.Take();

    // Each unplug posts a notice; the first rebuild sees both, the second
    // finds nothing more.
    backend.Unplug(a);
    backend.Unplug(c);
    Pump();
    EXPECT_EQ(log.Take(), (Events{"unplug #3", "removal #3", "unplug #1", "removal #1", "change"}));
    EXPECT_EQ(Listed(), Events{"#2"});
    EXPECT_EQ(Counts(), "1/0/0");

    backend.Plug(FakeDeviceInfo(1, 4));
    backend.Plug(FakeDeviceInfo(1, 5));
    Pump();
    EXPECT_EQ(log.Take(), (Events{"arrival #4", "arrival #5", "change"}));
    EXPECT_EQ(Listed(), (Events{"#2", "#4", "#5"}));
    EXPECT_EQ(Counts(), "3/0/0");
}

// The editor's cycle: enumerate on every change, take the unit, give it back
// from the unplug handler.
TEST_F(HidRebuild, UnpluggingTheCheckedOutUnitFreesItThroughCheckIn) {
    TJvHidDevice* unit = nullptr;
    log.onChange = [&] { controller->Enumerate(); };
    log.onEnumerate = [&](TJvHidDevice* d, int idx) {
        if (d->Attributes().VendorID == 0x0168 && d->Attributes().ProductID == 0x0821)
            controller->CheckOutByIndex(unit, idx);
        return true;
    };
    log.onUnplug = [&](TJvHidDevice* d) {
        if (d == unit)
            controller->CheckIn(unit);
    };
    backend.Plug(FakeDeviceInfo(1, 1));
    auto korvan = backend.Plug(KorvanUnitInfo());
    backend.Plug(FakeDeviceInfo(1, 3));
    Create();
    Pump();
    EXPECT_EQ(log.Take(), (Events{"arrival #1", "arrival #2", "arrival #3", "change", "enumerate #1 at 0",
                                  "enumerate #2 at 1", "enumerate #3 at 2"}));
    ASSERT_NE(unit, nullptr);
    EXPECT_TRUE(unit->IsCheckedOut());
    EXPECT_EQ(Counts(), "2/1/0");

    backend.Unplug(korvan);
    Pump();
    // No removal: the check-in in the unplug handler freed it.
    EXPECT_EQ(log.Take(), (Events{"unplug #2", "change", "enumerate #1 at 0", "enumerate #3 at 1"}));
    EXPECT_EQ(unit, nullptr);
    EXPECT_EQ(Listed(), (Events{"#1", "#3"}));
    EXPECT_EQ(Counts(), "2/0/0");
}

TEST_F(HidRebuild, AnUnpluggedDeviceStaysListedWhileCheckedOut) {
    backend.Plug(FakeDeviceInfo(1, 1));
    auto b = backend.Plug(FakeDeviceInfo(1, 2));
    Create();
    Pump();
    log.Take();
    TJvHidDevice* held = nullptr;
    ASSERT_TRUE(controller->CheckOutByIndex(held, 1));
    EXPECT_EQ(Counts(), "1/1/0");

    backend.Unplug(b);
    Pump();
    EXPECT_EQ(log.Take(), (Events{"unplug #2", "removal #2", "change"}));
    EXPECT_EQ(Listed(), (Events{"#1", "#2"}));
    EXPECT_FALSE(held->IsPluggedIn());
    EXPECT_EQ(Counts(), "1/0/1");
    EXPECT_EQ(backend.Plug(FakeDeviceInfo(9, 9)).DeviceId(), 3u);
    Pump();
    // Every later rebuild finds it gone again; its unplug event fired once.
    EXPECT_EQ(log.Take(), (Events{"removal #2", "arrival #3", "change"}));

    controller->CheckIn(held);
    EXPECT_EQ(held, nullptr);
    EXPECT_EQ(Listed(), (Events{"#1", "#3"}));
    EXPECT_EQ(Counts(), "2/0/0");
}

TEST_F(HidRebuild, WhenTheInterfaceSetCannotBeHadEveryDeviceIsGone) {
    backend.Plug(FakeDeviceInfo(1, 1));
    backend.Plug(FakeDeviceInfo(1, 2));
    Create();
    Pump();
    log.Take();
    backend.SetEnumerationFails(true);
    controller->DeviceChange();
    EXPECT_EQ(log.Take(), (Events{"unplug #2", "removal #2", "unplug #1", "removal #1", "change"}));
    EXPECT_EQ(Counts(), "0/0/0");
    backend.SetEnumerationFails(false);
    controller->DeviceChange();
    EXPECT_EQ(log.Take(), (Events{"arrival #1", "arrival #2", "change"}));
}

TEST_F(HidRebuild, InterfacesThatCannotBeOpenedIdentifiedOrDescribedAreLeftOut) {
    FakeHidDeviceInfo closed = FakeDeviceInfo(1, 1), anonymous = FakeDeviceInfo(1, 2),
                      hidden = FakeDeviceInfo(1, 3);
    closed.openable = false;
    anonymous.identifiable = false;
    hidden.describable = false;
    backend.Plug(closed);
    backend.Plug(anonymous);
    backend.Plug(hidden);
    backend.Plug(FakeDeviceInfo(1, 4));
    Create();
    Pump();
    EXPECT_EQ(log.Take(), (Events{"arrival #4", "change"}));
}

// A handler that pumps messages during a rebuild (a modal box, say) lets a
// new notice in; it is not lost but leads to one more rebuild.
TEST_F(HidRebuild, NoticeDuringARebuildLeadsToOneMoreRebuild) {
    backend.Plug(FakeDeviceInfo(1, 1));
    Create();
    log.onArrival = [&](TJvHidDevice* d) {
        if (DeviceName(d) == "#1") {
            backend.Plug(FakeDeviceInfo(1, 2));
            Pump();
        }
    };
    Pump();
    EXPECT_EQ(log.Take(), (Events{"arrival #1", "change", "arrival #2", "change"}));
    EXPECT_EQ(Listed(), (Events{"#1", "#2"}));
}

TEST_F(HidRebuild, OnlyANewDeviceChangeHandlerRebuilds) {
    Create();
    Pump();
    const int before = backend.EnumerationCount();
    controller->SetOnDeviceChange({&log, &HidEventLog::Change});
    EXPECT_EQ(backend.EnumerationCount(), before);
    HidEventLog other;
    controller->SetOnDeviceChange({&other, &HidEventLog::Change});
    EXPECT_EQ(backend.EnumerationCount(), before + 1);
    controller->SetLoading(true);
    controller->SetOnDeviceChange({&log, &HidEventLog::Change});
    EXPECT_EQ(backend.EnumerationCount(), before + 1);
}

TEST_F(HidRebuild, WithoutHidSupportThereAreNoDevicesAndNoEvents) {
    backend.Plug(KorvanUnitInfo());
    backend.SetAvailable(false);
    Create();
    Pump();
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(backend.Monitors(), 0u);
    TJvHidDevice* device = reinterpret_cast<TJvHidDevice*>(1);
    EXPECT_FALSE(controller->CheckOut(device));
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(controller->CountByID(0x0168, -1), 0);
    EXPECT_EQ(controller->HidGuid(), "{4D1E55B2-F16F-11CF-88CB-001111000030}");
}

TEST_F(HidRebuild, MessagesPostedToADestroyedControllerAreDropped) {
    backend.Plug(KorvanUnitInfo());
    Create();
    EXPECT_EQ(backend.Monitors(), 1u);
    controller.reset();
    EXPECT_EQ(backend.Monitors(), 0u);
    Pump();
    EXPECT_TRUE(log.events.empty());
}

TEST_F(HidRebuild, VersionAlwaysReadsItsOwn) {
    Create();
    controller->SetVersion("9.9");
    EXPECT_EQ(controller->Version(), "1.0.34");
    EXPECT_EQ(controller->HidVersion(), "fake 1.0");
    EXPECT_EQ(controller->DevThreadSleepTime(), 100);
}

} // namespace
