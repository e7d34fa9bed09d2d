#pragma once
// A HID controller on the fake backend and a fake GUI loop, with a log of
// the events it raises ("arrival #2", "unplug #1", "removal #1", "change",
// "enumerate #2 at 1"), devices named by their device ID.

#include "device/hid/TJvHidDeviceController.h"
#include "platform/sys/FakeGuiLoop.h"
#include "tests/support/FakeHidBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvan::test {

inline std::string DeviceName(TJvHidDevice* device) {
    return "#" + std::to_string(device->PnPInfo()->DeviceID());
}

inline FakeHidDeviceInfo FakeDeviceInfo(std::uint16_t vendor, std::uint16_t product) {
    FakeHidDeviceInfo info;
    info.vendorId = vendor;
    info.productId = product;
    info.reportDescriptor = VendorReportDescriptor64();
    info.product = u"Product " + std::u16string(1, char16_t(u'0' + product % 10));
    info.manufacturer = u"Maker";
    return info;
}

class HidEventLog {
public:
    std::vector<std::string> events;
    // Extra behaviour of the handlers, after they logged.
    std::function<void(TJvHidDevice*)> onArrival, onUnplug, onRemoval;
    std::function<bool(TJvHidDevice*, int)> onEnumerate;
    std::function<void()> onChange;

    void Arrival(TJvHidDevice* d) {
        events.push_back("arrival " + DeviceName(d));
        if (onArrival)
            onArrival(d);
    }
    void Unplug(TJvHidDevice* d) {
        events.push_back("unplug " + DeviceName(d));
        if (onUnplug)
            onUnplug(d);
    }
    void Removal(TJvHidDevice* d) {
        events.push_back("removal " + DeviceName(d));
        if (onRemoval)
            onRemoval(d);
    }
    void Change(TJvHidDeviceController*) {
        events.push_back("change");
        if (onChange)
            onChange();
    }
    bool Enumerate(TJvHidDevice* d, int idx) {
        events.push_back("enumerate " + DeviceName(d) + " at " + std::to_string(idx));
        return onEnumerate ? onEnumerate(d, idx) : true;
    }
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(events);
        return out;
    }
};

class HidControllerTest : public ::testing::Test {
protected:
    using Events = std::vector<std::string>;

    // Builds the controller and binds every event, as the main window does
    // while it loads; the first rebuild runs when the loop is pumped.
    void Create() {
        controller = std::make_unique<TJvHidDeviceController>(gui, backend, clock);
        controller->SetLoading(true);
        controller->SetOnArrival({&log, &HidEventLog::Arrival});
        controller->SetOnDeviceUnplug({&log, &HidEventLog::Unplug});
        controller->SetOnRemoval({&log, &HidEventLog::Removal});
        controller->SetOnDeviceChange({&log, &HidEventLog::Change});
        controller->SetOnEnumerate({&log, &HidEventLog::Enumerate});
        controller->SetLoading(false);
    }

    void Pump() { gui.RunPending(); }

    // Devices still lent out outlive the controller; their holder frees them.
    void TearDown() override {
        if (!controller)
            return;
        std::vector<TJvHidDevice*> held;
        for (TJvHidDevice* d : controller->Devices())
            if (d->IsCheckedOut())
                held.push_back(d);
        controller.reset();
        for (TJvHidDevice* d : held)
            delete d;
    }

    // Counters as "in/out/unplugged".
    std::string Counts() const {
        return std::to_string(controller->NumCheckedInDevices()) + "/" +
               std::to_string(controller->NumCheckedOutDevices()) + "/" +
               std::to_string(controller->NumUnpluggedDevices());
    }

    std::vector<std::string> Listed() const {
        std::vector<std::string> names;
        for (TJvHidDevice* d : controller->Devices())
            names.push_back(DeviceName(d));
        return names;
    }

    sys::ManualClock clock;
    sys::FakeGuiLoop gui{clock};
    FakeHidBackend backend;
    HidEventLog log;
    std::unique_ptr<TJvHidDeviceController> controller;
};

} // namespace korvan::test
